// The NetworkManager backend against a stand-in (python3-dbusmock with tests/nm/nm_template.py) on a
// private bus: listing, the active connection, dial progress and failure reasons, the secret agent,
// hang-up, the service vanishing, values of the wrong type and strangers asking for secrets. Needs
// MT_NM_MOCK_BUS (tests/nm/run-nm-tests.sh sets it).
#include "../nm/NmTestSupport.h"

#include "platform/ras/nm/NmRasControl.h"

#include <QJsonArray>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

#include <unistd.h>

using namespace nmtest;

namespace {
// Counts the backend's warnings about values of the wrong type, by the place they name.
struct TypeFaults {
    static inline QStringList lines;
    static inline QtMessageHandler previous = nullptr;
    TypeFaults() {
        lines.clear();
        previous =
            qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& ctx, const QString& m) {
                if (m.contains(QLatin1String("where type")))
                    lines << m;
                if (previous)
                    previous(type, ctx, m);
            });
    }
    ~TypeFaults() { qInstallMessageHandler(previous); }
    static qsizetype about(const QString& where) {
        return lines.filter(QLatin1Char('(') + where + QLatin1Char(')')).size();
    }
};

// A caller on the bus that is not NetworkManager: asks the agent for secrets and prints the answer
// or the error's name. Run as "nobody" when the test runs as root (root's calls are NetworkManager's).
const char kStranger[] = R"PY(
import sys, dbus
bus = dbus.bus.BusConnection(sys.argv[1])
try:
    r = bus.call_blocking(sys.argv[2], '/org/freedesktop/NetworkManager/SecretAgent',
                          'org.freedesktop.NetworkManager.SecretAgent', 'GetSecrets', 'a{sa{sv}}osasu',
                          ({'connection': {'uuid': 'u-i'}}, dbus.ObjectPath(sys.argv[3]), 'pppoe', [],
                           dbus.UInt32(0)))
    print('answered', dict(r))
except dbus.exceptions.DBusException as e:
    print(e.get_dbus_name())
)PY";
} // namespace

class TestNmMock : public QObject {
    Q_OBJECT
    QString m_bus;
    std::unique_ptr<MockNm> m_mock;

    std::unique_ptr<NmRasControl> control(QStringList types = {}) {
        NmOptions o;
        o.busAddress = m_bus;
        o.types = std::move(types);
        return std::make_unique<NmRasControl>(std::move(o));
    }
    // Dials and waits for "Connected" or a failure.
    static void dial(NmRasControl& c, const QString& entry, const QString& user = {}, const QString& pw = {},
                     const QString& domain = {}) {
        c.setEntryName(entry);
        c.setUserName(user);
        c.setPassword(pw);
        c.setDomain(domain);
        c.Dial();
    }

private slots:
    void initTestCase() {
        m_bus = qEnvironmentVariable("MT_NM_MOCK_BUS");
        if (m_bus.isEmpty())
            QSKIP("MT_NM_MOCK_BUS is not set: run tests/nm/run-nm-tests.sh to test against the stand-in");
    }
    void init() {
        QString tpl = qEnvironmentVariable("MT_NM_TEMPLATE");
        if (tpl.isEmpty())
            tpl = QFINDTESTDATA("nm/nm_template.py");
        m_mock = std::make_unique<MockNm>(m_bus, tpl);
        QVERIFY2(m_mock->start(), "the stand-in did not start");
    }
    void cleanup() { m_mock.reset(); }

    void listing_data() {
        QTest::addColumn<QStringList>("types");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("every type but loopback")
            << QStringList{}
            << QStringList{QStringLiteral("alpha"), QStringLiteral("Beta VPN"), QStringLiteral("Work"),
                           QStringLiteral("Work"), QStringLiteral("Zeta")};
        QTest::newRow("dial-up types only") << QStringList{QStringLiteral("pppoe"), QStringLiteral("gsm")}
                                            << QStringList{QStringLiteral("alpha"), QStringLiteral("Zeta")};
    }
    void listing() {
        QFETCH(QStringList, types);
        QFETCH(QStringList, expected);
        m_mock->addProfile(QStringLiteral("Zeta"), QStringLiteral("u-5"), QStringLiteral("pppoe"), {});
        m_mock->addProfile(QStringLiteral("Work"), QStringLiteral("u-9"), QStringLiteral("802-3-ethernet"),
                           {});
        m_mock->addProfile(QStringLiteral("lo"), QStringLiteral("u-0"), QStringLiteral("loopback"), {});
        m_mock->addProfile(QStringLiteral("alpha"), QStringLiteral("u-7"), QStringLiteral("gsm"), {});
        m_mock->addProfile(QStringLiteral("Work"), QStringLiteral("u-1"), QStringLiteral("802-3-ethernet"),
                           {});
        m_mock->addProfile(QStringLiteral("Beta VPN"), QStringLiteral("u-3"), QStringLiteral("vpn"), {});
        auto c = control(types);
        QCOMPARE(entries(*c), expected);
        // The same order every time.
        QCOMPARE(entries(*c), expected);
    }

    void listingFollowsChanges() {
        auto c = control();
        QCOMPARE(entries(*c), QStringList{});
        QSignalSpy changed(c.get(), &NmRasControl::entriesChanged);
        // A profile made elsewhere (the connection editor) is announced, and then listed.
        const QString p =
            m_mock->addProfile(QStringLiteral("New"), QStringLiteral("u-1"), QStringLiteral("pppoe"), {});
        QVERIFY(changed.wait(5000));
        QCOMPARE(entries(*c), QStringList{QStringLiteral("New")});
        m_mock->mock(QStringLiteral("RemoveProfile"), {QVariant::fromValue(QDBusObjectPath(p))});
        QVERIFY(changed.wait(5000));
        QCOMPARE(entries(*c), QStringList{});
        // A profile of a type not listed changes nothing: only the second (listed) one is announced.
        auto dialUpOnly = control({QStringLiteral("pppoe")});
        QCOMPARE(entries(*dialUpOnly), QStringList{});
        QSignalSpy changed2(dialUpOnly.get(), &NmRasControl::entriesChanged);
        m_mock->addProfile(QStringLiteral("Wired"), QStringLiteral("u-2"), QStringLiteral("802-3-ethernet"),
                           {});
        m_mock->addProfile(QStringLiteral("DSL"), QStringLiteral("u-3"), QStringLiteral("pppoe"), {});
        QVERIFY(changed2.wait(5000));
        QCOMPARE(changed2.size(), 1);
        QCOMPARE(entries(*dialUpOnly), QStringList{QStringLiteral("DSL")});
    }

    void firstEnumerationReadsTheLookAtStart() {
        // The list asked for when the control is made answers the main console's first enumeration:
        // one ListConnections, not a second round trip; a later enumeration asks anew and sees a
        // profile added since.
        const auto listCalls = [this] {
            QDBusMessage m = QDBusMessage::createMethodCall(NmNames::service(), NmNames::settingsPath(),
                                                            QStringLiteral("org.freedesktop.DBus.Mock"),
                                                            QStringLiteral("GetCalls"));
            const QDBusMessage reply = QDBusConnection::connectToBus(m_bus, QStringLiteral("nm-test-driver"))
                                           .call(m, QDBus::Block, 5000);
            const QDBusArgument calls = reply.arguments().value(0).value<QDBusArgument>();
            int n = 0;
            calls.beginArray();
            while (!calls.atEnd()) {
                quint64 when = 0;
                QString method;
                QVariantList args;
                calls.beginStructure();
                calls >> when >> method >> args;
                calls.endStructure();
                n += method == QLatin1String("ListConnections");
            }
            calls.endArray();
            return n;
        };
        m_mock->addProfile(QStringLiteral("Home"), QStringLiteral("u-h"), QStringLiteral("gsm"), {});
        auto c = control();
        QCOMPARE(entries(*c), QStringList{QStringLiteral("Home")});
        QCOMPARE(listCalls(), 1);
        const QString work =
            m_mock->addProfile(QStringLiteral("Work"), QStringLiteral("u-w"), QStringLiteral("gsm"), {});
        QCOMPARE(entries(*c), (QStringList{QStringLiteral("Home"), QStringLiteral("Work")}));
        QCOMPARE(listCalls(), 2);

        // As at a real start, the event loop takes the look's answer before the first enumeration:
        // the settings are asked for then, and the enumeration reads the list and them instead of
        // asking again.
        const int lists = listCalls();
        auto d = control();
        QSignalSpy stored(d.get(), &NmRasControl::entriesChanged);
        QTRY_COMPARE(stored.count(), 2); // both profiles' settings have arrived
        QCOMPARE(entries(*d), (QStringList{QStringLiteral("Home"), QStringLiteral("Work")}));
        QCOMPARE(listCalls(), lists + 1);

        // A profile NetworkManager removes before the first enumeration is not listed from that look.
        auto e = control();
        QSignalSpy changed(e.get(), &NmRasControl::entriesChanged);
        QTRY_COMPARE(changed.count(), 2);
        m_mock->mock(QStringLiteral("RemoveProfile"), {QVariant::fromValue(QDBusObjectPath(work))});
        QTRY_COMPARE(changed.count(), 3);
        QCOMPARE(entries(*e), QStringList{QStringLiteral("Home")});
    }

    void slowDaemonAtStart() {
        // NetworkManager answers nothing for 2.5 s as the program starts: the first enumeration waits
        // no longer than a blocking call would (the first look is bounded: had it waited for the
        // answer, the list would hold the profile), and the profile comes as soon as it answers.
        m_mock->addProfile(QStringLiteral("Home"), QStringLiteral("u-h"), QStringLiteral("gsm"), {});
        m_mock->mock(QStringLiteral("Stall"), {2500u});
        NmOptions o;
        o.busAddress = m_bus;
        o.callTimeoutMs = 300;
        NmRasControl c(o);
        QSignalSpy changed(&c, &NmRasControl::entriesChanged);
        QCOMPARE(entries(c), QStringList{});
        QTRY_VERIFY_WITH_TIMEOUT(!changed.isEmpty(), 10000);
        QCOMPARE(entries(c), QStringList{QStringLiteral("Home")});
    }

    void activeConnection_data() {
        QTest::addColumn<QStringList>("up");    // profiles with an activated connection
        QTest::addColumn<QString>("primary");   // which of them is primary ("" none)
        QTest::addColumn<QStringList>("types"); // listed types
        QTest::addColumn<QString>("expected");
        QTest::newRow("none") << QStringList{} << QString() << QStringList{} << QString();
        QTest::newRow("one") << QStringList{QStringLiteral("Office")} << QString() << QStringList{}
                             << QStringLiteral("Office");
        QTest::newRow("primary wins")
            << QStringList{QStringLiteral("Home"), QStringLiteral("Office")} << QStringLiteral("Office")
            << QStringList{} << QStringLiteral("Office");
        QTest::newRow("no primary: first in order")
            << QStringList{QStringLiteral("Office"), QStringLiteral("Home")} << QStringLiteral("-")
            << QStringList{} << QStringLiteral("Home");
        QTest::newRow("primary not listed")
            << QStringList{QStringLiteral("Home"), QStringLiteral("Office")} << QStringLiteral("Office")
            << QStringList{QStringLiteral("pppoe")} << QStringLiteral("Home");
    }
    void activeConnection() {
        QFETCH(QStringList, up);
        QFETCH(QString, primary);
        QFETCH(QStringList, types);
        QFETCH(QString, expected);
        QHash<QString, QString> prof;
        prof[QStringLiteral("Home")] =
            m_mock->addProfile(QStringLiteral("Home"), QStringLiteral("u-h"), QStringLiteral("pppoe"), {});
        prof[QStringLiteral("Office")] =
            m_mock->addProfile(QStringLiteral("Office"), QStringLiteral("u-o"), QStringLiteral("vpn"), {});
        QHash<QString, QString> ac;
        for (const QString& n : up)
            ac[n] = m_mock->addActive(prof[n], 2);
        if (primary == QLatin1String("-"))
            m_mock->setPrimary(QStringLiteral("/"));
        else if (!primary.isEmpty())
            m_mock->setPrimary(ac[primary]);
        // An activation still in progress by another program is not a connection yet.
        m_mock->addActive(
            m_mock->addProfile(QStringLiteral("Pending"), QStringLiteral("u-p"), QStringLiteral("gsm"), {}),
            1);
        auto c = control(types);
        // One event, before EnumConnections returns.
        QCOMPARE(connections(*c), QStringList{expected});
        // The other program's connection dropping is seen through the cached state.
        for (const QString& n : up)
            m_mock->setActiveState(ac[n], 4, 3);
        QTRY_COMPARE(connections(*c), QStringList{QString()});
        // Not this control's dial: never "connected" for it.
        QVERIFY(!c->IsConnected());
    }

    void dialProgress_data() {
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<QStringList>("statuses");
        const QString dialing = QStringLiteral("Dialing Home...");
        QTest::newRow("connects") << QStringLiteral("ac:1:0;dev:40:0;dev:50:0;dev:70:0;dev:100:0;ac:2:0")
                                  << QStringList{dialing, QStringLiteral("Opening the device..."),
                                                 QStringLiteral("Connecting the device..."),
                                                 QStringLiteral("Getting a network address..."),
                                                 QStringLiteral("Connected")};
        // The whole activation can be over before ActivateConnection's reply.
        QTest::newRow("up before the reply")
            << QStringLiteral("ac:2:0") << QStringList{dialing, QStringLiteral("Connected")};
        QTest::newRow("failed before the reply")
            << QStringLiteral("ac:1:0;now:dev:120:25;now:ac:4:3")
            << QStringList{dialing, QStringLiteral("Dial failed: no carrier")};
        QTest::newRow("busy") << QStringLiteral("ac:1:0;dev:40:0;dev:120:23;ac:4:3")
                              << QStringList{dialing, QStringLiteral("Opening the device..."),
                                             QStringLiteral("Dial failed: the line is busy")};
        QTest::newRow("no carrier") << QStringLiteral("ac:1:0;dev:120:25;ac:4:3")
                                    << QStringList{dialing, QStringLiteral("Dial failed: no carrier")};
        QTest::newRow("no dial tone") << QStringLiteral("ac:1:0;dev:120:24;ac:4:3")
                                      << QStringList{dialing, QStringLiteral("Dial failed: no dial tone")};
        // The device's reason arriving after the active connection's end still names the cause.
        QTest::newRow("device reason late")
            << QStringLiteral("ac:1:0;ac:4:3;dev:120:25")
            << QStringList{dialing, QStringLiteral("Dial failed: no carrier")};
        QTest::newRow("login failed")
            << QStringLiteral("ac:1:0;dev:60:0;ac:4:10")
            << QStringList{dialing, QStringLiteral("Validation attempt..."),
                           QStringLiteral("Dial failed: login failed: user name or password "
                                          "rejected")};
        QTest::newRow("timeout") << QStringLiteral("ac:1:0;ac:4:6")
                                 << QStringList{dialing,
                                                QStringLiteral("Dial failed: timeout while connecting")};
        QTest::newRow("refused at once")
            << QStringLiteral("reject:org.freedesktop.NetworkManager.UnknownDevice")
            << QStringList{dialing,
                           QStringLiteral("Dial failed: no device can carry this connection (is the modem "
                                          "plugged in?)")};
        QTest::newRow("service vanishes mid-dial")
            << QStringLiteral("ac:1:0;vanish")
            << QStringList{dialing, QStringLiteral("Dial failed: NetworkManager stopped")};
    }
    void dialProgress() {
        QFETCH(QString, scenario);
        QFETCH(QStringList, statuses);
        m_mock->addProfile(QStringLiteral("Home"), QStringLiteral("u-h"), QStringLiteral("gsm"), scenario);
        auto c = control();
        QCOMPARE(entries(*c), QStringList{QStringLiteral("Home")});
        StatusLog log(*c);
        dial(*c, QStringLiteral("home")); // the program's names ignore letter case
        QVERIFY2(log.lines.isEmpty(), "no status may arrive from inside Dial()");
        QTRY_VERIFY_WITH_TIMEOUT(log.ended(), 10000);
        QCOMPARE(log.lines, statuses);
        QCOMPARE(c->IsConnected(), statuses.last() == QLatin1String("Connected"));
        // Nothing more follows the end of the attempt.
        QTest::qWait(0);
        QCOMPARE(log.lines.size(), statuses.size());
    }

    // The counters of the connected line's device: the backend asks NetworkManager to refresh them,
    // reads what the device holds and then follows its PropertiesChanged signals.
    void byteCounters() {
        m_mock->addProfile(QStringLiteral("Home"), QStringLiteral("u-h"), QStringLiteral("gsm"),
                           QStringLiteral("ac:1:0;dev:100:0;ac:2:0"));
        auto c = control();
        entries(*c);
        StatusLog log(*c);
        QVERIFY(!c->byteCounts());
        dial(*c, QStringLiteral("Home"));
        QTRY_VERIFY_WITH_TIMEOUT(log.ended(), 10000);
        QVERIFY(c->IsConnected());
        m_mock->mock(QStringLiteral("SetCounters"), {qulonglong(1000), qulonglong(200)});
        QTRY_COMPARE(c->byteCounts(), (std::optional<ByteCounts>(ByteCounts{1000, 200})));
        QCOMPARE(m_mock->mock(QStringLiteral("GetRefreshRate")).arguments().value(0).toUInt(),
                 NmRasControl::kStatisticsRefreshMs);
        m_mock->mock(QStringLiteral("SetCounters"), {qulonglong(5000000000), qulonglong(700)});
        QTRY_COMPARE(c->byteCounts(), (std::optional<ByteCounts>(ByteCounts{5000000000, 700})));
        c->HangUp(QStringLiteral("Home"));
        QTRY_VERIFY(!c->byteCounts());
    }

    void unknownEntry() {
        auto c = control();
        StatusLog log(*c);
        dial(*c, QStringLiteral("Nowhere"));
        QTRY_VERIFY(log.ended());
        QCOMPARE(log.lines,
                 (QStringList{QStringLiteral("Dialing Nowhere..."),
                              QStringLiteral("Dial failed: there is no NetworkManager connection called "
                                             "\"Nowhere\"")}));
    }

    void secrets_data() {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("domain");
        QTest::addColumn<QString>("expectUser");
        QTest::addColumn<bool>("connects");
        QTest::newRow("pppoe, right")
            << QStringLiteral("pppoe") << QStringLiteral("alice") << QStringLiteral("s3cret") << QString()
            << QStringLiteral("alice") << true;
        QTest::newRow("gsm with domain")
            << QStringLiteral("gsm") << QStringLiteral("alice") << QStringLiteral("s3cret")
            << QStringLiteral("CORP") << QStringLiteral("CORP\\alice") << true;
        QTest::newRow("vpn") << QStringLiteral("vpn") << QStringLiteral("alice") << QStringLiteral("s3cret")
                             << QString() << QString() << true;
        QTest::newRow("wrong password")
            << QStringLiteral("pppoe") << QStringLiteral("alice") << QStringLiteral("nope") << QString()
            << QStringLiteral("alice") << false;
    }
    void secrets() {
        QFETCH(QString, type);
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(QString, domain);
        QFETCH(QString, expectUser);
        QFETCH(bool, connects);
        const QString setting = type;
        m_mock->addProfile(
            QStringLiteral("ISP"), QStringLiteral("u-i"), type,
            QStringLiteral("ac:1:0;dev:60:0;secrets:%1:%2:s3cret;dev:70:0;ac:2:0;else;dev:120:7;ac:4:9")
                .arg(setting, expectUser));
        auto c = control();
        QSignalSpy registered(c.get(), &NmRasControl::agentRegistrationFinished);
        QVERIFY(registered.wait(5000));
        QVERIFY(c->agentRegistered());
        StatusLog log(*c);
        dial(*c, QStringLiteral("ISP"), user, password, domain);
        QTRY_VERIFY_WITH_TIMEOUT(log.ended(), 10000);
        // One authentication line however many requests it took.
        QCOMPARE(log.lines.count(QStringLiteral("Validation attempt...")), 1);
        const QJsonObject l = m_mock->log();
        const QJsonObject first = l.value(QStringLiteral("secrets")).toArray().at(0).toObject();
        QCOMPARE(first.value(QStringLiteral("setting")).toString(), setting);
        const QJsonObject answer = first.value(QStringLiteral("answer")).toObject().value(setting).toObject();
        if (type == QLatin1String("vpn"))
            QCOMPARE(answer.value(QStringLiteral("secrets"))
                         .toObject()
                         .value(QStringLiteral("password"))
                         .toString(),
                     password);
        else {
            QCOMPARE(answer.value(QStringLiteral("username")).toString(), expectUser);
            QCOMPARE(answer.value(QStringLiteral("password")).toString(), password);
        }
        if (connects) {
            QCOMPARE(log.lines.last(), QStringLiteral("Connected"));
        } else {
            // Asked again with "request new": the same secrets are not offered twice, and the end is a
            // failed login rather than a bare "no secrets".
            const QJsonArray errors = l.value(QStringLiteral("agent_errors")).toArray();
            QCOMPARE(errors.size(), 1);
            QCOMPARE(errors.at(0).toObject().value(QStringLiteral("flags")).toInt(), 3);
            QCOMPARE(log.lines.last(),
                     QStringLiteral("Dial failed: login failed: user name or password rejected"));
        }
    }

    void secretsOnlyForOwnDial() {
        // A dial that gave no credentials declines, so NetworkManager's own secrets or another agent
        // are used.
        m_mock->addProfile(QStringLiteral("ISP"), QStringLiteral("u-i"), QStringLiteral("pppoe"),
                           QStringLiteral("ac:1:0;secrets:pppoe:a:b;ac:2:0;else;ac:4:9"));
        auto c = control();
        QSignalSpy registered(c.get(), &NmRasControl::agentRegistrationFinished);
        QVERIFY(registered.wait(5000));
        StatusLog log(*c);
        dial(*c, QStringLiteral("ISP"));
        QTRY_VERIFY_WITH_TIMEOUT(log.ended(), 10000);
        QCOMPARE(m_mock->log()
                     .value(QStringLiteral("agent_errors"))
                     .toArray()
                     .at(0)
                     .toObject()
                     .value(QStringLiteral("error"))
                     .toString(),
                 QStringLiteral("org.freedesktop.NetworkManager.SecretAgent.NoSecrets"));
        QCOMPARE(log.lines.last(), QStringLiteral("Dial failed: no user name or password was given"));
    }

    // A stranger on the bus asks the agent for the dial's secrets: refused, and NetworkManager's own
    // request afterwards (a retry asking for new secrets) is still answered.
    void secretsOnlyForNetworkManager() {
        const QString profile = m_mock->addProfile(QStringLiteral("ISP"), QStringLiteral("u-i"),
                                                   QStringLiteral("pppoe"), QStringLiteral("ac:1:0;stay"));
        auto c = control();
        QSignalSpy registered(c.get(), &NmRasControl::agentRegistrationFinished);
        QVERIFY(registered.wait(5000));
        dial(*c, QStringLiteral("ISP"), QStringLiteral("alice"), QStringLiteral("s3cret"));
        QTRY_COMPARE(m_mock->log().value(QStringLiteral("activations")).toArray().size(), 1);
        const QString agent = m_mock->log().value(QStringLiteral("agents")).toArray().at(0).toString();
        QVERIFY(!agent.isEmpty());

        QProcess stranger;
        QStringList args{QStringLiteral("-c"), QString::fromUtf8(kStranger), m_bus, agent, profile};
        QString program = QStringLiteral("/usr/bin/python3");
        if (geteuid() == 0) {
            args.prepend(program);
            args = QStringList{QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                               QStringLiteral("--clear-groups")} +
                   args;
            program = QStringLiteral("setpriv");
        }
        stranger.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        stranger.start(program, args);
        // The agent answers from this event loop.
        QTRY_VERIFY_WITH_TIMEOUT(stranger.state() == QProcess::NotRunning, 10000);
        QCOMPARE(stranger.readAllStandardOutput().trimmed(),
                 QByteArray("org.freedesktop.NetworkManager.SecretAgent.PermissionDenied"));

        m_mock->mock(QStringLiteral("AskSecrets"),
                     {QVariant::fromValue(QDBusObjectPath(profile)), QStringLiteral("pppoe"), 0x1u | 0x2u});
        QTRY_COMPARE(m_mock->log().value(QStringLiteral("secrets")).toArray().size() +
                         m_mock->log().value(QStringLiteral("agent_errors")).toArray().size(),
                     1);
        const QJsonArray secrets = m_mock->log().value(QStringLiteral("secrets")).toArray();
        QCOMPARE(secrets.size(), 1);
        const QJsonObject answer = secrets.at(0)
                                       .toObject()
                                       .value(QStringLiteral("answer"))
                                       .toObject()
                                       .value(QStringLiteral("pppoe"))
                                       .toObject();
        QCOMPARE(answer.value(QStringLiteral("username")).toString(), QStringLiteral("alice"));
        QCOMPARE(answer.value(QStringLiteral("password")).toString(), QStringLiteral("s3cret"));
        c->HangUp(QStringLiteral("ISP"));
    }

    // Signals and replies whose values have another type than NetworkManager declares: ignored (what
    // was known stays), logged once however often they come, and the control goes on working.
    void wronglyTypedValues_data() {
        QTest::addColumn<QString>("kind");    // what the stand-in sends (Corrupt)
        QTest::addColumn<QString>("trigger"); // what makes it come: "signal", "list", "start", "dial"
        QTest::addColumn<QString>("where");   // the place the warning names
        QTest::newRow("ActiveConnections au") << "props-active-au"
                                              << "signal"
                                              << "PropertiesChanged ActiveConnections";
        QTest::newRow("PrimaryConnection s") << "props-primary-s"
                                             << "signal"
                                             << "PropertiesChanged PrimaryConnection";
        QTest::newRow("PropertiesChanged sasas") << "props-changes-as"
                                                 << "signal"
                                                 << "PropertiesChanged";
        QTest::newRow("PropertiesChanged ua{sv}as") << "props-iface-u"
                                                    << "signal"
                                                    << "PropertiesChanged";
        QTest::newRow("active StateChanged ss") << "active-state-ss"
                                                << "signal"
                                                << "active connection StateChanged";
        QTest::newRow("device StateChanged ao") << "device-state-ao"
                                                << "signal while dialing"
                                                << "device StateChanged";
        QTest::newRow("NewConnection u") << "new-connection-u"
                                         << "signal"
                                         << "NewConnection";
        QTest::newRow("ConnectionRemoved as") << "removed-as"
                                              << "signal"
                                              << "ConnectionRemoved";
        QTest::newRow("ListConnections au") << "list-au"
                                            << "list"
                                            << "ListConnections reply";
        QTest::newRow("GetSettings id au") << "settings-id-au"
                                           << "list"
                                           << "GetSettings connection.id";
        QTest::newRow("manager GetAll ActiveConnections au") << "manager-getall-au"
                                                             << "start"
                                                             << "NetworkManager GetAll ActiveConnections";
        QTest::newRow("manager GetAll as") << "manager-getall-as"
                                           << "start"
                                           << "NetworkManager GetAll reply";
        QTest::newRow("active connection GetAll Devices au") << "active-getall-au"
                                                             << "dial"
                                                             << "active connection Devices";
        QTest::newRow("ActivateConnection s") << "activate-s"
                                              << "dial"
                                              << "ActivateConnection reply";
    }
    void wronglyTypedValues() {
        QFETCH(QString, kind);
        QFETCH(QString, trigger);
        QFETCH(QString, where);
        m_mock->addProfile(QStringLiteral("Home"), QStringLiteral("u-h"), QStringLiteral("gsm"),
                           QStringLiteral("ac:1:0;ac:2:0"));
        m_mock->addProfile(QStringLiteral("Slow"), QStringLiteral("u-s"), QStringLiteral("gsm"),
                           QStringLiteral("ac:1:0;stay"));
        const QString office = m_mock->addActive(
            m_mock->addProfile(QStringLiteral("Office"), QStringLiteral("u-o"), QStringLiteral("vpn"), {}),
            2);
        const QStringList all{QStringLiteral("Home"), QStringLiteral("Office"), QStringLiteral("Slow")};
        TypeFaults faults;
        const auto corrupt = [this](const QString& k) { m_mock->mock(QStringLiteral("Corrupt"), {k}); };
        if (trigger == QLatin1String("start"))
            corrupt(kind);
        auto c = control();
        if (trigger != QLatin1String("start")) {
            QCOMPARE(entries(*c), all);
            QCOMPARE(connections(*c), QStringList{QStringLiteral("Office")});
        }

        // Twice each: said once.
        if (trigger.startsWith(QLatin1String("signal"))) {
            if (trigger == QLatin1String("signal while dialing")) {
                dial(*c, QStringLiteral("Slow"));
                QTRY_COMPARE(m_mock->log().value(QStringLiteral("activations")).toArray().size(), 1);
            }
            corrupt(kind);
            corrupt(kind);
            QTRY_COMPARE(TypeFaults::about(where), 1);
            // What was known stays.
            QCOMPARE(connections(*c), QStringList{QStringLiteral("Office")});
            c->HangUp(QStringLiteral("Slow"));
        } else if (trigger == QLatin1String("list")) {
            corrupt(kind);
            entries(*c);
            entries(*c);
        } else if (trigger == QLatin1String("start")) {
            connections(*c);
            connections(*c);
        } else {
            corrupt(kind);
            for (int i = 0; i < 2; ++i) {
                StatusLog log(*c);
                dial(*c, QStringLiteral("Home"));
                QTRY_VERIFY_WITH_TIMEOUT(log.ended(), 10000);
                c->HangUp(QStringLiteral("Home"));
            }
        }
        QTRY_COMPARE(TypeFaults::about(where), 1);

        // Proper values again: the control follows them.
        corrupt(QStringLiteral("none"));
        QTRY_COMPARE(entries(*c), all);
        m_mock->setActiveState(office, 4, 3);
        QTRY_COMPARE(connections(*c), QStringList{QString()});
        StatusLog log(*c);
        dial(*c, QStringLiteral("Home"));
        QTRY_VERIFY_WITH_TIMEOUT(log.ended(), 10000);
        QCOMPARE(log.lines.last(), QStringLiteral("Connected"));
        QCOMPARE(TypeFaults::about(where), 1);
    }

    void hangUp_data() {
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<QString>("when"); // "now": right after Dial; "activating"; "connected"
        QTest::newRow("while activating") << QStringLiteral("ac:1:0;stay") << QStringLiteral("activating");
        QTest::newRow("when connected") << QStringLiteral("ac:1:0;ac:2:0") << QStringLiteral("connected");
        QTest::newRow("before the reply") << QStringLiteral("ac:1:0;ac:2:0") << QStringLiteral("now");
    }
    void hangUp() {
        QFETCH(QString, scenario);
        QFETCH(QString, when);
        m_mock->addProfile(QStringLiteral("Home"), QStringLiteral("u-h"), QStringLiteral("gsm"), scenario);
        auto c = control();
        QCOMPARE(entries(*c).size(), 1);
        StatusLog log(*c);
        dial(*c, QStringLiteral("Home"));
        if (when == QLatin1String("activating"))
            QTRY_VERIFY(m_mock->log().value(QStringLiteral("activations")).toArray().size() == 1 &&
                        connections(*c) == QStringList{QString()});
        if (when == QLatin1String("connected")) {
            QTRY_VERIFY(c->IsConnected());
            QCOMPARE(connections(*c), QStringList{QStringLiteral("Home")});
        }
        c->HangUp(QString());               // nothing
        c->HangUp(QStringLiteral("Other")); // nothing to hang up there
        c->HangUp(QStringLiteral("Home"));
        QVERIFY(!c->IsConnected());
        QTRY_COMPARE(m_mock->log().value(QStringLiteral("deactivations")).toArray().size(), 1);
        QTRY_COMPARE(connections(*c), QStringList{QString()});
        // A hang-up is not a failure: nothing after it claims one (or a connection).
        for (const QString& l : std::as_const(log.lines))
            QVERIFY2(l.indexOf(QLatin1String(" failed")) < 1, qPrintable(l));
        if (when != QLatin1String("connected"))
            QVERIFY(!log.contains(QStringLiteral("Connected")));
    }

    void hangUpOutsideConnection() {
        const QString p =
            m_mock->addProfile(QStringLiteral("Office"), QStringLiteral("u-o"), QStringLiteral("vpn"), {});
        m_mock->addActive(p, 2);
        auto c = control();
        QCOMPARE(connections(*c), QStringList{QStringLiteral("Office")});
        c->HangUp(QStringLiteral("Office"));
        QTRY_COMPARE(connections(*c), QStringList{QString()});
    }

    void lineDropsAfterConnect() {
        m_mock->addProfile(QStringLiteral("Home"), QStringLiteral("u-h"), QStringLiteral("gsm"),
                           QStringLiteral("ac:2:0"));
        auto c = control();
        StatusLog log(*c);
        dial(*c, QStringLiteral("Home"));
        QTRY_VERIFY(c->IsConnected());
        const QString ac = QStringLiteral("/org/freedesktop/NetworkManager/ActiveConnection/1");
        m_mock->setActiveState(ac, 4, 3);
        QTRY_VERIFY(!c->IsConnected());
        QCOMPARE(connections(*c), QStringList{QString()});
        // A drop after the connection is not a failed dial (that would start a redial).
        QCOMPARE(log.lines.last(), QStringLiteral("Connected"));
    }

    void serviceLeavesAndReturns() {
        m_mock->addProfile(QStringLiteral("Home"), QStringLiteral("u-h"), QStringLiteral("gsm"),
                           QStringLiteral("ac:2:0"));
        auto c = control();
        QSignalSpy running(c.get(), &NmRasControl::serviceRunningChanged);
        dial(*c, QStringLiteral("Home"));
        QTRY_VERIFY(c->IsConnected());
        m_mock->vanish();
        QTRY_VERIFY(!c->serviceRunning());
        QVERIFY(!c->IsConnected());
        QCOMPARE(entries(*c), QStringList{});
        QCOMPARE(connections(*c), QStringList{QString()});
        StatusLog log(*c);
        dial(*c, QStringLiteral("Home"));
        QTRY_VERIFY(log.ended());
        QCOMPARE(log.lines.last(), QStringLiteral("Dial failed: NetworkManager is not running"));
        // Back again: noticed, and usable.
        QVERIFY(m_mock->start());
        QTRY_VERIFY(c->serviceRunning());
        QCOMPARE(running.last().value(0).toBool(), true);
        m_mock->addProfile(QStringLiteral("Home"), QStringLiteral("u-h"), QStringLiteral("gsm"),
                           QStringLiteral("ac:2:0"));
        QCOMPARE(entries(*c), QStringList{QStringLiteral("Home")});
        QTRY_VERIFY(c->agentRegistered());
        dial(*c, QStringLiteral("Home"));
        QTRY_VERIFY(c->IsConnected());
    }

    void editor() {
        m_mock->addProfile(QStringLiteral("Home"), QStringLiteral("u-h"), QStringLiteral("gsm"), {});
        QList<QStringList> started;
        NmOptions o;
        o.busAddress = m_bus;
        o.editorProgram = QStringLiteral("sh"); // any program that exists
        o.startDetached = [&started](const QString&, const QStringList& args) {
            started << args;
            return true;
        };
        NmRasControl c(o);
        QSignalSpy messages(&c, &NmRasControl::userMessage);
        c.EditEntry(QStringLiteral("Home"));
        c.CreateEntry();
        QCOMPARE(started, (QList<QStringList>{{QStringLiteral("--edit"), QStringLiteral("u-h")},
                                              {QStringLiteral("--create")}}));
        QCOMPARE(messages.size(), 0);
        c.EditEntry(QStringLiteral("Gone"));
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages.at(0).at(0).toString().contains(QLatin1String("Gone")));

        NmOptions missing = o;
        missing.editorProgram = QStringLiteral("no-such-editor-for-modemtally");
        NmRasControl m(missing);
        QSignalSpy m2(&m, &NmRasControl::userMessage);
        m.EditEntry(QStringLiteral("Home"));
        m.CreateEntry();
        QCOMPARE(m2.size(), 2);
        QVERIFY(m2.at(0).at(0).toString().contains(QLatin1String("not installed")));
        QVERIFY(m2.at(1).at(0).toString().contains(QLatin1String("not installed")));
        QCOMPARE(started.size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestNmMock)
#include "tst_nm_mock.moc"
