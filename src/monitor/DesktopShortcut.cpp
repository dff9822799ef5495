#include "monitor/DesktopShortcut.h"

#include "platform/DesktopEntryText.h"

#include <QDir>
#include <QFile>

using DesktopEntryText::escapeValue;
using DesktopEntryText::quoteArgument;

namespace {
const QString kForbidden = QStringLiteral("/\\:*?\"<>|");
const QString kSuffix = QStringLiteral(".desktop");

bool hasControl(const QString& name) {
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control)
            return true;
    }
    return false;
}
} // namespace

namespace DesktopShortcut {

bool isForbidden(QChar c) {
    return kForbidden.contains(c);
}

bool hasForbidden(const QString& name) {
    for (const QChar c : name) {
        if (isForbidden(c))
            return true;
    }
    return false;
}

QString stripLinkSuffix(const QString& name) {
    if (name.endsWith(QLatin1String(".lnk"), Qt::CaseInsensitive) ||
        name.endsWith(QLatin1String(".pif"), Qt::CaseInsensitive))
        return name.left(name.size() - 4);
    return name;
}

QByteArray launcherText(const QString& name, const QString& target, const QStringList& arguments) {
    QStringList exec{quoteArgument(target)};
    for (const QString& a : arguments)
        exec << quoteArgument(a);
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Version=1.0\n"
                                        "Name=%1\n"
                                        "Exec=%2\n"
                                        "Terminal=false\n")
                             .arg(escapeValue(name), escapeValue(exec.join(QLatin1Char(' '))));
    return text.toUtf8();
}

Result create(const QString& folder, const QString& name, const QString& target,
              const QStringList& arguments) {
    const QString base = stripLinkSuffix(name);
    if (hasForbidden(base))
        return {Outcome::BadName, {}};
    if (base.trimmed().isEmpty() || base == QLatin1String(".") || base == QLatin1String("..") ||
        hasControl(base) || folder.isEmpty())
        return {Outcome::Failed, {}};
    const QDir dir(folder);
    if (!dir.mkpath(QStringLiteral(".")))
        return {Outcome::Failed, {}};

    constexpr int kMaxTries = 1000;
    for (int n = 1; n <= kMaxTries; ++n) {
        const QString shown = n == 1 ? base : QStringLiteral("%1 (%2)").arg(base).arg(n);
        const QString path = dir.filePath(shown + kSuffix);
        QFile f(path);
        // NewOnly: the file is created here or not at all, so nothing existing is ever replaced.
        if (!f.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (QFileInfo::exists(path) || QFileInfo(path).isSymLink())
                continue;
            return {Outcome::Failed, {}};
        }
        const QByteArray text = launcherText(shown, target, arguments);
        const bool written = f.write(text) == text.size() && f.flush();
        f.close();
        const bool executable =
            written &&
            f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                             QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
        if (!executable) {
            f.remove();
            return {Outcome::Failed, {}};
        }
        return {Outcome::Created, path};
    }
    return {Outcome::Failed, {}};
}

} // namespace DesktopShortcut
