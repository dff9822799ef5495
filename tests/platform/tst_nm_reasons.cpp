// The texts a NetworkManager dial reports: failure reasons in words, progress steps and the secrets
// handed to NetworkManager. Pure functions, no bus.
#include "platform/ras/nm/NmReasons.h"
#include "platform/ras/nm/NmSecretAgent.h"

#include <QtTest>

using namespace NmReasons;

class TestNmReasons : public QObject {
    Q_OBJECT
private slots:
    void failure_data() {
        QTest::addColumn<uint>("acReason");
        QTest::addColumn<uint>("devReason");
        QTest::addColumn<bool>("loginRejected");
        QTest::addColumn<QString>("text");
        // The device names the cause; the active connection only says "device disconnected".
        QTest::newRow("modem busy") << 3u << 23u << false << QStringLiteral("Dial failed: the line is busy");
        QTest::newRow("no dial tone") << 3u << 24u << false << QStringLiteral("Dial failed: no dial tone");
        QTest::newRow("no carrier") << 3u << 25u << false << QStringLiteral("Dial failed: no carrier");
        QTest::newRow("modem dial timeout")
            << 3u << 26u << false << QStringLiteral("Dial failed: timeout while the modem was dialing");
        QTest::newRow("ppp start failed")
            << 3u << 12u << false << QStringLiteral("Dial failed: the PPP service could not start");
        QTest::newRow("ip config (dhcp, no server)")
            << 3u << 5u << false << QStringLiteral("Dial failed: no network address could be obtained");
        // Device reasons that say nothing leave the word to the active connection.
        QTest::newRow("login failed, device silent")
            << 10u << 0u << false
            << QStringLiteral("Dial failed: login failed: user name or password rejected");
        QTest::newRow("timeout, device user-requested")
            << 6u << 39u << false << QStringLiteral("Dial failed: timeout while connecting");
        QTest::newRow("no secrets") << 9u << 1u << false
                                    << QStringLiteral("Dial failed: no user name or password was given");
        QTest::newRow("device only, generic ac")
            << 3u << 0u << false << QStringLiteral("Dial failed: the device was disconnected");
        QTest::newRow("nothing known") << 0u << 0u << false << QStringLiteral("Dial failed: unknown reason");
        QTest::newRow("reason from a newer version")
            << 99u << 250u << false << QStringLiteral("Dial failed: unknown reason");
        // Secrets asked for again after being given: the login was refused, whatever the numbers say.
        QTest::newRow("secrets asked again")
            << 9u << 7u << true
            << QStringLiteral("Dial failed: login failed: user name or password rejected");
    }
    void failure() {
        QFETCH(uint, acReason);
        QFETCH(uint, devReason);
        QFETCH(bool, loginRejected);
        QFETCH(QString, text);
        const QString got = failureText(acReason, devReason, loginRejected);
        QCOMPARE(got, text);
        // The program recognises a failure by " failed" at the second character or later.
        QVERIFY(got.indexOf(QLatin1String(" failed"), 0, Qt::CaseInsensitive) >= 1);
        QVERIFY(!got.startsWith(QLatin1String("Connected"), Qt::CaseInsensitive));
    }

    void activationError_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("words");
        QTest::newRow("no modem") << QStringLiteral("org.freedesktop.NetworkManager.UnknownDevice")
                                  << QString()
                                  << QStringLiteral(
                                         "no device can carry this connection (is the modem plugged in?)");
        QTest::newRow("profile gone")
            << QStringLiteral("org.freedesktop.NetworkManager.UnknownConnection") << QString()
            << QStringLiteral("the connection profile no longer exists");
        QTest::newRow("daemon gone") << QStringLiteral("org.freedesktop.DBus.Error.ServiceUnknown")
                                     << QString() << QStringLiteral("NetworkManager is not running");
        QTest::newRow("no reply") << QStringLiteral("org.freedesktop.DBus.Error.NoReply") << QString()
                                  << QStringLiteral("NetworkManager did not answer");
        QTest::newRow("other error keeps its message")
            << QStringLiteral("org.example.Odd") << QStringLiteral("Something odd")
            << QStringLiteral("Something odd");
    }
    void activationError() {
        QFETCH(QString, name);
        QFETCH(QString, message);
        QFETCH(QString, words);
        QCOMPARE(activationErrorWords(name, message), words);
    }

    void progress_data() {
        QTest::addColumn<uint>("state");
        QTest::addColumn<QString>("text");
        QTest::newRow("prepare") << 40u << QStringLiteral("Opening the device...");
        QTest::newRow("need auth") << 60u << QStringLiteral("Validation attempt...");
        QTest::newRow("ip config") << 70u << QStringLiteral("Getting a network address...");
        // Activated is announced by the active connection ("Connected"); failed by the failure text.
        QTest::newRow("activated") << 100u << QString();
        QTest::newRow("failed") << 120u << QString();
        QTest::newRow("disconnected") << 30u << QString();
    }
    void progress() {
        QFETCH(uint, state);
        QFETCH(QString, text);
        const QString got = deviceProgressText(state);
        QCOMPARE(got, text);
        // No progress line may look like a connection or a failure to the program.
        QVERIFY(!got.startsWith(QLatin1String("Connected"), Qt::CaseInsensitive));
        QVERIFY(got.indexOf(QLatin1String(" failed"), 0, Qt::CaseInsensitive) < 1);
    }

    void fixedTexts() {
        QCOMPARE(dialingText(QStringLiteral("Home ISP")), QStringLiteral("Dialing Home ISP..."));
        QCOMPARE(connectedText(), QStringLiteral("Connected"));
        QVERIFY(validationText().contains(QLatin1String("Validation attempt")));
    }

    void secrets_data() {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("domain");
        QTest::addColumn<QString>("userKey");
        QTest::addColumn<QString>("user");
        QTest::newRow("pppoe") << QStringLiteral("pppoe") << QString() << QStringLiteral("username")
                               << QStringLiteral("alice");
        QTest::newRow("gsm with domain") << QStringLiteral("gsm") << QStringLiteral("CORP")
                                         << QStringLiteral("username") << QStringLiteral("CORP\\alice");
        QTest::newRow("802-1x") << QStringLiteral("802-1x") << QString() << QStringLiteral("identity")
                                << QStringLiteral("alice");
    }
    void secrets() {
        QFETCH(QString, setting);
        QFETCH(QString, domain);
        QFETCH(QString, userKey);
        QFETCH(QString, user);
        const NmSettings s =
            secretsForSetting(setting, QStringLiteral("alice"), QStringLiteral("pw"), domain);
        QCOMPARE(s.keys(), QStringList{setting});
        QCOMPARE(s.value(setting).value(userKey).toString(), user);
        QCOMPARE(s.value(setting).value(QStringLiteral("password")).toString(), QStringLiteral("pw"));
    }
    void vpnSecrets() {
        const NmSettings s =
            secretsForSetting(QStringLiteral("vpn"), QStringLiteral("alice"), QStringLiteral("pw"), {});
        const auto secrets =
            s.value(QStringLiteral("vpn")).value(QStringLiteral("secrets")).value<NmStringMap>();
        QCOMPARE(secrets.value(QStringLiteral("password")), QStringLiteral("pw"));
    }
};

QTEST_GUILESS_MAIN(TestNmReasons)
#include "tst_nm_reasons.moc"
