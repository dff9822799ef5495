// The NetworkManager backend against a real NetworkManager running in its own network namespace
// with veth pairs and a private system bus (tests/nm/run-nm-tests.sh starts it and sets
// MT_NM_REAL_BUS, MT_NM_PEER_NS and MT_NM_IFACES). The tests make their own in-memory profiles and
// delete every profile afterwards.
#include "../nm/NmTestSupport.h"

#include "platform/ras/nm/NmRasControl.h"
#include "platform/ras/nm/NmTypes.h"

#include <QDBusMetaType>
#include <QSignalSpy>
#include <QUuid>
#include <QtTest>

using namespace nmtest;

class TestNmReal : public QObject {
    Q_OBJECT
    QString m_bus;
    QString m_peerNs;
    QDBusConnection m_driver{QString()};

    QDBusMessage nm(const QString& path, const QString& iface, const QString& method,
                    const QList<QVariant>& args = {}) {
        QDBusMessage m = QDBusMessage::createMethodCall(NmNames::service(), path, iface, method);
        m.setArguments(args);
        return m_driver.call(m, QDBus::Block, 5000);
    }
    // In memory only, or (toDisk) kept across a restart of the daemon.
    QString addProfile(const NmSettings& s, bool toDisk = false) {
        const QDBusMessage r =
            nm(NmNames::settingsPath(), NmNames::settingsIface(),
               toDisk ? QStringLiteral("AddConnection") : QStringLiteral("AddConnectionUnsaved"),
               {QVariant::fromValue(s)});
        if (r.type() != QDBusMessage::ReplyMessage)
            qWarning("AddConnectionUnsaved: %s", qPrintable(r.errorMessage()));
        return r.arguments().value(0).value<QDBusObjectPath>().path();
    }
    static QVariantMap connectionSetting(const QString& id, const QString& type, const QString& iface = {}) {
        QVariantMap c{{QStringLiteral("id"), id},
                      {QStringLiteral("uuid"), QUuid::createUuid().toString(QUuid::WithoutBraces)},
                      {QStringLiteral("type"), type},
                      {QStringLiteral("autoconnect"), false}};
        if (!iface.isEmpty())
            c.insert(QStringLiteral("interface-name"), iface);
        return c;
    }
    // Static IPv4 on veth n: up within a fraction of a second. With dhcp, it waits for a DHCP server
    // that never answers and so stays activating.
    QString addEthernet(const QString& id, int n, bool dhcp = false, bool toDisk = false) {
        NmSettings s;
        s.insert(QStringLiteral("connection"),
                 connectionSetting(id, QStringLiteral("802-3-ethernet"), QStringLiteral("mtnm%1").arg(n)));
        s.insert(QStringLiteral("802-3-ethernet"), {});
        if (dhcp) {
            s.insert(QStringLiteral("ipv4"), {{QStringLiteral("method"), QStringLiteral("auto")}});
        } else {
            const QList<QVariantMap> addr{{{QStringLiteral("address"), QStringLiteral("10.77.%1.2").arg(n)},
                                           {QStringLiteral("prefix"), 24u}}};
            s.insert(QStringLiteral("ipv4"), {{QStringLiteral("method"), QStringLiteral("manual")},
                                              {QStringLiteral("address-data"), QVariant::fromValue(addr)}});
        }
        s.insert(QStringLiteral("ipv6"), {{QStringLiteral("method"), QStringLiteral("disabled")}});
        return addProfile(s, toDisk);
    }
    // PPPoE over veth 2, its password kept by agents (so NetworkManager asks ours): PPP cannot start
    // here (no /dev/ppp).
    QString addPppoe(const QString& id) {
        NmSettings s;
        s.insert(QStringLiteral("connection"),
                 connectionSetting(id, QStringLiteral("pppoe"), QStringLiteral("mtnmppp0")));
        s.insert(QStringLiteral("pppoe"), {{QStringLiteral("parent"), QStringLiteral("mtnm2")},
                                           {QStringLiteral("username"), QStringLiteral("alice")},
                                           {QStringLiteral("password-flags"), 1u}});
        s.insert(QStringLiteral("ppp"), {});
        s.insert(QStringLiteral("ipv6"), {{QStringLiteral("method"), QStringLiteral("ignore")}});
        return addProfile(s);
    }
    // A mobile-broadband profile with no modem anywhere: refused by ActivateConnection itself.
    QString addGsm(const QString& id) {
        NmSettings s;
        s.insert(QStringLiteral("connection"), connectionSetting(id, QStringLiteral("gsm")));
        s.insert(QStringLiteral("gsm"), {{QStringLiteral("apn"), QStringLiteral("internet")}});
        return addProfile(s);
    }
    bool peerLink(int n, bool up) {
        return QProcess::execute(QStringLiteral("ip"),
                                 {QStringLiteral("-n"), m_peerNs, QStringLiteral("link"),
                                  QStringLiteral("set"), QStringLiteral("mtpeer%1").arg(n),
                                  up ? QStringLiteral("up") : QStringLiteral("down")}) == 0;
    }
    std::unique_ptr<NmRasControl> control(QStringList types = {}) {
        NmOptions o;
        o.busAddress = m_bus;
        o.types = std::move(types);
        return std::make_unique<NmRasControl>(std::move(o));
    }
    static void dial(NmRasControl& c, const QString& entry, const QString& user = {},
                     const QString& pw = {}) {
        c.setEntryName(entry);
        c.setUserName(user);
        c.setPassword(pw);
        c.setDomain(QString());
        c.Dial();
    }

private slots:
    void initTestCase() {
        m_bus = qEnvironmentVariable("MT_NM_REAL_BUS");
        m_peerNs = qEnvironmentVariable("MT_NM_PEER_NS");
        if (m_bus.isEmpty() || m_peerNs.isEmpty())
            QSKIP(
                "MT_NM_REAL_BUS / MT_NM_PEER_NS are not set: run tests/nm/run-nm-tests.sh (as root) to test "
                "against a real NetworkManager");
        qDBusRegisterMetaType<QList<QVariantMap>>();
        registerNmDBusTypes();
        m_driver = QDBusConnection::connectToBus(m_bus, QStringLiteral("nm-real-driver"));
        QVERIFY(m_driver.isConnected());
        QVERIFY(nameOwned(m_driver, NmNames::service()));
    }
    void cleanup() {
        // A test that stopped the daemon and failed before starting it again.
        if (!nameOwned(m_driver, NmNames::service()) && !qEnvironmentVariable("MT_NM_CTL").isEmpty())
            QProcess::execute(qEnvironmentVariable("MT_NM_CTL"), {QStringLiteral("start")});
        // Deleting a profile also takes its connection down.
        const QDBusMessage list =
            nm(NmNames::settingsPath(), NmNames::settingsIface(), QStringLiteral("ListConnections"));
        QList<QDBusObjectPath> paths;
        list.arguments().value(0).value<QDBusArgument>() >> paths;
        for (const QDBusObjectPath& p : std::as_const(paths))
            nm(p.path(), NmNames::connectionIface(), QStringLiteral("Delete"));
        for (int n = 0; n < 3; ++n)
            peerLink(n, true);
    }
    void cleanupTestCase() {
        if (m_driver.isConnected())
            QDBusConnection::disconnectFromBus(QStringLiteral("nm-real-driver"));
    }

    void listing_data() {
        QTest::addColumn<QStringList>("types");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("all") << QStringList{}
                             << QStringList{QStringLiteral("Alpha"), QStringLiteral("beta dsl"),
                                            QStringLiteral("cell"), QStringLiteral("zeta lan")};
        QTest::newRow("dial-up types") << QStringList{QStringLiteral("pppoe"), QStringLiteral("gsm")}
                                       << QStringList{QStringLiteral("beta dsl"), QStringLiteral("cell")};
    }
    void listing() {
        QFETCH(QStringList, types);
        QFETCH(QStringList, expected);
        QVERIFY(!addEthernet(QStringLiteral("zeta lan"), 0).isEmpty());
        QVERIFY(!addGsm(QStringLiteral("cell")).isEmpty());
        QVERIFY(!addEthernet(QStringLiteral("Alpha"), 1).isEmpty());
        QVERIFY(!addPppoe(QStringLiteral("beta dsl")).isEmpty());
        auto c = control(types);
        QCOMPARE(entries(*c), expected);
        QCOMPARE(connections(*c), QStringList{QString()});
    }

    // End to end on the control's own signals: dial -> "Connected" -> listed as the active connection
    // -> hang up -> gone.
    void dialConnectHangUp() {
        addEthernet(QStringLiteral("Office LAN"), 0);
        auto c = control();
        QCOMPARE(entries(*c), QStringList{QStringLiteral("Office LAN")});
        StatusLog log(*c);
        dial(*c, QStringLiteral("Office LAN"));
        QVERIFY(log.lines.isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(log.ended(), 15000);
        QCOMPARE(log.lines.first(), QStringLiteral("Dialing Office LAN..."));
        QCOMPARE(log.lines.last(), QStringLiteral("Connected"));
        QVERIFY(c->IsConnected());
        QCOMPARE(connections(*c), QStringList{QStringLiteral("Office LAN")});
        const int before = log.lines.size();
        c->HangUp(QStringLiteral("Office LAN"));
        QVERIFY(!c->IsConnected());
        QTRY_COMPARE_WITH_TIMEOUT(connections(*c), QStringList{QString()}, 10000);
        // The hang-up reported nothing (NetworkManager says "device disconnected", not a failure).
        QCOMPARE(log.lines.size(), before);
        // A second control (another program) sees nothing active either.
        auto other = control();
        QCOMPARE(connections(*other), QStringList{QString()});
    }

    // Traffic through a connected veth, sent from the peer's namespace: the control reads the
    // device's counters from NetworkManager's statistics (the program runs outside NetworkManager's
    // namespace, so the kernel's counters are out of its sight), and they grow with the traffic.
    void countersForReal() {
        addEthernet(QStringLiteral("Data LAN"), 1);
        auto c = control();
        entries(*c);
        StatusLog log(*c);
        dial(*c, QStringLiteral("Data LAN"));
        QTRY_VERIFY_WITH_TIMEOUT(log.ended(), 15000);
        QCOMPARE(log.lines.last(), QStringLiteral("Connected"));
        // Twenty datagrams of 1200 bytes from the peer: received on our side, which answers with
        // (rate-limited) port-unreachable messages and ARP, so it sends a little too.
        const auto send = [this] {
            return QProcess::execute(
                QStringLiteral("ip"),
                {QStringLiteral("netns"), QStringLiteral("exec"), m_peerNs, QStringLiteral("python3"),
                 QStringLiteral("-c"),
                 QStringLiteral("import socket\ns = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)\n"
                                "for _ in range(20): s.sendto(b'x' * 1200, ('10.77.1.2', 9))\n")});
        };
        c->byteCounts(); // starts following the device
        QCOMPARE(send(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(
            c->byteCounts() && c->byteCounts()->received >= 20 * 1200 && c->byteCounts()->sent > 0, 10000);
        const ByteCounts first = *c->byteCounts();
        QCOMPARE(send(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(c->byteCounts() && c->byteCounts()->received >= first.received + 20 * 1200,
                                 10000);
        QVERIFY(c->byteCounts()->sent >= first.sent);
        c->HangUp(QStringLiteral("Data LAN"));
        QTRY_VERIFY_WITH_TIMEOUT(!c->byteCounts(), 10000);
    }

    void pppoeFailsWithDeviceReason() {
        addPppoe(QStringLiteral("DSL"));
        auto c = control();
        QSignalSpy registered(c.get(), &NmRasControl::agentRegistrationFinished);
        QVERIFY(registered.wait(5000));
        QVERIFY2(c->agentRegistered(), "NetworkManager refused the secret agent");
        StatusLog log(*c);
        dial(*c, QStringLiteral("DSL"), QStringLiteral("alice"), QStringLiteral("pw"));
        QTRY_VERIFY_WITH_TIMEOUT(log.ended(), 15000);
        // pppd either starts and finds no peer, or (on a loaded machine, or without its PPPoE plugin)
        // does not start in time: the device names one PPP reason or the other, never no reason.
        const QStringList pppReasons = {QStringLiteral("Dial failed: the PPP link failed"),
                                        QStringLiteral("Dial failed: the PPP service could not start")};
        QVERIFY2(pppReasons.contains(log.lines.last()), qPrintable(log.lines.last()));
        QVERIFY(!c->IsConnected());
        QCOMPARE(connections(*c), QStringList{QString()});
    }

    // Wired 802.1X with agent-owned secrets: NetworkManager asks this control's agent before it
    // needs the supplicant (PPP asks only once pppd runs, which it cannot here). With the dial's
    // credentials it goes on and fails only for want of a supplicant; without them, for want of
    // secrets.
    void secretsReachNetworkManager_data() {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("last");
        QTest::newRow("credentials given") << QStringLiteral("bob") << QStringLiteral("pw")
                                           << QStringLiteral("Dial failed: the supplicant failed");
        QTest::newRow("none given") << QString() << QString()
                                    << QStringLiteral("Dial failed: no user name or password was given");
    }
    void secretsReachNetworkManager() {
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(QString, last);
        NmSettings s;
        s.insert(QStringLiteral("connection"),
                 connectionSetting(QStringLiteral("Campus"), QStringLiteral("802-3-ethernet"),
                                   QStringLiteral("mtnm0")));
        s.insert(QStringLiteral("802-3-ethernet"), {});
        s.insert(QStringLiteral("802-1x"), {{QStringLiteral("eap"), QStringList{QStringLiteral("peap")}},
                                            {QStringLiteral("phase2-auth"), QStringLiteral("mschapv2")},
                                            {QStringLiteral("identity"), QStringLiteral("bob")},
                                            {QStringLiteral("password-flags"), 1u}});
        s.insert(QStringLiteral("ipv4"), {{QStringLiteral("method"), QStringLiteral("link-local")}});
        s.insert(QStringLiteral("ipv6"), {{QStringLiteral("method"), QStringLiteral("disabled")}});
        QVERIFY(!addProfile(s).isEmpty());
        auto c = control();
        QSignalSpy registered(c.get(), &NmRasControl::agentRegistrationFinished);
        QVERIFY(registered.wait(5000));
        QVERIFY2(c->agentRegistered(), "NetworkManager refused the secret agent");
        StatusLog log(*c);
        dial(*c, QStringLiteral("Campus"), user, password);
        QTRY_VERIFY_WITH_TIMEOUT(log.ended(), 30000);
        QCOMPARE(log.lines.count(QStringLiteral("Validation attempt...")), 1);
        QCOMPARE(log.lines.last(), last);
    }

    void refusedAtOnce() {
        addGsm(QStringLiteral("Mobile"));
        auto c = control();
        StatusLog log(*c);
        dial(*c, QStringLiteral("Mobile"));
        QTRY_VERIFY_WITH_TIMEOUT(log.ended(), 15000);
        QCOMPARE(log.lines,
                 (QStringList{QStringLiteral("Dialing Mobile..."),
                              QStringLiteral("Dial failed: no device can carry this connection (is the "
                                             "modem plugged in?)")}));
    }

    // The daemon stopping in the middle of a dial and coming back: the dial ends as a failure, nothing
    // hangs, the return is noticed, and dialing works again.
    void daemonStopsAndReturns() {
        const QString ctl = qEnvironmentVariable("MT_NM_CTL");
        if (ctl.isEmpty())
            QSKIP("MT_NM_CTL is not set: run tests/nm/run-nm-tests.sh");
        QVERIFY(!addEthernet(QStringLiteral("Office LAN"), 0, false, true).isEmpty());
        QVERIFY(!addEthernet(QStringLiteral("Slow"), 1, true, true).isEmpty());
        auto c = control();
        QCOMPARE(entries(*c), (QStringList{QStringLiteral("Office LAN"), QStringLiteral("Slow")}));
        QSignalSpy running(c.get(), &NmRasControl::serviceRunningChanged);
        StatusLog log(*c);
        dial(*c, QStringLiteral("Slow"));
        QTRY_VERIFY_WITH_TIMEOUT(log.contains(QStringLiteral("Getting a network address...")), 15000);
        QCOMPARE(QProcess::execute(ctl, {QStringLiteral("stop")}), 0);
        QTRY_VERIFY_WITH_TIMEOUT(log.ended(), 10000);
        QCOMPARE(log.lines.last(), QStringLiteral("Dial failed: NetworkManager stopped"));
        QVERIFY(!c->serviceRunning());
        QCOMPARE(entries(*c), QStringList{});
        QCOMPARE(connections(*c), QStringList{QString()});

        QCOMPARE(QProcess::execute(ctl, {QStringLiteral("start")}), 0);
        QTRY_VERIFY_WITH_TIMEOUT(c->serviceRunning() && c->agentRegistered(), 10000);
        QCOMPARE(running.last().value(0).toBool(), true);
        QTRY_COMPARE_WITH_TIMEOUT(entries(*c),
                                  (QStringList{QStringLiteral("Office LAN"), QStringLiteral("Slow")}), 10000);
        log.lines.clear();
        dial(*c, QStringLiteral("Office LAN"));
        QTRY_VERIFY_WITH_TIMEOUT(log.ended(), 15000);
        QCOMPARE(log.lines.last(), QStringLiteral("Connected"));
        QVERIFY(c->IsConnected());
        c->HangUp(QStringLiteral("Office LAN"));
        QTRY_COMPARE_WITH_TIMEOUT(connections(*c), QStringList{QString()}, 10000);
    }

    void peerLinkDown() {
        addEthernet(QStringLiteral("Line"), 1);
        auto c = control();
        StatusLog log(*c);
        dial(*c, QStringLiteral("Line"));
        QTRY_VERIFY_WITH_TIMEOUT(c->IsConnected(), 15000);
        QVERIFY(peerLink(1, false));
        // NetworkManager waits a few seconds for the carrier to come back before it gives up.
        QTRY_VERIFY_WITH_TIMEOUT(!c->IsConnected(), 30000);
        QCOMPARE(connections(*c), QStringList{QString()});
        // A line lost after connecting is not a failed dial.
        QCOMPARE(log.lines.last(), QStringLiteral("Connected"));
    }
};

QTEST_GUILESS_MAIN(TestNmReal)
#include "tst_nm_real.moc"
