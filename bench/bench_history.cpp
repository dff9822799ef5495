// The usage journal with 100,000 sessions (about 14 a day for 20 years, five profiles): the size of
// the database, a year's and a month's totals, the CSV export of every row, the per-minute update (on
// the user-interface thread, and the worker's statement with its commit on the disk), the first
// opening of the History window (loading its module and Qt Charts, reading, showing, first paint; in
// fresh processes, median of 5), and what a started program has mapped before its first session.
//
// The journal is made in a folder under $MT_BENCH_DIR (default: the build folder, on a real disk,
// since the commits' cost is the disk's).
#include "PaintWatch.h"
#include "core/DialFlows.h"
#include "core/Program.h"
#include "core/SessionTimer.h"
#include "core/YesNo.h"
#include "history/Export.h"
#include "history/HistoryRecorder.h"
#include "history/Journal.h"
#include "history/JournalSource.h"
#include "historyui/HistoryWindowLoader.h"
#include "support/FakeRas.h"
#include "support/Fakes.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <signal.h>
#include <vector>

namespace {

constexpr int kSessions = 100000;
const QDate kToday(2026, 12, 8);

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// The median milliseconds of `runs` calls.
double timed(int runs, const std::function<void()>& work) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    return median(ms);
}

void figure(const char* name, double value, const char* unit, const QString& aim) {
    std::printf("%s: %.2f %s (aim %s)\n", name, value, unit, qPrintable(aim));
    std::fflush(stdout);
}

// 100,000 sessions ending at kToday, as the recorder writes them (start, its offset, the end).
bool fill(Journal& j) {
    const QStringList profiles{QStringLiteral("Home"), QStringLiteral("Office"), QStringLiteral("Mobile"),
                               QStringLiteral("Flaky ISP"), QStringLiteral("Zürich, \"Nord\"")};
    QRandomGenerator random(15);
    const QDateTime last(kToday, QTime(20, 0));
    const qint64 spread = qint64(20) * 365 * 86400;
    return j.inTransaction([&] {
        for (int i = 0; i < kSessions; ++i) {
            const QDateTime start = last.addSecs(-spread + spread * i / kSessions);
            History::Session s;
            s.profile = profiles.at(int(random.bounded(profiles.size())));
            s.backend = QStringLiteral("sim");
            s.startUtc = start.toSecsSinceEpoch();
            s.startOffset = start.offsetFromUtc();
            const qint64 seconds = 60 + random.bounded(7200);
            const qint64 id = j.beginSession(s, {}, {}, -1);
            if (!id || !j.endSession(id, s.startUtc + seconds, s.startOffset, seconds, seconds * 3,
                                     History::Ended::HungUp))
                return false;
        }
        return true;
    });
}

// In a process of its own: the History window's first opening on the journal of `dir`.
int openWindowOnce(int argc, char** argv, const QString& dir) {
    QApplication app(argc, argv);
    QElapsedTimer t;
    t.start();
    QString error;
    QWidget* w =
        HistoryWindowLoader::create(std::make_unique<JournalSource>(dir, [] { return kToday; }), &error);
    if (!w) {
        std::fprintf(stderr, "bench_history: %s\n", qPrintable(error));
        return 1;
    }
    PaintWatch watch;
    w->installEventFilter(&watch);
    w->show();
    QTimer guard;
    guard.setSingleShot(true);
    guard.start(10000);
    while (!watch.painted && guard.isActive())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    std::printf("%.3f\n", watch.painted ? double(t.nsecsElapsed()) / 1e6 : -1.0);
    delete w;
    return 0;
}

// A program with its recorder, in a session: the user-interface thread's cost of the update that
// falls due each minute, and the worker's statement with its commit.
void minuteUpdate(const QString& dir) {
    Seams seams;
    auto ras = std::make_unique<FakeRas>();
    FakeRas* r = ras.get();
    auto clock = std::make_unique<FakeClock>();
    FakeClock* c = clock.get();
    seams.ras = std::move(ras);
    seams.clock = std::move(clock);
    seams.boxes = std::make_unique<FakeMessageBoxes>();
    Program p(std::move(seams), dir);
    p.settings.gProfiles.addProfile(QStringLiteral("Home"), QStringLiteral("u"), QStringLiteral("p"), {});
    p.settings.gDefaultProfile = QStringLiteral("Home");
    p.settings.gConnectDefault = kTrue;
    p.settings.gPromptPassword = kFalse;
    HistoryRecorder recorder(p, QStringLiteral("sim"));
    DialFlows::connectButton(p);
    r->lineUp();
    recorder.flush();
    std::vector<double> ui;
    std::vector<double> worker;
    for (int minute = 0; minute < 30; ++minute) {
        for (int s = 0; s < 59; ++s) {
            c->advance(1000);
            SessionTimer::timer_Timer(p);
        }
        c->advance(1000);
        QElapsedTimer t;
        t.start();
        SessionTimer::timer_Timer(p); // the 60th second: the update is handed to the worker
        ui.push_back(double(t.nsecsElapsed()) / 1e6);
        t.restart();
        recorder.flush();
        worker.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    figure(
        "history_minute_update_ui_thread", median(ui), "ms",
        QStringLiteral("< 1 ms; the whole tick of that second, the update handed to the journal's thread"));
    figure("history_minute_update_worker", median(worker), "ms",
           QStringLiteral("< 16 ms, off the user-interface thread; the statement and its commit on the disk "
                          "(synchronous=FULL, WAL)"));
}

// The libraries a started program has mapped before any session.
void mappedAtStart(const QString& program) {
    QTemporaryDir dir;
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.start(program, {QStringLiteral("--backend=sim"), QStringLiteral("--data-dir"), dir.path()});
    if (!p.waitForStarted())
        return;
    QThread::msleep(3000);
    QFile maps(QStringLiteral("/proc/%1/maps").arg(p.processId()));
    const QByteArray m = maps.open(QIODevice::ReadOnly) ? maps.readAll() : QByteArray();
    ::kill(pid_t(p.processId()), SIGKILL);
    p.waitForFinished();
    const auto has = [&m](const char* lib) { return m.contains(lib) ? "mapped" : "not mapped"; };
    std::printf("history_mapped_at_start: Qt Charts %s, the History module %s, Qt's SQLite driver %s, "
                "libsqlite3 %s, the journal's module %s, libQt6Sql %s (aim: none mapped)\n",
                has("libQt6Charts"), has("modemtally-history"), has("libqsqlite"), has("libsqlite3"),
                has("modemtally-journal"), has("libQt6Sql"));
}

} // namespace

int main(int argc, char** argv) {
    // The journal's store and the History window come from the build tree's modules.
    if (!qEnvironmentVariableIsSet("MODEMTALLY_MODULE_DIR"))
        qputenv("MODEMTALLY_MODULE_DIR", MT_MODULE_DIR);
    if (qEnvironmentVariableIsSet("MT_BENCH_OPEN_WINDOW"))
        return openWindowOnce(argc, argv, qEnvironmentVariable("MT_BENCH_OPEN_WINDOW"));
    QCoreApplication app(argc, argv);
    const QString base = qEnvironmentVariable("MT_BENCH_DIR", QCoreApplication::applicationDirPath());
    QTemporaryDir dir(QDir(base).filePath(QStringLiteral("bench-history-XXXXXX")));
    const QString path = Journal::fileIn(dir.path());
    {
        Journal j(path);
        QElapsedTimer t;
        t.start();
        if (!j.open() || j.importMonthFiles(dir.path()) < 0 || !fill(j)) {
            std::fprintf(stderr, "bench_history: %s\n", qPrintable(j.lastError()));
            return 1;
        }
        figure("history_fill_100k_sessions", double(t.elapsed()), "ms",
               QStringLiteral(": none, a record (one transaction)"));
    }
    figure("history_database_100k_sessions", double(QFileInfo(path).size()) / (1024.0 * 1024.0), "MB",
           QStringLiteral("< 20 MB"));

    Journal j(path);
    j.open();
    const int month = History::monthIndex(kToday);
    figure("history_year_totals_100k", timed(5, [&] { j.monthTotals(month - 11, month, std::nullopt); }),
           "ms", QStringLiteral("< 50 ms; 12 months of one year"));
    figure("history_24_month_totals_100k", timed(5, [&] { j.monthTotals(month - 23, month, std::nullopt); }),
           "ms", QStringLiteral("< 50 ms"));
    figure("history_month_day_totals_100k", timed(5, [&] { j.dayTotals(month, std::nullopt, nullptr); }),
           "ms", QStringLiteral("< 50 ms; the days of one month"));
    figure("history_profile_shares_24_months_100k",
           timed(5,
                 [&] {
                     History::Filter f;
                     f.from = History::firstDayOfMonth(month - 23);
                     j.profileTotals(f);
                 }),
           "ms", QStringLiteral("< 50 ms"));
    figure("history_csv_export_all_100k",
           timed(3,
                 [&] {
                     QString error;
                     if (!HistoryExport::writeFile(j, {}, History::Format::Csv,
                                                   dir.filePath(QStringLiteral("all.csv")), &error))
                         std::fprintf(stderr, "bench_history: %s\n", qPrintable(error));
                 }),
           "ms", QStringLiteral("< 1000 ms"));
    std::fprintf(stderr, "history: the CSV of 100,000 sessions is %.1f MB\n",
                 double(QFileInfo(dir.filePath(QStringLiteral("all.csv"))).size()) / (1024.0 * 1024.0));

    minuteUpdate(dir.path());

    std::vector<double> opened;
    for (int i = 0; i <= 5; ++i) {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("MT_BENCH_OPEN_WINDOW"), dir.path());
        env.insert(QStringLiteral("MODEMTALLY_MODULE_DIR"), QStringLiteral(MT_MODULE_DIR));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {});
        child.waitForFinished(60000);
        const double ms = child.readAllStandardOutput().trimmed().toDouble();
        if (child.exitCode() != 0 || ms <= 0) {
            std::fprintf(stderr, "bench_history: the History window did not open: %s\n",
                         child.readAllStandardError().constData());
            break;
        }
        if (i > 0) // the first is the warm-up
            opened.push_back(ms);
    }
    if (!opened.empty())
        figure("history_window_first_opening_100k", median(opened), "ms",
               QStringLiteral("< 300 ms; loading the modules and Qt Charts, reading, showing, first paint"));
    mappedAtStart(QStringLiteral(MT_PROGRAM));
    return 0;
}
