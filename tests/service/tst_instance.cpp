// The built program as scripts meet it, on this test's own session bus (dbus-run-session starts it
// and stops it): verbs with no instance, then one instance on the simulator driven only by its
// command line, and a second start that hands over to it.
#include "TestProgram.h"
#include "core/SettingsFile.h"
#include "core/YesNo.h"
#include "service/BusNames.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

namespace {
QString S(const char* text) {
    return QString::fromUtf8(text);
}

struct Run {
    int status = -1;
    QString out, err;
};

Run run(const QStringList& args, const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(MT_PROGRAM), args);
    p.closeWriteChannel();
    if (!p.waitForFinished(60000))
        p.kill();
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromLocal8Bit(p.readAllStandardOutput()),
            QString::fromLocal8Bit(p.readAllStandardError())};
}
} // namespace

class tst_instance : public QObject {
    Q_OBJECT
    TestProgram m_files; // the data folder, with a settings file made by the program itself
    QProcess m_first;
    QString m_name;

    QStringList in(const QStringList& args) {
        return QStringList{QStringLiteral("--data-dir"), m_files->dataDir()} + args;
    }
    QString owner() const { return QDBusConnection::sessionBus().interface()->serviceOwner(m_name).value(); }
    QString state() const {
        QDBusMessage get = QDBusMessage::createMethodCall(m_name, BusNames::objectPath(),
                                                          QStringLiteral("org.freedesktop.DBus.Properties"),
                                                          QStringLiteral("Get"));
        get << BusNames::interfaceName() << QStringLiteral("State");
        return QDBusConnection::sessionBus()
            .call(get)
            .arguments()
            .value(0)
            .value<QDBusVariant>()
            .variant()
            .toString();
    }

private slots:
    void initTestCase() {
        if (!QDBusConnection::sessionBus().isConnected())
            QSKIP("no session bus: run under dbus-run-session (as ctest does)");
        // One line in the phone book and its profile in the settings file, so that start-up asks nothing.
        m_files.writeDataFile(QStringLiteral("lines.ini"),
                              {QStringLiteral("[Office]"), QStringLiteral("Number=555-0100"),
                               QStringLiteral("Outcomes=connect"), QStringLiteral("StepMs=50")});
        Settings& s = m_files->settings;
        s.gProfiles.addProfile(QStringLiteral("Office"), QStringLiteral("alice"), QStringLiteral("pw"), {});
        s.gDefaultProfile = QStringLiteral("Office");
        s.gConnectDefault = kTrue;
        s.gPromptPassword = kFalse;
        QVERIFY(SettingsFile::write(*m_files));
        m_name = BusNames::serviceFor(m_files->dataDir());
    }
    void cleanupTestCase() {
        if (m_first.state() != QProcess::NotRunning) {
            m_first.kill();
            m_first.waitForFinished();
        }
    }

    void verbs_without_an_instance_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("bus");
        QTest::addColumn<QString>("out");
        QTest::newRow("status") << QStringList{S("--status")} << true << "not running\n";
        QTest::newRow("status as JSON")
            << QStringList{S("--status"), S("--json")} << true << "{\"Running\":false}\n";
        QTest::newRow("connect") << QStringList{S("--connect"), S("Office")} << true << "";
        QTest::newRow("hang up") << QStringList{S("--hang-up")} << true << "";
        QTest::newRow("quit") << QStringList{S("--quit")} << true << "";
        QTest::newRow("status, no session bus") << QStringList{S("--status")} << false << "not running\n";
    }
    void verbs_without_an_instance() {
        QFETCH(QStringList, args);
        QFETCH(bool, bus);
        QFETCH(QString, out);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (!bus)
            env.insert(S("DBUS_SESSION_BUS_ADDRESS"), S("unix:path=") + m_files.dataPath(S("no-bus")));
        const Run r = run(in(args), env);
        QCOMPARE(r.status, 3);
        QCOMPARE(r.out, out);
        QVERIFY2(r.err.contains(S("ModemTally is not running")), qPrintable(r.err));
    }

    // Connect, status, hang-up and quit from the command line; a second start in between hands over.
    void a_session_from_the_command_line() {
        m_first.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_first.start(QStringLiteral(MT_PROGRAM),
                      in({S("--backend=sim"), S("--phonebook"), m_files.dataPath(S("lines.ini"))}));
        QTRY_VERIFY_WITH_TIMEOUT(!owner().isEmpty(), 30000);
        const QString first = owner();

        const Run second = run(in({}));
        QCOMPARE(second.status, 0);
        QVERIFY2(!second.err.contains(S("modemtally:")), qPrintable(second.err)); // nothing to say
        const Run withOptions = run(in({S("--backend=nm")}));
        QCOMPARE(withOptions.status, 0);
        QVERIFY2(withOptions.err.contains(S("keeps its own --backend")), qPrintable(withOptions.err));
        QCOMPARE(owner(), first);

        const Run connect = run(in({S("--connect")}));
        QCOMPARE(connect.status, 0);
        QVERIFY2(connect.out == S("Dialing Office\n") || connect.out == S("Connected to Office\n"),
                 qPrintable(connect.out));
        QTRY_COMPARE_WITH_TIMEOUT(state(), S("connected"), 30000);

        const Run status = run(in({S("--status")}));
        QCOMPARE(status.status, 0);
        for (const char* line : {"State: connected\n", "Profile: Office\n", "Status: Connected\n"})
            QVERIFY2(status.out.contains(QLatin1String(line)), qPrintable(status.out));
        const QJsonObject json =
            QJsonDocument::fromJson(run(in({S("--status"), S("--json")})).out.toUtf8()).object();
        QCOMPARE(json.value(S("Running")).toBool(), true);
        QCOMPARE(json.value(S("State")).toString(), S("connected"));
        QCOMPARE(json.value(S("DataFolder")).toString(), m_files->dataDir());

        const Run busy = run(in({S("--connect=Office")}));
        QCOMPARE(busy.status, 1);
        QVERIFY2(busy.err.contains(S("hang up first")), qPrintable(busy.err));

        const Run hangUp = run(in({S("--hang-up")}));
        QCOMPARE(hangUp.status, 0);
        QCOMPARE(hangUp.out, S("Hang up on Office\n"));
        const Run again = run(in({S("--hang-up")}));
        QCOMPARE(again.status, 1);
        QVERIFY2(again.err.contains(S("modemtally: There is no dial or connection to hang up.\n")),
                 qPrintable(again.err));

        const Run quit = run(in({S("--quit")}));
        QCOMPARE(quit.status, 0);
        QVERIFY(m_first.waitForFinished(30000));
        QCOMPARE(m_first.exitCode(), 0);
        QVERIFY(owner().isEmpty());
        // The session went into the month's record.
        QCOMPARE(QDir(m_files->dataDir()).entryList({S("20*.txt")}).size(), 1);
    }
};

QTEST_MAIN(tst_instance)
#include "tst_instance.moc"
