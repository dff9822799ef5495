// The usage journal on the model alone (no widget): sessions recorded as they go, recovery after a
// SIGKILL, the month files' import, totals across a month's end and a clock change, the exports'
// quoting, a schema migration and the --history command line.
#include "core/DialFlows.h"
#include "core/HangUp.h"
#include "core/MonthFile.h"
#include "core/Program.h"
#include "core/SessionTimer.h"
#include "core/YesNo.h"
#include "history/Export.h"
#include "history/HistoryRecorder.h"
#include "history/Journal.h"
#include "support/FakeRas.h"
#include "support/Fakes.h"

#include <QBuffer>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <ctime>
#include <unistd.h>

using History::Ended;
using History::Session;

namespace {

const QString kMonth = QStringLiteral("20266.txt"); // the fake clock's month

// A program on the test's control and clock in `dir`, with its journal recorder; "Home" is dialed
// from Connect without a prompt at 1.20 an hour.
struct Rig {
    FakeRas* ras = nullptr;
    FakeClock* clock = nullptr;
    std::unique_ptr<Program> p;
    std::unique_ptr<HistoryRecorder> recorder;

    explicit Rig(const QString& dir) {
        Seams seams;
        auto r = std::make_unique<FakeRas>();
        auto c = std::make_unique<FakeClock>();
        ras = r.get();
        clock = c.get();
        seams.ras = std::move(r);
        seams.clock = std::move(c);
        seams.boxes = std::make_unique<FakeMessageBoxes>();
        p = std::make_unique<Program>(std::move(seams), dir);
        p->settings.gProfiles.addProfile(QStringLiteral("Home"), QStringLiteral("u"), QStringLiteral("p"),
                                         {});
        p->settings.gDefaultProfile = QStringLiteral("Home");
        p->settings.gConnectDefault = kTrue;
        p->settings.gPromptPassword = kFalse;
        p->settings.gCostPerHour = kTrue;
        p->settings.gCostDollars = QStringLiteral("1");
        p->settings.gCostCents = QStringLiteral("20");
        recorder = std::make_unique<HistoryRecorder>(*p, QStringLiteral("sim"));
    }
    void tick(int n) {
        for (int i = 0; i < n; ++i) {
            clock->advance(1000);
            SessionTimer::timer_Timer(*p);
        }
    }
    void connect() {
        DialFlows::connectButton(*p);
        ras->lineUp();
    }
};

QList<Session> journalSessions(const QString& dir) {
    Journal j(Journal::fileIn(dir));
    if (!j.open())
        return {};
    return j.sessions({});
}

QStringList monthLines(const QString& dir, const QString& name = kMonth) {
    QStringList lines;
    MonthFile::read(QDir(dir).filePath(name), &lines, nullptr);
    return lines;
}

void writeMonth(const QString& dir, const QString& name, const QStringList& lines) {
    QVERIFY(MonthFile::write(QDir(dir).filePath(name), lines, nullptr));
}

// The session a program started at this local time would write.
Session sessionAt(const QDateTime& start, qint64 seconds, const QString& profile = QStringLiteral("Home")) {
    Session s;
    s.profile = profile;
    s.startUtc = start.toSecsSinceEpoch();
    s.startOffset = start.offsetFromUtc();
    s.seconds = seconds;
    return s;
}

void addEnded(Journal& j, const Session& s, qint64 cost = 0) {
    const qint64 id = j.beginSession(s, {}, {}, -1);
    QVERIFY(id > 0);
    QVERIFY(j.endSession(id, s.startUtc + s.seconds, s.startOffset, s.seconds, cost, Ended::HungUp));
}

// In the child process of recovery_after_kill: a session of 125 seconds with two earlier ones in the
// month file, left running; "ready" once its row holds the last minute's update.
[[noreturn]] void childSession(const QString& dir) {
    Rig r(dir);
    r.connect();
    r.tick(125);
    r.recorder->flush();
    const QByteArray ready = "ready\n";
    if (::write(STDOUT_FILENO, ready.constData(), size_t(ready.size())) != ready.size())
        ::_exit(4);
    for (;;)
        ::pause();
}

// In the child of the second row: recovery, killed right after it wrote the month file.
[[noreturn]] void childRecovery(const QString& dir) {
    Journal j(Journal::fileIn(dir));
    if (!j.open())
        ::_exit(3);
    j.recover(
        dir, [](const QString&) { return false; }, [] { ::raise(SIGKILL); });
    ::_exit(5); // not reached: the month file is always written here
}

bool runChild(const QString& mode, const QString& dir, bool waitReady) {
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("MT_JOURNAL_CHILD"), mode);
    env.insert(QStringLiteral("MT_JOURNAL_DIR"), dir);
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("-silent")});
    if (!child.waitForStarted())
        return false;
    if (waitReady) {
        while (!child.canReadLine())
            if (!child.waitForReadyRead(60000))
                return false;
        if (child.readLine() != "ready\n")
            return false;
        ::kill(pid_t(child.processId()), SIGKILL);
    }
    child.waitForFinished(60000);
    return child.exitStatus() == QProcess::CrashExit;
}

} // namespace

class tst_journal : public QObject {
    Q_OBJECT
private slots:
    // Each way a session ends, as the journal keeps it: its row is there from the start, brought up
    // to date each minute, and closed with the duration, cost and warnings.
    void sessions_as_they_go() {
        QTemporaryDir dir;
        Rig r(dir.path());
        r.p->settings.gWarnTimePC = kTrue;
        r.p->settings.gWarnTimePCMinutes = 1;
        r.connect();
        r.tick(59);
        r.recorder->flush();
        QList<Session> s = journalSessions(dir.path());
        QCOMPARE(s.size(), 1);
        QCOMPARE(s[0].ended, Ended::Running);
        QCOMPARE(s[0].seconds, qint64(0));
        QCOMPARE(s[0].startText(), QStringLiteral("2026-06-15T12:00:00+02:00"));
        r.tick(66);
        r.recorder->flush();
        QCOMPARE(journalSessions(dir.path())[0].seconds, qint64(120));
        HangUp::hangUp(*r.p, HangupEntry::Button);

        // The line drops by itself after 10 s; then an adopted connection is left up at Exit.
        r.connect();
        r.tick(10);
        r.ras->connected = false;
        r.ras->activeConnection.clear();
        r.tick(1);
        r.ras->activeConnection = QStringLiteral("Outside");
        r.ras->connected = true;
        r.tick(1);
        r.tick(30);
        FakeMessageBoxes& boxes = static_cast<FakeMessageBoxes&>(r.p->boxes());
        boxes.answerNext(BoxAnswer::No);
        HangUp::exitProgram(*r.p);
        r.recorder.reset();

        s = journalSessions(dir.path());
        QCOMPARE(s.size(), 3);
        QCOMPARE(s[0].ended, Ended::HungUp);
        QCOMPARE(s[0].seconds, qint64(125));
        QCOMPARE(s[0].cost.value_or(-1), qint64(417)); // 125 s at 1.20 an hour
        QCOMPARE(s[0].profile, QStringLiteral("Home"));
        QCOMPARE(s[0].backend, QStringLiteral("sim"));
        QCOMPARE(s[0].warnings, QStringList{QStringLiteral(
                                    "Connection time exceeded the time limit of 0 hours and 1 minutes!")});
        QCOMPARE(s[0].endText(), QStringLiteral("2026-06-15T12:02:05+02:00"));
        QCOMPARE(s[1].ended, Ended::Dropped);
        QCOMPARE(s[1].seconds, qint64(11));
        QVERIFY(!s[1].adopted);
        QCOMPARE(s[2].ended, Ended::OnExit);
        QCOMPARE(s[2].profile, QStringLiteral("Outside"));
        QVERIFY(s[2].adopted);
        QCOMPARE(s[2].seconds, qint64(30));
        // The month file, as before: the hung-up and the dropped session, not the one left up.
        QCOMPARE(monthLines(dir.path()), (QStringList{QStringLiteral(" 125 "), QStringLiteral(" 11 ")}));
        QVERIFY(!QFile::exists(HistoryRecorder::markerIn(dir.path())));
    }

    // A program killed in a session: the next start closes the session with its last known duration,
    // marks it recovered and adds it to the month file, once, also when the recovery itself was
    // killed, or when the program was killed after it had written the month file at the session's end.
    // The session's bytes reach its row (each minute and at its end), and the plan's checks get the
    // profile's earlier use in the cycle from the journal: ended sessions of that profile and cycle only.
    void bytes_recorded_and_a_plan_fed_from_the_journal() {
        QTemporaryDir dir;
        {
            Journal j(Journal::fileIn(dir.path()));
            QVERIFY(j.open());
            const QDateTime june(QDate(2026, 6, 2), QTime(9, 0));
            for (const auto& [start, profile] : {std::pair{june, QStringLiteral("Home")},
                                                 std::pair{june.addMonths(-1), QStringLiteral("Home")},
                                                 std::pair{june, QStringLiteral("Office")}}) {
                const qint64 id = j.beginSession(sessionAt(start, 600, profile), {}, {}, -1);
                QVERIFY(j.setBytes(id, 4000000, 1000000));
                QVERIFY(j.endSession(id, start.toSecsSinceEpoch() + 600, start.offsetFromUtc(), 600, 0,
                                     Ended::HungUp));
            }
        }
        Rig r(dir.path());
        Plan plan;
        plan.dataAllowanceBytes = 100 * Plan::kBytesPerMB;
        QVERIFY(r.p->plans.setPlan(QStringLiteral("Home"), plan));
        r.ras->counts = ByteCounts{0, 0};
        r.connect();
        r.tick(1);
        r.recorder->flush();
        QTRY_VERIFY(r.p->plans.usedBefore().has_value());
        QCOMPARE(r.p->plans.usedBefore()->bytes, quint64(5000000));
        QCOMPARE(r.p->plans.usedBefore()->seconds, qint64(600));
        for (int s = 1; s <= 70; ++s) {
            r.ras->counts = ByteCounts{quint64(s) * 1000, quint64(s) * 10};
            r.tick(1);
        }
        r.recorder->flush();
        QCOMPARE(journalSessions(dir.path()).last().bytesReceived, qint64(59000)); // at its 60th second
        HangUp::hangUp(*r.p, HangupEntry::Button);
        r.recorder->flush();
        const Session last = journalSessions(dir.path()).last();
        QCOMPARE(last.bytesReceived, qint64(70000));
        QCOMPARE(last.bytesSent, qint64(700));
    }

    void recovery_after_kill_data() {
        QTest::addColumn<QString>("then");
        QTest::addColumn<qint64>("seconds");
        QTest::newRow("killed in a session") << QString() << qint64(120);
        QTest::newRow("killed again in the recovery") << QStringLiteral("recovery") << qint64(120);
        QTest::newRow("killed after the session's end was written") << QStringLiteral("ended") << qint64(131);
    }
    void recovery_after_kill() {
        QFETCH(QString, then);
        QFETCH(qint64, seconds);
        QTemporaryDir dir;
        const QStringList earlier{QStringLiteral(" 60 "), QStringLiteral("70")};
        writeMonth(dir.path(), kMonth, earlier);
        QVERIFY(runChild(QStringLiteral("session"), dir.path(), true));
        QVERIFY(QFile::exists(HistoryRecorder::markerIn(dir.path())));
        if (then == QLatin1String("recovery")) {
            QVERIFY(runChild(QStringLiteral("recovery"), dir.path(), false));
            QCOMPARE(monthLines(dir.path()), earlier + QStringList{QStringLiteral(" 120 ")});
        } else if (then == QLatin1String("ended")) {
            writeMonth(dir.path(), kMonth, earlier + QStringList{MonthFile::newLine(131)});
        }

        for (int start = 0; start < 2; ++start) {
            Rig r(dir.path());
            QCOMPARE(r.recorder->recovered(), start == 0 ? 1 : 0);
            QCOMPARE(monthLines(dir.path()), earlier + QStringList{MonthFile::newLine(qint32(seconds))});
            // The two earlier lines were imported when the journal began, with the session.
            QList<Session> s = journalSessions(dir.path());
            QCOMPARE(s.size(), 3);
            QCOMPARE(s[0].ended, Ended::Imported);
            s.removeFirst();
            s.removeFirst();
            QCOMPARE(s[0].ended, Ended::Recovered);
            QCOMPARE(s[0].seconds, seconds);
            QCOMPARE(s[0].cost.value_or(-1), qint64(400)); // the last update: 120 s at 1.20 an hour
            QCOMPARE(s[0].endUtc.value_or(0), s[0].startUtc + seconds);
            QVERIFY(!QFile::exists(HistoryRecorder::markerIn(dir.path())));
        }
    }

    // The month files go into the journal once, on its first use: one session per line, dated to
    // its month; the lines a running session is written after are not taken.
    void import_once() {
        QTemporaryDir dir;
        writeMonth(dir.path(), QStringLiteral("202512.txt"), {QStringLiteral(" 30 ")});
        writeMonth(dir.path(), kMonth, {QStringLiteral(" 60 "), QString(), QStringLiteral("120")});
        writeMonth(dir.path(), QStringLiteral("202613.txt"), {QStringLiteral("5")});
        writeMonth(dir.path(), QStringLiteral("notes.txt"), {QStringLiteral("7")});
        {
            Rig r(dir.path());
            r.connect();
            r.tick(10);
            HangUp::hangUp(*r.p, HangupEntry::Button);
            r.connect();
            r.tick(20);
            HangUp::hangUp(*r.p, HangupEntry::Button);
        }
        Journal j(Journal::fileIn(dir.path()));
        QVERIFY(j.open());
        QCOMPARE(j.importMonthFiles(dir.path()), 0);
        const QList<Session> s = j.sessions({});
        QCOMPARE(s.size(), 5);
        QCOMPARE(s[0].ended, Ended::Imported);
        QCOMPARE(s[0].seconds, qint64(30));
        QCOMPARE(s[0].startText(), QStringLiteral("2025-12-01T00:00:00+01:00"));
        QVERIFY(!s[0].cost);
        QCOMPARE(s[1].seconds, qint64(60));
        QCOMPARE(s[2].seconds, qint64(120));
        QCOMPARE(s[2].startText(), QStringLiteral("2026-06-01T00:00:00+02:00"));
        QCOMPARE(s[3].ended, Ended::HungUp);
        QCOMPARE(s[4].seconds, qint64(20));
        // The month's total counts every line of its file once.
        const int june = History::monthIndex(QDate(2026, 6, 1));
        QCOMPARE(j.monthTotals(june, june, std::nullopt)[0].seconds, qint64(60 + 120 + 10 + 20));
        History::Total undated;
        const QList<History::Total> days = j.dayTotals(june, std::nullopt, &undated);
        QCOMPARE(undated.sessions, 2);
        QCOMPARE(days[14].seconds, qint64(30));
        QCOMPARE(days[0].seconds, qint64(0));
    }

    // A session belongs to the local day and month of its start, with the offset in force then: one
    // across the end of January counts in January; the days of the clock changes hold their sessions.
    void totals_across_month_end_and_clock_changes() {
        QTemporaryDir dir;
        Journal j(Journal::fileIn(dir.path()));
        QVERIFY(j.open());
        const auto local = [](int y, int m, int d, int h, int min) {
            return QDateTime(QDate(y, m, d), QTime(h, min));
        };
        addEnded(j, sessionAt(local(2026, 1, 31, 23, 30), 3600), 12000);
        addEnded(j, sessionAt(local(2026, 2, 1, 0, 10), 600), 2000);
        addEnded(j, sessionAt(local(2026, 3, 28, 23, 59), 60));
        addEnded(j, sessionAt(local(2026, 3, 29, 1, 30), 1800)); // +01:00, over the jump to summer time
        addEnded(j, sessionAt(local(2026, 3, 29, 3, 30), 900));  // +02:00
        // 02:30 twice on the last Sunday of October: summer time, then winter time.
        addEnded(j, sessionAt(QDateTime::fromSecsSinceEpoch(
                                  QDateTime(QDate(2026, 10, 25), QTime(0, 30), Qt::UTC).toSecsSinceEpoch()),
                              300));
        addEnded(j, sessionAt(QDateTime::fromSecsSinceEpoch(
                                  QDateTime(QDate(2026, 10, 25), QTime(1, 30), Qt::UTC).toSecsSinceEpoch()),
                              400, QStringLiteral("Office")));
        addEnded(j, sessionAt(local(2026, 10, 25, 23, 0), 500));

        const int jan = History::monthIndex(QDate(2026, 1, 1));
        const QList<History::Total> months = j.monthTotals(jan, jan + 9, std::nullopt);
        QCOMPARE(months.size(), 10);
        QCOMPARE(months[0].seconds, qint64(3600));
        QCOMPARE(months[0].cost, qint64(12000));
        QCOMPARE(months[1].seconds, qint64(600));
        QCOMPARE(months[2].seconds, qint64(60 + 1800 + 900));
        QCOMPARE(months[2].sessions, 3);
        QCOMPARE(months[9].seconds, qint64(300 + 400 + 500));
        QCOMPARE(j.monthTotals(jan + 9, jan + 9, QStringLiteral("Office"))[0].seconds, qint64(400));

        const QList<History::Total> march = j.dayTotals(jan + 2, std::nullopt, nullptr);
        QCOMPARE(march.size(), 31);
        QCOMPARE(march[27].seconds, qint64(60));
        QCOMPARE(march[28].seconds, qint64(2700));
        QCOMPARE(march[28].sessions, 2);
        const QList<History::Total> october = j.dayTotals(jan + 9, std::nullopt, nullptr);
        QCOMPARE(october[24].seconds, qint64(1200));
        QCOMPARE(october[24].sessions, 3);
        QCOMPARE(j.dayTotals(jan, std::nullopt, nullptr)[30].seconds, qint64(3600));

        History::Filter day;
        day.from = day.to = QDate(2026, 3, 29);
        QCOMPARE(j.sessions(day).size(), 2);
        QCOMPARE(j.sessions(day)[1].startText(), QStringLiteral("2026-03-29T03:30:00+02:00"));
    }

    // A profile name with a comma, quotes and letters beyond ASCII, and a field with a line break:
    // quoted as RFC 4180 asks in the CSV, and the same text back from the JSON.
    void export_quoting() {
        QTemporaryDir dir;
        Journal j(Journal::fileIn(dir.path()));
        QVERIFY(j.open());
        const QString odd = QString::fromUtf8("Dial, \"Zürich\" Ωmega");
        Session s = sessionAt(QDateTime(QDate(2026, 6, 15), QTime(12, 0)), 61, odd);
        s.backend = QStringLiteral("nm");
        const qint64 id = j.beginSession(s, {}, {}, -1);
        QVERIFY(j.addWarning(id, QStringLiteral("first")));
        QVERIFY(j.addWarning(id, QStringLiteral("second, too")));
        QVERIFY(j.endSession(id, s.startUtc + 61, 7200, 61, 521, Ended::Dropped));
        addEnded(j, sessionAt(QDateTime(QDate(2026, 6, 16), QTime(8, 5)), 5, QStringLiteral("Plain")));

        QBuffer csv;
        csv.open(QIODevice::WriteOnly);
        QVERIFY(HistoryExport::write(j, {}, History::Format::Csv, csv, nullptr));
        QCOMPARE(csv.data(),
                 QByteArray("id,start,end,profile,backend,seconds,cost,received_bytes,sent_bytes,ended,"
                            "adopted,warnings\r\n"
                            "1,2026-06-15T12:00:00+02:00,2026-06-15T12:01:01+02:00,") +
                     "\"Dial, \"\"Z\xc3\xbcrich\"\" "
                     "\xce\xa9mega\",nm,61,0.0521,0,0,dropped,no,\"first\nsecond, too\"\r\n"
                     "2,2026-06-16T08:05:00+02:00,2026-06-16T08:05:05+02:00,Plain,,5,0,0,0,hung-up,no,\r\n");

        QBuffer json;
        json.open(QIODevice::WriteOnly);
        History::Filter only;
        only.profile = odd;
        QVERIFY(HistoryExport::write(j, only, History::Format::Json, json, nullptr));
        QJsonParseError error;
        const QJsonArray rows = QJsonDocument::fromJson(json.data(), &error).array();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(rows.size(), 1);
        const QJsonObject o = rows[0].toObject();
        QCOMPARE(o[QStringLiteral("profile")].toString(), odd);
        QCOMPARE(o[QStringLiteral("cost")].toDouble(), 0.0521);
        QCOMPARE(o[QStringLiteral("warnings")].toArray().size(), 2);
        QCOMPARE(o[QStringLiteral("ended")].toString(), QStringLiteral("dropped"));
    }

    // A journal of the first schema is brought up to date with its rows (their local days worked
    // out from the stored offsets); one written by a newer program is refused and left unchanged.
    void schema_migration() {
        QTemporaryDir dir;
        const QString path = Journal::fileIn(dir.path());
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("v1"));
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QSqlQuery q(db);
            for (const char* sql :
                 {"CREATE TABLE sessions (id INTEGER PRIMARY KEY, profile TEXT NOT NULL DEFAULT '', backend "
                  "TEXT "
                  "NOT NULL DEFAULT '', start_utc INTEGER NOT NULL, start_offset INTEGER NOT NULL, end_utc "
                  "INTEGER, end_offset INTEGER, seconds INTEGER NOT NULL DEFAULT 0, cost INTEGER, "
                  "bytes_received "
                  "INTEGER NOT NULL DEFAULT 0, bytes_sent INTEGER NOT NULL DEFAULT 0, ended TEXT NOT NULL "
                  "DEFAULT 'running', adopted INTEGER NOT NULL DEFAULT 0, warnings TEXT NOT NULL DEFAULT '', "
                  "owner TEXT, month_file TEXT, month_lines INTEGER)",
                  "CREATE INDEX sessions_start ON sessions (start_utc)",
                  "CREATE INDEX sessions_running ON sessions (ended) WHERE ended = 'running'",
                  "CREATE TABLE meta (key TEXT PRIMARY KEY, value TEXT NOT NULL)",
                  // 23:30 UTC is the next day at +02:00; 00:30 UTC the day before at -05:00.
                  "INSERT INTO sessions (profile, start_utc, start_offset, seconds, ended) VALUES "
                  "('East', 1781566200, 7200, 100, 'hung-up'), ('West', 1781569800, -18000, 200, 'dropped')",
                  "PRAGMA user_version = 1"})
                QVERIFY2(q.exec(QString::fromLatin1(sql)), qPrintable(q.lastError().text()));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("v1"));
        {
            Journal j(path);
            QVERIFY2(j.open(), qPrintable(j.lastError()));
            QCOMPARE(j.schemaVersion(), Journal::kSchemaVersion);
            History::Filter f;
            f.from = f.to = QDate(2026, 6, 16);
            QCOMPARE(j.sessions(f).size(), 1);
            QCOMPARE(j.sessions(f)[0].profile, QStringLiteral("East"));
            f.from = f.to = QDate(2026, 6, 15);
            QCOMPARE(j.sessions(f).size(), 1);
            QCOMPARE(j.sessions(f)[0].seconds, qint64(200));
        }
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("v99"));
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec(QStringLiteral("PRAGMA user_version = 99")));
            QVERIFY(q.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)")));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("v99"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray before = f.readAll();
        f.close();
        Journal newer(path);
        QVERIFY(!newer.open());
        QVERIFY2(newer.lastError().contains(QStringLiteral("newer ModemTally (schema 99")),
                 qPrintable(newer.lastError()));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
    }

    // modemtally --history prints without a display: the period, the profile and the formats; a
    // folder without a journal yet is read from its month files; wrong options exit 2.
    void command_line_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("expected"); // lines of standard output, or of standard error
        QTest::newRow("csv of one day")
            << QStringList{QStringLiteral("--format"),   QStringLiteral("csv"),  QStringLiteral("--from"),
                           QStringLiteral("2026-06-15"), QStringLiteral("--to"), QStringLiteral("2026-06-15")}
            << 0
            << QStringList{
                   QStringLiteral("id,start,end,profile,backend,seconds,cost,received_bytes,sent_bytes,"
                                  "ended,adopted,warnings\r"),
                   QStringLiteral(
                       "3,2026-06-15T12:00:00+02:00,2026-06-15T12:00:10+02:00,Home,sim,10,0.0033,0,"
                       "0,hung-up,no,\r")};
        QTest::newRow("json of a month's imported sessions")
            << QStringList{QStringLiteral("--format=json"),
                           QStringLiteral("--from"),
                           QStringLiteral("2026-05"),
                           QStringLiteral("--to"),
                           QStringLiteral("2026-05"),
                           QStringLiteral("--profile"),
                           QString()}
            << 0
            << QStringList{
                   QStringLiteral("["),
                   QStringLiteral(
                       "{\"adopted\":false,\"backend\":\"\",\"cost\":null,\"end\":null,\"ended\":"
                       "\"imported\",\"id\":1,\"profile\":\"\",\"receivedBytes\":0,\"seconds\":"
                       "45,\"sentBytes\":0,\"start\":\"2026-05-01T00:00:00+02:00\",\"warnings\":[]},"),
                   QStringLiteral(
                       "{\"adopted\":false,\"backend\":\"\",\"cost\":null,\"end\":null,\"ended\":"
                       "\"imported\",\"id\":2,\"profile\":\"\",\"receivedBytes\":0,\"seconds\":"
                       "15,\"sentBytes\":0,\"start\":\"2026-05-01T00:00:00+02:00\",\"warnings\":[]}"),
                   QStringLiteral("]")};
        QTest::newRow("table of a profile")
            << QStringList{QStringLiteral("--profile"), QStringLiteral("Home")} << 0
            << QStringList{QStringLiteral("Start             Duration    Cost  Profile  Ended"),
                           QStringLiteral("2026-06-15 12:00   0:00:10  0.0033  Home     hung up"),
                           QStringLiteral("1 session, 0:00:10 online, cost 0.0033")};
        QTest::newRow("a wrong format")
            << QStringList{QStringLiteral("--format"), QStringLiteral("xml")} << 2
            << QStringList{QStringLiteral("modemtally: Unknown format \"xml\": use table, csv or json."),
                           QStringLiteral("Try 'modemtally --help' for the options.")};
        QTest::newRow("a wrong date")
            << QStringList{QStringLiteral("--from"), QStringLiteral("June")} << 2
            << QStringList{QStringLiteral("modemtally: \"June\" is not a date: use "
                                          "YYYY-MM-DD or YYYY-MM."),
                           QStringLiteral("Try 'modemtally --help' for the options.")};
    }
    void command_line() {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QStringList, expected);
        QTemporaryDir dir;
        writeMonth(dir.path(), QStringLiteral("20265.txt"), {QStringLiteral("45"), QStringLiteral("15")});
        {
            Rig r(dir.path());
            r.connect();
            r.tick(10);
            HangUp::hangUp(*r.p, HangupEntry::Button);
        }
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(MT_PROGRAM),
                      QStringList{QStringLiteral("--history"), QStringLiteral("--data-dir"), dir.path()} +
                          args);
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), exitCode);
        const QByteArray out =
            exitCode == 0 ? program.readAllStandardOutput() : program.readAllStandardError();
        QCOMPARE(QString::fromUtf8(out).split(QLatin1Char('\n'), Qt::SkipEmptyParts), expected);
    }
    void without_its_module_the_journal_says_so_data() {
        QTest::addColumn<QByteArray>("module");
        QTest::addColumn<QByteArray>("reason");
        QTest::newRow("not installed")
            << QByteArray() << QByteArray("modemtally-journal.so is not installed");
        QTest::newRow("not a module") << QByteArray("not a library\n") << QByteArray("modemtally-journal.so");
    }
    void without_its_module_the_journal_says_so() {
        // A program whose journal module is not installed, or is a file that is no module (a copy of
        // the program alone in a folder): the journal cannot be opened, and the command line says
        // why instead of crashing.
        QFETCH(QByteArray, module);
        QFETCH(QByteArray, reason);
        QTemporaryDir bin, empty, data;
        if (!module.isEmpty()) {
            QFile bad(empty.filePath(QStringLiteral("modemtally-journal.so")));
            QVERIFY(bad.open(QIODevice::WriteOnly) && bad.write(module) == module.size());
        }
        const QString copy = bin.filePath(QStringLiteral("modemtally"));
        QVERIFY(QFile::copy(QStringLiteral(MT_PROGRAM), copy));
        writeMonth(data.path(), QStringLiteral("20265.txt"), {QStringLiteral("45")});
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("MODEMTALLY_MODULE_DIR"), empty.path());
        program.setProcessEnvironment(env);
        program.start(copy, {QStringLiteral("--history"), QStringLiteral("--data-dir"), data.path()});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        const QByteArray err = program.readAllStandardError();
        QVERIFY2(err.contains("cannot be opened") && err.contains(reason), err.constData());
    }
};

int main(int argc, char** argv) {
    // The clock changes of Central Europe: summer time from 2026-03-29 02:00, winter time from
    // 2026-10-25 03:00.
    qputenv("TZ", "Europe/Berlin");
    tzset();
    QCoreApplication app(argc, argv);
    const QString child = qEnvironmentVariable("MT_JOURNAL_CHILD");
    if (child == QLatin1String("session"))
        childSession(qEnvironmentVariable("MT_JOURNAL_DIR"));
    if (child == QLatin1String("recovery"))
        childRecovery(qEnvironmentVariable("MT_JOURNAL_DIR"));
    tst_journal test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_journal.moc"
