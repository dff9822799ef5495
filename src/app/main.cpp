// ModemTally: dials, times and prices dial-up and metered connections.
#include "console/Windows.h"
#include "core/Program.h"
#include "core/formRAS.h"
#include "platform/desktop/LinuxPlatform.h"
#include "platform/ras/nm/NmRasControl.h"
#include "platform/ras/sim/SimRasControl.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ModemTally"));
    QApplication::setApplicationVersion(QStringLiteral(MT_VERSION));
    QApplication::setQuitOnLastWindowClosed(false);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Dials, redials, times and prices dial-up and metered connections."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption backendOpt(
        QStringLiteral("backend"), QStringLiteral("Remote-access backend: auto, sim or nm (default auto)."),
        QStringLiteral("name"), QStringLiteral("auto"));
    const QCommandLineOption dataDirOpt(QStringLiteral("data-dir"),
                                        QStringLiteral("Folder of the settings and month files (default: the "
                                                       "current folder)."),
                                        QStringLiteral("dir"));
    const QCommandLineOption phonebookOpt(QStringLiteral("phonebook"),
                                          QStringLiteral("Simulator phone book (INI file); default: the "
                                                         "built-in sample phone book."),
                                          QStringLiteral("file"));
    const QCommandLineOption outsideOpt(
        QStringLiteral("sim-outside"),
        QStringLiteral("Simulator: this entry is already connected by another "
                       "program at start."),
        QStringLiteral("entry"));
    parser.addOptions({backendOpt, dataDirOpt, phonebookOpt, outsideOpt});
    parser.process(app);

    Seams seams;
    fillLinuxSeams(seams);

    QString backend = parser.value(backendOpt).toLower();
    if (backend == QLatin1String("auto"))
        backend = networkManagerAvailable() ? QStringLiteral("nm") : QStringLiteral("sim");
    QString error;
    if (backend == QLatin1String("nm")) {
        seams.ras = makeNmRasControl(&error);
    } else if (backend == QLatin1String("sim")) {
        seams.ras =
            makeSimRasControl(SimOptions{parser.value(phonebookOpt), parser.value(outsideOpt)}, &error);
    } else {
        error = QStringLiteral("Unknown backend \"%1\": use auto, sim or nm.").arg(backend);
    }
    if (!seams.ras) {
        std::fprintf(stderr, "modemtally: %s\n", qPrintable(error));
        return 2;
    }

    const QString dataDir = parser.isSet(dataDirOpt) ? parser.value(dataDirOpt) : QDir::currentPath();
    if (!QDir().mkpath(dataDir)) {
        std::fprintf(stderr, "modemtally: cannot use the data folder %s\n", qPrintable(dataDir));
        return 2;
    }

    Program program(std::move(seams), dataDir);
    Windows windows(program);
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
    QTimer::singleShot(0, &app, [&windows] { windows.startUp(); });
    return app.exec();
}
