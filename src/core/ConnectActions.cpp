#include "core/ConnectActions.h"

#include "core/Program.h"
#include "core/StartPage.h"
#include "core/YesNo.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryFile>

namespace ConnectActions {

void PlayConnectSound(Program& program) {
    const Settings& s = program.settings;
    if (!isTrue(s.gPlaySound))
        return;
    if (isTrue(s.gUseDefaultSound))
        program.sound().playStandard();
    else if (s.gCustomSoundFile != QLatin1String("none"))
        program.sound().playFile(s.gCustomSoundFile);
}

void LaunchBrowser(Program& program) {
    QString browser;
    {
        // A throw-away web document, only there to ask which program opens such documents. It is a
        // private file of a fresh name (never a fixed path another user could plant or race), and it
        // is gone when this block ends, whatever the lookup found.
        QTemporaryFile document(QDir(QDir::tempPath()).filePath(QStringLiteral("modemtally-XXXXXX.html")));
        if (document.open()) {
            document.write("\"<HTML> <\\HTML>\"\r\n");
            document.close();
        }
        const QString path = document.fileName().isEmpty()
                                 ? QDir(QDir::tempPath()).filePath(QStringLiteral("modemtally.html"))
                                 : document.fileName();
        browser = program.browser().findProgramFor(path).trimmed();
    }

    if (browser.isEmpty()) {
        program.boxes().msgBox(
            QCoreApplication::translate("ConnectActions", "Could not find associated Browser"),
            BoxButtons::Ok, BoxIcon::Exclamation,
            QCoreApplication::translate("ConnectActions", "ModemTally : Browser Not Found"));
        return;
    }
    // The start page goes to the browser as an address of its own (never as an option); one that
    // cannot be opened safely is refused like a launch that fails.
    const std::optional<QUrl> page = StartPage::urlToOpen(program.settings.gStartURL);
    if (!page || !program.browser().startProgram(browser, *page))
        program.boxes().msgBox(QCoreApplication::translate("ConnectActions", "Web Page not Opened"),
                               BoxButtons::Ok, BoxIcon::Exclamation,
                               QCoreApplication::translate("ConnectActions", "Invalid URL"));
}

QString keepAliveHost() {
    return QStringLiteral("www.wikipedia.org");
}

void KeepAliveBurst(Program& program) {
    IcmpEcho& echo = program.icmp();
    if (echo.isRunning())
        return;
    echo.startBurst(keepAliveHost());
}

} // namespace ConnectActions
