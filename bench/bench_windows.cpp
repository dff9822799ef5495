// The first opening of each window: constructing it, filling it from the program's state where the
// start-up fills it today, showing it, and its first paint, under whatever platform QT_QPA_PLATFORM
// names (an X server in bench/run, offscreen without one). Every figure is the median of kRuns
// processes of its own, after one warm-up process.
//
// configuration_console_first_opening: a process where only the main console has been shown and
// painted opens the configuration console for the first time, as it will once windows are built when
// first shown; also with a phone book (and profiles) of 1,000 entries.
// window_first_opening_*: an ordinary start with a saved settings file, then each window in turn. A
// window the start-up builds today is destroyed first and built again: a little cheaper than a true
// first opening, since its code and resources have been touched once already.
#include "PaintWatch.h"
#include "config/frmCloseConfig.h"
#include "config/frmConfig.h"
#include "config/frmEditProfile.h"
#include "config/frmWarnNewConnection.h"
#include "console/Windows.h"
#include "console/frmDeleteProfile.h"
#include "console/frmStart.h"
#include "dialing/frmConnectNoDefault.h"
#include "dialing/frmDialSelected.h"
#include "dialing/frmPassword.h"
#include "monitor/frmAbout.h"
#include "monitor/frmCost.h"
#include "monitor/frmCreateShortcut.h"
#include "monitor/frmHelpDelete.h"
#include "monitor/frmHelpEdit.h"
#include "monitor/frmHelpStart.h"
#include "monitor/frmReminder.h"
#include "monitor/frmSound.h"
#include "monitor/frmTimerConsole.h"
#include "monitor/frmWarn.h"
#include "startup/BenchData.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
constexpr int kRuns = 5;

struct Window {
    const char* name;
    std::function<QWidget*(Windows&)> open;
    std::function<void(Windows&)> unload;
    std::function<bool(const Windows&)> loaded;
};

#define MT_WINDOW(T)                                                                                         \
    Window {                                                                                                 \
#T, [](Windows &                                                                                     \
               w) -> QWidget* { return &w.T(); },                                                            \
                                               [](Windows &                                                  \
                                                  w) { w.T##_unload(); },                                    \
                                                                       [](const Windows&                     \
                                                                              w) { return w.T##_loaded(); }  \
    }

// The configuration console first: it is the window opened most, right after the main console.
const std::vector<Window>& windows() {
    static const std::vector<Window> all{
        MT_WINDOW(frmConfig),
        MT_WINDOW(frmSound),
        MT_WINDOW(frmCreateShortcut),
        MT_WINDOW(frmDeleteProfile),
        MT_WINDOW(frmEditProfile),
        MT_WINDOW(frmCloseConfig),
        MT_WINDOW(frmWarnNewConnection),
        MT_WINDOW(frmPassword),
        MT_WINDOW(frmConnectNoDefault),
        MT_WINDOW(frmDialSelected),
        MT_WINDOW(frmWarn),
        MT_WINDOW(frmReminder),
        MT_WINDOW(frmTimerConsole),
        MT_WINDOW(frmCost),
        MT_WINDOW(frmAbout),
        MT_WINDOW(frmHelpStart),
        MT_WINDOW(frmHelpEdit),
        MT_WINDOW(frmHelpDelete),
    };
    return all;
}

// Runs the event loop until the widget has been painted once (at most 5 s).
bool waitForPaint(PaintWatch& watch) {
    bool late = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &guard, [&late] { late = true; });
    guard.start(5000);
    while (!watch.painted && !late)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return watch.painted;
}

// Constructs, fills (fill may be empty), shows and paints a window; returns the milliseconds taken.
double openWindow(Windows& p, const Window& w, const std::function<void(QWidget*)>& fill) {
    if (w.loaded(p)) {
        w.unload(p);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    PaintWatch watch;
    QElapsedTimer t;
    t.start();
    QWidget* widget = w.open(p);
    if (fill)
        fill(widget);
    widget->installEventFilter(&watch);
    widget->show();
    const bool painted = waitForPaint(watch);
    const double ms = double(t.nsecsElapsed()) / 1e6;
    widget->removeEventFilter(&watch);
    widget->hide();
    QCoreApplication::processEvents();
    return painted ? ms : -1;
}

// The program and its windows, with the simulator on the folder's phone book.
struct App {
    std::unique_ptr<Program> program;
    std::unique_ptr<Windows> windows;
};

App makeApp(const QString& dir, const FakeMessageBoxes** shownBoxes) {
    const QString book = benchPhonebook(dir);
    Seams seams;
    fillLinuxSeams(seams);
    auto boxes = std::make_unique<FakeMessageBoxes>();
    *shownBoxes = boxes.get();
    seams.boxes = std::move(boxes);
    seams.ras = makeSimRasControl(SimOptions{QFile::exists(book) ? book : QString(), {}}, nullptr);
    App app;
    app.program = std::make_unique<Program>(std::move(seams), dir);
    app.windows = std::make_unique<Windows>(*app.program);
    return app;
}

void showMainConsole(Windows& w) {
    PaintWatch painted;
    w.frmStart().installEventFilter(&painted);
    w.frmStart().show();
    w.frmStart().update();
    waitForPaint(painted);
    w.frmStart().removeEventFilter(&painted);
}

// One process: an ordinary start in dir, the main console shown. With cold, only the configuration
// console is then opened, for the first time in the process; otherwise each window in turn (a window
// the start-up built is destroyed first). Prints "name milliseconds" lines, and "#" lines of notes.
int measureOnce(const QString& dir, bool cold) {
    const FakeMessageBoxes* shownBoxes = nullptr;
    App app = makeApp(dir, &shownBoxes);
    Windows& w = *app.windows;
    w.startUp();
    showMainConsole(w);
    if (!shownBoxes->shown.isEmpty()) {
        std::fprintf(stderr, "bench_windows: not an ordinary start in %s\n", qPrintable(dir));
        return 1;
    }
    if (cold) {
        if (w.frmConfig_loaded()) {
            std::fprintf(stderr, "bench_windows: the start-up built the configuration console\n");
            return 1;
        }
        std::printf("cold %.3f\n", openWindow(w, windows().front(), {}));
        return 0;
    }
    QStringList built;
    for (const Window& win : windows()) {
        if (win.loaded(w))
            built << QLatin1String(win.name);
    }
    std::printf("# built at start-up: %s\n", qPrintable(built.join(QLatin1Char(' '))));
    for (const Window& win : windows())
        std::printf("%s %.3f\n", win.name, openWindow(w, win, {}));
    return 0;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// Runs measureOnce in fresh processes: 1 warm-up, then kRuns; returns every figure's medians and the
// notes of the warm-up.
bool runAll(const QString& dir, bool cold, QMap<QString, double>* medians, QStringList* notes) {
    QMap<QString, std::vector<double>> all;
    for (int run = 0; run <= kRuns; ++run) {
        QProcess child;
        QStringList args{QStringLiteral("--once"), dir};
        if (cold)
            args << QStringLiteral("--cold");
        child.start(QCoreApplication::applicationFilePath(), args);
        if (!child.waitForFinished(120000) || child.exitStatus() != QProcess::NormalExit ||
            child.exitCode() != 0) {
            std::fprintf(stderr, "bench_windows: a measuring run failed:\n%s\n",
                         child.readAllStandardError().constData());
            return false;
        }
        const QStringList lines = QString::fromUtf8(child.readAllStandardOutput()).split(QLatin1Char('\n'));
        for (const QString& line : lines) {
            if (line.startsWith(QLatin1Char('#'))) {
                if (run == 0)
                    *notes << line.mid(2);
                continue;
            }
            const QStringList f = line.split(QLatin1Char(' '));
            if (f.size() == 2 && run > 0)
                all[f.at(0)].push_back(f.at(1).toDouble());
        }
    }
    for (auto it = all.cbegin(); it != all.cend(); ++it)
        medians->insert(it.key(), median(it.value()));
    return true;
}
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.value(1) == QLatin1String("--once"))
        return measureOnce(args.value(2), args.contains(QStringLiteral("--cold")));

    QTemporaryDir sample, big;
    QString error;
    if (writeBenchData(sample.path(), 0, false, &error) < 0 ||
        writeBenchData(big.path(), 1000, false, &error) < 0) {
        std::fprintf(stderr, "bench_windows: cannot prepare the data folders: %s\n", qPrintable(error));
        return 1;
    }
    QMap<QString, double> cold, cold1000, each;
    QStringList notes;
    if (!runAll(sample.path(), true, &cold, &notes) || !runAll(big.path(), true, &cold1000, &notes) ||
        !runAll(sample.path(), false, &each, &notes))
        return 1;
    for (const QString& note : std::as_const(notes))
        std::fprintf(stderr, "bench_windows: %s\n", qPrintable(note));
    const QString platform = QGuiApplication::platformName();
    std::printf("configuration_console_first_opening: %.1f ms (aim < 100 ms; %s, construct + show + first "
                "paint, with the main console up)\n",
                cold.value(QStringLiteral("cold")), qPrintable(platform));
    std::printf("configuration_console_first_opening_1000_profiles: %.1f ms (aim < 100 ms)\n",
                cold1000.value(QStringLiteral("cold")));
    // A window the start-up builds today is built a second time here: its figure is a little low.
    const QString built = notes.filter(QStringLiteral("built at start-up")).value(0);
    for (const Window& w : windows()) {
        const bool again = built.split(QLatin1Char(' ')).contains(QLatin1String(w.name));
        std::printf("window_first_opening_%s: %.1f ms (aim < 100 ms%s)\n", w.name,
                    each.value(QLatin1String(w.name)),
                    again ? "; built at start-up, so built a second time here" : "");
    }
    return 0;
}
