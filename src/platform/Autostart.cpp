#include "platform/Autostart.h"

#include "platform/DesktopEntryText.h"
#include "platform/Folders.h"
#include "platform/WholeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

using DesktopEntryText::escapeValue;
using DesktopEntryText::quoteArgument;

namespace {

// The value of `key` in the [Desktop Entry] group of `text`, or an empty text.
QString valueOf(const QByteArray& text, const QByteArray& key) {
    bool inMainGroup = false;
    for (const QByteArray& raw : text.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith('[')) {
            inMainGroup = line == "[Desktop Entry]";
            continue;
        }
        if (!inMainGroup || line.startsWith('#'))
            continue;
        const int eq = line.indexOf('=');
        if (eq > 0 && line.left(eq).trimmed() == key)
            return QString::fromUtf8(line.mid(eq + 1).trimmed());
    }
    return {};
}

} // namespace

namespace Autostart {

QString entryPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/") + Folders::appId() + QStringLiteral(".desktop");
}

QByteArray entryText(const QString& program, const QStringList& arguments) {
    QStringList exec{quoteArgument(program)};
    for (const QString& a : arguments)
        exec << quoteArgument(a);
    // TryExec: a program removed or moved since leaves the entry inert instead of failing at login.
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Version=1.0\n"
                          "Name=ModemTally\n"
                          "Comment=Dial, time and price dial-up and metered connections\n"
                          "Icon=modemtally\n"
                          "TryExec=%1\n"
                          "Exec=%2\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(escapeValue(program), escapeValue(exec.join(QLatin1Char(' '))))
        .toUtf8();
}

bool isEnabled() {
    QFile f(entryPath());
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = f.read(64 * 1024);
    return valueOf(text, "Hidden").compare(QLatin1String("true"), Qt::CaseInsensitive) != 0 &&
           valueOf(text, "X-GNOME-Autostart-enabled").compare(QLatin1String("false"), Qt::CaseInsensitive) !=
               0;
}

QString enable(const QString& program, const QStringList& arguments) {
    const QString exe =
        QFileInfo(program.isEmpty() ? QCoreApplication::applicationFilePath() : program).absoluteFilePath();
    const QString path = entryPath();
    if (!QDir().mkpath(QFileInfo(path).path()))
        return QStringLiteral("cannot create the folder %1").arg(QFileInfo(path).path());
    return writeWholeFile(path, entryText(exe, arguments));
}

QStringList argumentsFor(const QString& dataDir) {
    const QString own = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString chosen = QDir::cleanPath(QDir(dataDir).absolutePath());
    if (!own.isEmpty() && chosen == QDir::cleanPath(QDir(own).absolutePath()))
        return {};
    return {QStringLiteral("--data-dir"), chosen};
}

QString disable() {
    QFile f(entryPath());
    if (!f.exists() && !QFileInfo(entryPath()).isSymLink())
        return {};
    if (!f.remove())
        return f.errorString();
    return {};
}

} // namespace Autostart
