// The command line: read before the application object, so that help, version and wrong options
// answer without a display; Qt's own options still reach the application object.
#include "app/CommandLine.h"
#include "platform/Folders.h"

#include <QProcess>
#include <QTest>

using Outcome = CommandLine::Outcome;
Q_DECLARE_METATYPE(Outcome)

namespace {
// The arguments of a command line written with blanks between them.
QStringList words(const char* line) {
    return QString::fromUtf8(line).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}
} // namespace

class tst_commandline : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Folders::setProgramNames(); }

    void parse_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("qtOptionsTaken");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("found"); // in the output, the error, or the options read

        QTest::newRow("nothing: run with the defaults")
            << words("") << false << Outcome::Run << 0 << "auto|||";
        QTest::newRow("every option")
            << words("--backend=SIM --data-dir /d --phonebook=p.ini --sim-outside Office") << false
            << Outcome::Run << 0 << "sim|/d|p.ini|Office";
        QTest::newRow("help") << words("--help") << false << Outcome::Exit << 0
                              << "Usage: modemtally [options]";
        QTest::newRow("help as -h, among Qt's options")
            << words("-style fusion -h") << false << Outcome::Exit << 0 << "--data-dir <dir>";
        QTest::newRow("help wins over a wrong option")
            << words("--bogus --help") << false << Outcome::Exit << 0 << "--sim-outside <entry>";
        QTest::newRow("version") << words("--version") << false << Outcome::Exit << 0
                                 << "modemtally " MT_VERSION "\n";
        QTest::newRow("a wrong option")
            << words("--bogus") << false << Outcome::Exit << 2 << "modemtally: Unknown option 'bogus'.";
        QTest::newRow("a wrong option beside Qt's")
            << words("-platform xcb --bogus") << false << Outcome::Exit << 2 << "'bogus'";
        QTest::newRow("a missing value")
            << words("--data-dir") << false << Outcome::Exit << 2 << "Missing value after '--data-dir'.";
        QTest::newRow("a wrong backend") << words("--backend modem") << false << Outcome::Exit << 2
                                         << "Unknown backend \"modem\": use auto, sim or nm.";
        QTest::newRow("Qt's options: read again after the application object")
            << words("-platform xcb -style fusion --backend=nm") << false << Outcome::AfterQtApp << 0 << "";
        QTest::newRow("an option the application object left")
            << words("-style fusion") << true << Outcome::Exit << 2 << "'style'";
        QTest::newRow("after the application object")
            << words("--backend=nm") << true << Outcome::Run << 0 << "nm|||";
    }
    void parse() {
        QFETCH(QStringList, args);
        QFETCH(bool, qtOptionsTaken);
        QFETCH(Outcome, outcome);
        QFETCH(int, exitCode);
        QFETCH(QString, found);
        args.prepend(QStringLiteral("/usr/bin/modemtally"));
        const CommandLine c = CommandLine::parse(args, qtOptionsTaken);
        QCOMPARE(c.outcome, outcome);
        QCOMPARE(c.exitCode, exitCode);
        if (outcome == Outcome::Run) {
            QCOMPARE(QStringList({c.backend, c.dataDir, c.phonebook, c.simOutside}).join(QLatin1Char('|')),
                     found);
        } else if (outcome == Outcome::Exit) {
            QVERIFY2((exitCode == 0 ? c.output : c.error).contains(found), qPrintable(c.output + c.error));
            QVERIFY((exitCode == 0 ? c.error : c.output).isEmpty());
        }
    }

    // The verbs for the running instance: one at a time, --connect's optional profile, --json only
    // with --status, and no Qt option beside them (they open no display).
    void verbs_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("found"); // verb|profile|json, or in the error
        QTest::newRow("status as JSON") << words("--json --status") << 0 << "status||1";
        QTest::newRow("connect: the Connect button") << words("--connect") << 0 << "connect||0";
        QTest::newRow("connect a profile")
            << words("--connect Office --data-dir /d") << 0 << "connect|Office|0";
        QTest::newRow("connect=NAME, a name with a dash")
            << words("--connect=-Night-") << 0 << "connect|-Night-|0";
        QTest::newRow("a start ignores a stray word, as before") << words("stray") << 0 << "||0";
        QTest::newRow("two verbs") << words("--connect --hang-up") << 2 << "go one at a time";
        QTest::newRow("JSON alone") << words("--json") << 2 << "--json goes with --status.";
        QTest::newRow("two profiles") << words("--connect Office Home") << 2 << "one profile name";
        QTest::newRow("a word after a verb") << words("--status now") << 2 << "Unexpected argument 'now'.";
        QTest::newRow("Qt's options beside a verb") << words("-platform xcb --status") << 2 << "'platform'";
    }
    void verbs() {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, found);
        args.prepend(QStringLiteral("modemtally"));
        const CommandLine c = CommandLine::parse(args);
        QCOMPARE(c.exitCode, exitCode);
        if (exitCode == 0) {
            QCOMPARE(c.outcome, Outcome::Run);
            QCOMPARE(QStringLiteral("%1|%2|%3").arg(c.verb, c.connectProfile).arg(int(c.json)), found);
        } else {
            QVERIFY2(c.error.contains(found), qPrintable(c.error));
        }
    }

    // The built program, with no display and the X11 platform asked for: an application object made
    // before the options were read would abort it.
    void withoutDisplay_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("stdOut");
        QTest::addColumn<QString>("stdErr");
        QTest::newRow("help") << words("--help") << 0 << "Usage: modemtally [options]"
                              << "";
        QTest::newRow("version") << words("--version") << 0 << "modemtally " MT_VERSION "\n"
                                 << "";
        QTest::newRow("a wrong option") << words("--dial-now") << 2 << ""
                                        << "modemtally: Unknown option 'dial-now'.\n"
                                           "Try 'modemtally --help' for the options.\n";
        QTest::newRow("a wrong backend") << words("--backend=isdn") << 2 << ""
                                         << "Unknown backend \"isdn\"";
    }
    void withoutDisplay() {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, stdOut);
        QFETCH(QString, stdErr);
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(MT_PROGRAM), args);
        QVERIFY(p.waitForFinished(60000));
        const QString out = QString::fromLocal8Bit(p.readAllStandardOutput());
        const QString err = QString::fromLocal8Bit(p.readAllStandardError());
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QVERIFY2(p.exitCode() == exitCode, qPrintable(err));
        QVERIFY2(stdOut.isEmpty() ? out.isEmpty() : out.contains(stdOut), qPrintable(out));
        QVERIFY2(stdErr.isEmpty() ? err.isEmpty() : err.contains(stdErr), qPrintable(err));
    }
};

QTEST_GUILESS_MAIN(tst_commandline)
#include "tst_commandline.moc"
