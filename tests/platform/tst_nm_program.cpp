// End to end through the whole program: the main console's Connect button dials a profile of a real
// NetworkManager (in its own network namespace, see tests/nm/run-nm-tests.sh), the status list shows
// the dial up to "Connected", and Hang Up takes it down again.
//
// Needs MT_NM_REAL_BUS (set by tests/nm/run-nm-tests.sh).
#include "../nm/NmTestSupport.h"
#include "core/SessionTimer.h"
#include "support/TestProgram.h"

#include "console/frmStart.h"
#include "core/YesNo.h"
#include "platform/ras/nm/NmRasControl.h"

#include <QDBusMetaType>
#include <QLabel>
#include <QPushButton>
#include <QUuid>
#include <QtTest>

using namespace nmtest;

class TestNmProgram : public QObject {
    Q_OBJECT
    QString m_bus;
    QDBusConnection m_driver{QString()};

    QDBusMessage nm(const QString& path, const QString& iface, const QString& method,
                    const QList<QVariant>& args = {}) {
        QDBusMessage m = QDBusMessage::createMethodCall(NmNames::service(), path, iface, method);
        m.setArguments(args);
        return m_driver.call(m, QDBus::Block, 5000);
    }
    QStringList activeConnections() {
        const QDBusMessage r = nm(NmNames::managerPath(), NmNames::propertiesIface(), QStringLiteral("Get"),
                                  {NmNames::managerIface(), QStringLiteral("ActiveConnections")});
        QList<QDBusObjectPath> paths;
        r.arguments().value(0).value<QDBusVariant>().variant().value<QDBusArgument>() >> paths;
        QStringList out;
        for (const QDBusObjectPath& p : std::as_const(paths))
            out << p.path();
        return out;
    }

private slots:
    void initTestCase() {
        m_bus = qEnvironmentVariable("MT_NM_REAL_BUS");
        if (m_bus.isEmpty())
            QSKIP("MT_NM_REAL_BUS is not set: run tests/nm/run-nm-tests.sh (as root)");
        qDBusRegisterMetaType<QList<QVariantMap>>();
        registerNmDBusTypes();
        m_driver = QDBusConnection::connectToBus(m_bus, QStringLiteral("nm-program-driver"));
        QVERIFY(nameOwned(m_driver, NmNames::service()));
        // A static-IPv4 ethernet profile on the first veth: up within a fraction of a second.
        NmSettings s;
        s.insert(QStringLiteral("connection"),
                 {{QStringLiteral("id"), QStringLiteral("E2E LAN")},
                  {QStringLiteral("uuid"), QUuid::createUuid().toString(QUuid::WithoutBraces)},
                  {QStringLiteral("type"), QStringLiteral("802-3-ethernet")},
                  {QStringLiteral("interface-name"), QStringLiteral("mtnm0")},
                  {QStringLiteral("autoconnect"), false}});
        s.insert(QStringLiteral("802-3-ethernet"), {});
        const QList<QVariantMap> addr{
            {{QStringLiteral("address"), QStringLiteral("10.77.0.2")}, {QStringLiteral("prefix"), 24u}}};
        s.insert(QStringLiteral("ipv4"), {{QStringLiteral("method"), QStringLiteral("manual")},
                                          {QStringLiteral("address-data"), QVariant::fromValue(addr)}});
        s.insert(QStringLiteral("ipv6"), {{QStringLiteral("method"), QStringLiteral("disabled")}});
        const QDBusMessage r = nm(NmNames::settingsPath(), NmNames::settingsIface(),
                                  QStringLiteral("AddConnectionUnsaved"), {QVariant::fromValue(s)});
        QCOMPARE(r.type(), QDBusMessage::ReplyMessage);
        m_profile = r.arguments().value(0).value<QDBusObjectPath>().path();
    }
    void cleanupTestCase() {
        if (!m_profile.isEmpty())
            nm(m_profile, NmNames::connectionIface(), QStringLiteral("Delete"));
        if (m_driver.isConnected())
            QDBusConnection::disconnectFromBus(QStringLiteral("nm-program-driver"));
    }

    void connectButtonDialsAndHangUpEnds() {
        NmOptions o;
        o.busAddress = m_bus;
        Seams seams;
        auto control = std::make_unique<NmRasControl>(o);
        NmRasControl* ras = control.get();
        seams.ras = std::move(control);
        TestProgram tp(std::move(seams));
        Program& p = *tp;
        Windows& w = tp.ui();
        w.startUp();
        // The first run has no settings file: make "E2E LAN" the default profile, dialed without a
        // password prompt and without redialing.
        p.settings.gProfiles.addProfile(QStringLiteral("E2E LAN"));
        p.settings.gDefaultProfile = QStringLiteral("E2E LAN");
        p.settings.gConnectDefault = kTrue;
        p.settings.gPromptPassword = kFalse;
        p.settings.gRedialTillConnect = kFalse;
        p.settings.gRedialLimited = kFalse;
        p.settings.gTrayOnConnect = kFalse;

        frmStart& start = w.frmStart();
        p.status.clear();
        start.cmdConnectDefault_Click();
        QTRY_VERIFY_WITH_TIMEOUT(start.statusLines().contains(QStringLiteral("Connected")), 15000);
        const QStringList lines = start.statusLines();
        QVERIFY2(lines.contains(QStringLiteral("Dialing E2E LAN...")),
                 qPrintable(lines.join(QLatin1Char('|'))));
        QCOMPARE(p.dial.gConnected, true);
        QCOMPARE(p.dial.gDialing, false);
        QVERIFY(ras->IsConnected());
        QCOMPARE(activeConnections().size(), 1);

        // Three seconds on the line: the clock runs from "Connected".
        for (int i = 0; i < 3; ++i) {
            tp.clock->advance(1000);
            SessionTimer::timer_Timer(p);
        }
        QCOMPARE(ctl<QLabel>(start, "labelTime")->text(), QStringLiteral("0 : 0 : 3"));

        start.cmdHangup_Click();
        QCOMPARE(start.statusLines(), QStringList{QStringLiteral("Hang up on E2E LAN")});
        QCOMPARE(ctl<QLabel>(start, "labelTime")->text(), QStringLiteral("0 : 0 : 0"));
        // The month file holds the session's three seconds.
        QCOMPARE(tp.readDataFile(QStringLiteral("20266.txt")), QByteArray(" 3 \r\n"));
        QTRY_VERIFY_WITH_TIMEOUT(activeConnections().isEmpty(), 10000);
        QCOMPARE(p.dial.gConnected, false);
        QVERIFY(!ras->IsConnected());
        QVERIFY(ctl<QPushButton>(start, "cmdConnectDefault")->isEnabled());
        QVERIFY(!ctl<QPushButton>(start, "cmdHangup")->isEnabled());
        // Hanging up is not a failure: no line claims one.
        for (const QString& l : start.statusLines())
            QVERIFY2(l.indexOf(QLatin1String(" failed"), 0, Qt::CaseInsensitive) < 1, qPrintable(l));
    }

private:
    QString m_profile;
};

QTEST_MAIN(TestNmProgram)
#include "tst_nm_program.moc"
