// The scripting interface on this test's own session bus (dbus-run-session starts it and stops it):
// the program's object, called and watched from a second connection as a script would.
#include "dialing/DialRig.h"
#include "dialing/frmConnectNoDefault.h"
#include "dialing/frmPassword.h"
#include "service/BusNames.h"
#include "service/Instance.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QTest>

namespace {
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");

// A program on the bus: the dialing rig's program and windows, with a third profile that has no
// stored credentials.
struct Scripted : Rig {
    Instance instance;
    bool claimed = false;
    explicit Scripted(bool ready = true) : instance(prog(), ui(), prog().dataDir()) {
        prog().settings.gProfiles.addProfile(QStringLiteral("Bare"));
        prog().listedEntries = {QStringLiteral("Home"), QStringLiteral("Office"), QStringLiteral("Bare")};
        claimed = !instance.claim({}) && instance.owned();
        if (ready)
            instance.startedUp();
    }
};

// A script's connection: calls, properties, and every signal the program sends.
class Client : public QObject {
    Q_OBJECT
public:
    explicit Client(const Program& program)
        : bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("client"))),
          service(BusNames::serviceFor(program.dataDir())) {
        const QString path = BusNames::objectPath(), iface = BusNames::interfaceName();
        bus.connect(service, path, iface, QStringLiteral("StatusLine"), this, SLOT(onLine(QString)));
        bus.connect(service, path, iface, QStringLiteral("SessionEnded"), this, SLOT(onEnded(QDBusMessage)));
        bus.connect(service, path, kProperties, QStringLiteral("PropertiesChanged"), this,
                    SLOT(onChanged(QString, QVariantMap, QStringList)));
    }
    ~Client() override { QDBusConnection::disconnectFromBus(QStringLiteral("client")); }

    QDBusMessage message(const QString& method, const QVariantList& args = {}) const {
        QDBusMessage m = QDBusMessage::createMethodCall(service, BusNames::objectPath(),
                                                        BusNames::interfaceName(), method);
        m.setArguments(args);
        return m;
    }
    // The program answers from this thread's event loop, which the call keeps running.
    QDBusMessage call(const QString& method, const QVariantList& args = {}) {
        return bus.call(message(method, args), QDBus::BlockWithGui);
    }
    QVariant property(const QString& name) {
        QDBusMessage get = QDBusMessage::createMethodCall(service, BusNames::objectPath(), kProperties,
                                                          QStringLiteral("Get"));
        get << BusNames::interfaceName() << name;
        return bus.call(get, QDBus::BlockWithGui).arguments().value(0).value<QDBusVariant>().variant();
    }
    // The values one property took, in the order PropertiesChanged told them.
    QVariantList told(const QString& name) const {
        QVariantList values;
        for (const QVariantMap& change : changes) {
            if (change.contains(name))
                values << change.value(name);
        }
        return values;
    }

    QDBusConnection bus;
    QString service;
    QStringList lines;
    QList<QVariantMap> changes;
    QList<QVariantList> ended;

private slots:
    void onLine(const QString& line) { lines << line; }
    void onEnded(const QDBusMessage& m) { ended << m.arguments(); }
    void onChanged(const QString& iface, const QVariantMap& changed, const QStringList&) {
        if (iface == BusNames::interfaceName())
            changes << changed;
    }
};

QString errorName(const QDBusMessage& reply) {
    return reply.type() == QDBusMessage::ErrorMessage ? reply.errorName().section(QLatin1Char('.'), -1)
                                                      : QString();
}
} // namespace

class tst_scripting : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (!QDBusConnection::sessionBus().isConnected())
            QSKIP("no session bus: run under dbus-run-session (as ctest does)");
    }

    // A whole session seen from the bus: the state, the clock, the cost, the byte counts, every
    // status line and the end of the session, as the program lived them.
    void whole_session() {
        Scripted s;
        QVERIFY(s.claimed);
        Client c(s.prog());
        Program& p = s.prog();
        p.settings.gCostPerHour = kTrue; // 3.60 an hour: 0.001 a second
        p.settings.gCostDollars = QStringLiteral("3");
        p.settings.gCostCents = QStringLiteral("60");
        QStringList shown;
        connect(&p.status, &StatusList::lineAdded, this, [&shown](const QString& line) { shown << line; });

        QCOMPARE(c.call(QStringLiteral("Profiles")).arguments().value(0).toStringList(), p.listedEntries);
        QCOMPARE(errorName(c.call(QStringLiteral("Connect"), {QString()})), QString());
        QCOMPARE(s.ras->dialed(), QStringList{S("Dial Home|alice|Secret|dom")});
        QCOMPARE(c.property(QStringLiteral("State")).toString(), S("dialing"));
        s.ras->status(S("Dialing 555-0100..."));
        s.ras->counts = ByteCounts{90000, 1000}; // the interface's counters as the line comes up
        s.ras->lineUp();
        s.ras->counts = ByteCounts{95000, 1700};
        s.tick(65);

        const QVariantMap status =
            qdbus_cast<QVariantMap>(c.call(QStringLiteral("Status")).arguments().value(0));
        QCOMPARE(status.value(QStringLiteral("State")).toString(), S("connected"));
        QCOMPARE(status.value(QStringLiteral("Profile")).toString(), S("Home"));
        QCOMPARE(status.value(QStringLiteral("ElapsedSeconds")).toUInt(), 65u);
        QCOMPARE(status.value(QStringLiteral("Elapsed")).toString(), S("0 : 1 : 5"));
        QCOMPARE(status.value(QStringLiteral("Cost")).toString(), S("0.065"));
        QCOMPARE(status.value(QStringLiteral("RxBytes")).toULongLong(), 5000ull);
        QCOMPARE(status.value(QStringLiteral("CanHangUp")).toBool(), true);
        QCOMPARE(status.value(QStringLiteral("StatusLines")).toStringList(), p.status.lines());
        QCOMPARE(c.property(QStringLiteral("TxBytes")).toULongLong(), 700ull);

        QCOMPARE(errorName(c.call(QStringLiteral("HangUp"))), QString());
        QTRY_COMPARE(c.ended.size(), 1);
        QCOMPARE(c.ended.constFirst(), (QVariantList{S("Home"), 65u, S("0.065"), 5000ull, 700ull}));
        QTRY_COMPARE(c.lines, shown);
        QCOMPARE(shown.constLast(), S("Hang up on Home"));
        QTRY_COMPARE(c.told(QStringLiteral("State")),
                     (QVariantList{S("dialing"), S("connected"), S("idle")}));
        QVariantList seconds;
        for (uint i = 1; i <= 65; ++i)
            seconds << i;
        seconds << 0u; // the hang-up puts the clock back
        QCOMPARE(c.told(QStringLiteral("ElapsedSeconds")), seconds);
        QCOMPARE(c.told(QStringLiteral("Cost")).value(64).toString(), S("0.065"));
        QCOMPARE(c.told(QStringLiteral("Profile")), (QVariantList{S("Home"), QString()}));

        // The next dial counts its own bytes.
        QCOMPARE(errorName(c.call(QStringLiteral("Connect"), {S("Office")})), QString());
        QCOMPARE(c.property(QStringLiteral("RxBytes")).toULongLong(), 0ull);
    }

    // What Connect and HangUp do or refuse, against what the buttons would do. An empty profile is
    // the Connect button, whose password prompt then waits for the user.
    void methods_data() {
        QTest::addColumn<QString>("before"); // "dialing", or "prompt" (the password prompt is on)
        QTest::addColumn<QString>("call");   // the method and the profile given to Connect
        QTest::addColumn<QString>("error");
        QTest::addColumn<QStringList>("dialed");
        const QStringList home{S("Dial Home|alice|Secret|dom")}, none;
        QTest::newRow("default profile") << ""
                                         << "Connect "
                                         << "" << home;
        QTest::newRow("default, prompt") << "prompt"
                                         << "Connect "
                                         << "" << none;
        QTest::newRow("stored credentials") << ""
                                            << "Connect Office"
                                            << "" << QStringList{S("Dial Office|bob|pw2|")};
        QTest::newRow("unknown profile") << ""
                                         << "Connect Nowhere"
                                         << "UnknownProfile" << none;
        QTest::newRow("no credentials") << ""
                                        << "Connect Bare"
                                        << "NoCredentials" << none;
        QTest::newRow("connect, dialing") << "dialing"
                                          << "Connect Office"
                                          << "Busy" << home;
        QTest::newRow("hang up, idle") << ""
                                       << "HangUp"
                                       << "NotConnected" << none;
        QTest::newRow("hang up, dialing") << "dialing"
                                          << "HangUp"
                                          << "" << home;
    }
    void methods() {
        QFETCH(QString, before);
        QFETCH(QString, call);
        QFETCH(QString, error);
        QFETCH(QStringList, dialed);
        Scripted s;
        Client c(s.prog());
        if (before == QLatin1String("dialing"))
            ctl<QPushButton>(s.start(), "cmdConnectDefault")->click();
        s.prog().settings.gPromptPassword = yesNo(before == QLatin1String("prompt"));
        const QString method = call.section(QLatin1Char(' '), 0, 0);
        const QVariantList args = call.contains(QLatin1Char(' '))
                                      ? QVariantList{call.section(QLatin1Char(' '), 1)}
                                      : QVariantList();
        QCOMPARE(errorName(c.call(method, args)), error);
        QCOMPARE(s.ras->dialed(), dialed);
        QCOMPARE(s.t->boxes->shown.size(), 0); // a script's call opens no box
        QCOMPARE(s.ras->hangUps.size(), method == QLatin1String("HangUp") && error.isEmpty() ? 1 : 0);
        QCOMPARE(s.ui().frmPassword_loaded() && s.ui().frmPassword().isVisible(),
                 before == QLatin1String("prompt"));
    }

    // Calls made while the program starts up wait for it, then act; a second start's activation is
    // answered at once and brings the configuration console forward on a first run, the main
    // console otherwise, once start-up is over.
    void calls_wait_for_start_up_data() {
        QTest::addColumn<bool>("firstRun");
        QTest::newRow("first run") << true;
        QTest::newRow("ordinary start") << false;
    }
    void calls_wait_for_start_up() {
        QFETCH(bool, firstRun);
        Scripted s(false);
        Client c(s.prog());
        QDBusPendingCallWatcher connecting(
            c.bus.asyncCall(c.message(QStringLiteral("Connect"), {QString()})));
        QDBusPendingCallWatcher activating(
            c.bus.asyncCall(c.message(QStringLiteral("Activate"), {QStringList{S("modemtally")}})));
        // Calls are delivered in order: once this one is answered, the two above have arrived.
        QCOMPARE(c.call(QStringLiteral("Profiles")).type(), QDBusMessage::ReplyMessage);
        QTRY_VERIFY(activating.isFinished());
        QVERIFY(!activating.isError());
        QVERIFY(!connecting.isFinished());
        QVERIFY(s.ras->dialed().isEmpty());
        QVERIFY(!s.start().isVisible());

        if (firstRun) {
            s.ui().startUp(); // no settings file: the configuration console alone
            s.ui().frmConfig().hide();
        }
        s.instance.startedUp();
        QTRY_VERIFY(connecting.isFinished());
        QVERIFY(!connecting.isError());
        if (!firstRun)
            QCOMPARE(s.ras->dialed().size(), 1);
        QCOMPARE(s.ui().frmConfig_loaded() && s.ui().frmConfig().isVisible(), firstRun);
        QCOMPARE(s.start().isVisible(), !firstRun);
    }
};

QTEST_MAIN(tst_scripting)
#include "tst_scripting.moc"
