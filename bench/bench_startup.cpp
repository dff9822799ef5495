// Start-up to a shown main console, under whatever platform QT_QPA_PLATFORM names (bench/run uses
// offscreen), with a saved settings file and the simulator's sample phone book; then peak memory.
#include "console/Windows.h"
#include "console/frmStart.h"
#include "core/Program.h"
#include "core/SettingsFile.h"
#include "platform/desktop/LinuxPlatform.h"
#include "platform/ras/sim/SimRasControl.h"
#include "support/Fakes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>

int main(int argc, char** argv) {
    QElapsedTimer sinceMain;
    sinceMain.start();
    QApplication app(argc, argv);
    const double appMs = double(sinceMain.nsecsElapsed()) / 1e6;
    QTemporaryDir dir;

    {
        // A first program saves the settings, so the measured start is an ordinary (not a first) one.
        // Its first run lists the phone book's entries as profiles; the welcome box is answered.
        Seams seams;
        fillLinuxSeams(seams);
        seams.boxes = std::make_unique<FakeMessageBoxes>();
        seams.ras = makeSimRasControl(SimOptions{}, nullptr);
        Program setup(std::move(seams), dir.path());
        Windows setupWindows(setup);
        setupWindows.startUp();
        if (!SettingsFile::write(setup)) {
            std::fprintf(stderr, "bench_startup: cannot save the settings\n");
            return 1;
        }
    }

    QElapsedTimer t;
    t.start();
    Seams seams;
    fillLinuxSeams(seams);
    auto boxes = std::make_unique<FakeMessageBoxes>();
    const FakeMessageBoxes* shownBoxes = boxes.get();
    seams.boxes = std::move(boxes);
    seams.ras = makeSimRasControl(SimOptions{}, nullptr);
    Program program(std::move(seams), dir.path());
    Windows windows(program);
    windows.startUp();
    QApplication::processEvents();
    const bool shown = windows.frmStart().isVisible();
    const double startMs = double(t.nsecsElapsed()) / 1e6;

    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    if (!shown || !shownBoxes->shown.isEmpty())
        std::fprintf(stderr, "bench_startup: not an ordinary start (a box was shown or no main console)\n");
    std::printf("startup_to_main_console: %.1f ms (aim < 150 ms)\n", startMs);
    std::printf("startup_with_application_object: %.1f ms (aim < 150 ms)\n", appMs + startMs);
    std::printf("startup_peak_memory: %.1f MB (aim < 40 MB)\n", double(ru.ru_maxrss) / 1024.0);
    return 0;
}
