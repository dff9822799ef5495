// ModemTally: dials, times and prices dial-up and metered connections.
#include "app/CommandLine.h"
#include "console/Windows.h"
#include "core/Program.h"
#include "core/formRAS.h"
#include "history/HistoryCommand.h"
#include "history/HistoryRecorder.h"
#include "platform/Folders.h"
#include "platform/HeapRelease.h"
#include "platform/Translation.h"
#include "platform/desktop/LinuxPlatform.h"
#include "platform/ras/nm/NmRasControl.h"
#include "platform/ras/sim/SimRasControl.h"
#include "resources/AppIcon.h"
#include "service/Instance.h"
#include "service/RemoteVerbs.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[]) {
    // The command line is read before the application object exists, which needs a display: --help,
    // --version and a wrong option answer without one.
    Folders::setProgramNames();
    QGuiApplication::setDesktopFileName(Folders::appId());
    CommandLine cmd = CommandLine::parse(CommandLine::fromArgv(argc, argv));
    if (cmd.outcome == CommandLine::Outcome::Exit)
        return cmd.finish();
    if (cmd.outcome == CommandLine::Outcome::Run && cmd.history) {
        const QString f = cmd.historyFormat;
        const HistoryCommand::Options history{{cmd.historyFrom, cmd.historyTo, cmd.historyProfile},
                                              f == QLatin1String("csv")    ? History::Format::Csv
                                              : f == QLatin1String("json") ? History::Format::Json
                                                                           : History::Format::Table};
        return HistoryCommand::run(argc, argv, cmd.dataDir, history);
    }
    if (!cmd.verb.isEmpty()) {
        // A verb talks to the running instance over the session bus: no display needed.
        QCoreApplication core(argc, argv);
        return RemoteVerbs::run(cmd.verb, cmd.connectProfile, cmd.json, cmd.dataDir);
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(appIcon()); // every window's icon, and the tray's
    // The texts in the desktop's language, when the program has a translation for it.
    const auto translation = Translation::load();
    if (translation)
        QCoreApplication::installTranslator(translation.get());
    if (cmd.outcome == CommandLine::Outcome::AfterQtApp) {
        cmd = CommandLine::parse(QCoreApplication::arguments(), true);
        if (cmd.outcome != CommandLine::Outcome::Run)
            return cmd.finish();
    }

    Seams seams;
    fillLinuxSeams(seams);

    QString error;
    const QString dataDir = Folders::dataFolder(cmd.dataDir, &error);
    if (dataDir.isEmpty()) {
        std::fprintf(stderr, "modemtally: %s\n", qPrintable(error));
        return 2;
    }
    // One instance per user and data folder: a second start hands its command line to the first.
    if (const auto status = Instance::handOver(dataDir, QCoreApplication::arguments()))
        return *status;

    QString backend = cmd.backend;
    if (backend == QLatin1String("auto")) {
        // NetworkManager's backend when the service runs. The backend looks for it on its own
        // connection to the system bus, which it then keeps: the bus is joined once.
        std::unique_ptr<RasControl> nm = makeNmRasControl(&error);
        const auto* control = qobject_cast<const NmRasControl*>(nm.get());
        backend = control && control->serviceRunning() ? QStringLiteral("nm") : QStringLiteral("sim");
        if (backend == QLatin1String("nm"))
            seams.ras = std::move(nm);
    }
    if (backend == QLatin1String("nm")) {
        if (!seams.ras)
            seams.ras = makeNmRasControl(&error);
    } else if (backend == QLatin1String("sim")) {
        seams.ras = makeSimRasControl(SimOptions{cmd.phonebook, cmd.simOutside}, &error);
    } else {
        error = QStringLiteral("Unknown backend \"%1\": use auto, sim or nm.").arg(backend);
    }
    if (!seams.ras) {
        std::fprintf(stderr, "modemtally: %s\n", qPrintable(error));
        return 2;
    }

    Program program(std::move(seams), dataDir);
    // The profiles' plans live in the program's INI file, beside its other settings.
    program.plans.setFile(Folders::settingsFilePath());
    Windows windows(program);
    Instance instance(program, windows, dataDir);
    if (const auto status = instance.claim(QCoreApplication::arguments()))
        return *status;
    // The usage journal, once this is the data folder's only instance: recovers a session a killed
    // program left open, then records each session.
    HistoryRecorder history(program, backend);
    if (auto* nm = qobject_cast<NmRasControl*>(&program.ras())) {
        // The backend reports what the user must know (a missing connection editor, say) as text.
        QObject::connect(nm, &NmRasControl::userMessage, &app, [&program](const QString& text) {
            program.boxes().msgBox(text, BoxButtons::Ok, BoxIcon::Exclamation);
        });
        // The desktop's editor creates a profile after CreateEntry has returned: list the entries
        // again when it appears, so the new one is taken up.
        QObject::connect(nm, &NmRasControl::entriesChanged, &app, [&program] {
            if (program.flags.gCreatingProfile)
                program.formRAS().listEntriesAgain();
        });
    }
    program.setOnFinished([] { QTimer::singleShot(0, qApp, &QCoreApplication::quit); });
    QTimer::singleShot(0, &app, [&app, &windows, &instance] {
        windows.startUp();
        instance.startedUp();
        // Once the first window has been painted and the start-up's temporary memory is freed.
        QTimer::singleShot(2000, &app, &HeapRelease::releaseFreePages);
    });
    return app.exec();
}
