#include "core/SettingsFile.h"

#include "core/Program.h"
#include "core/SettingsCodec.h"
#include "core/YesNo.h"
#include "platform/WholeFile.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace SettingsFile {

QString fileName() {
    return QStringLiteral("cc.txt");
}

QString damagedCopyName() {
    return QStringLiteral("cc.txt.damaged");
}

QString initialStartPageLine() {
    return Settings::defaultStartUrl();
}

QString initialRedialLine() {
    return QStringLiteral("3");
}

bool write(Program& program, QString* error) {
    const QByteArray data =
        SettingsCodec::encode(program.settings, program.startPageLine, program.redialLine);
    // The file holds passwords: readable and writable by its owner only.
    const QString reason = writeWholeFile(program.dataPath(fileName()), data, true);
    if (!reason.isEmpty()) {
        if (error)
            *error = reason;
        return false;
    }
    program.settings.gFirstRun = kFalse;
    return true;
}

int read(Program& program, bool* usable) {
    if (usable)
        *usable = false;
    const QString path = program.dataPath(fileName());
    QByteArray data;
    const QString readError = readWholeFile(path, kMaxBytes, &data);
    if (!readError.isEmpty()) {
        // Nothing of it is used and the program starts as on a first run. Whatever is under the
        // name goes aside, whole, so the first save can write a new file and nothing is lost.
        QString keptAs;
        const QString moveError =
            moveAsideNumbered(program.dataDir(), fileName(), damagedCopyName(), &keptAs);
        QString text =
            QCoreApplication::translate("SettingsFile", "The settings file \"%1\" could not be read (%2). "
                                                        "ModemTally is using its default settings.")
                .arg(path, readError);
        if (moveError.isEmpty())
            text += QCoreApplication::translate("SettingsFile", " It was moved aside as \"%1\".").arg(keptAs);
        else
            text += QCoreApplication::translate("SettingsFile", " It could not be moved aside (%1).")
                        .arg(moveError);
        program.boxes().msgBox(text, BoxButtons::Ok, BoxIcon::Exclamation);
        return 0;
    }
    program.settings.gFirstRun = kFalse;
    program.settingsFileRead = true;
    if (usable)
        *usable = true;

    const SettingsCodec::Decoded decoded = SettingsCodec::decode(data, program.settings);
    program.fileProfiles += decoded.profileNames;

    if (decoded.damaged) {
        // A copy of the damaged file is kept beside it (it holds passwords: owner only), under a
        // name of its own: an earlier kept copy is never replaced.
        const QString kept = nextFreeNumberedName(program.dataDir(), damagedCopyName());
        const QString copyError = writeWholeFile(program.dataPath(kept), data, true);
        QString text = QCoreApplication::translate("SettingsFile",
                                                   "The settings file \"%1\" is damaged. The settings that "
                                                   "could be read are in use; all others have their default "
                                                   "values.")
                           .arg(path);
        if (copyError.isEmpty())
            text +=
                QCoreApplication::translate("SettingsFile", " A copy of the damaged file was kept as \"%1\".")
                    .arg(kept);
        else
            text += QCoreApplication::translate("SettingsFile",
                                                " The damaged file could not be copied aside (%1).")
                        .arg(copyError);
        program.boxes().msgBox(text, BoxButtons::Ok, BoxIcon::Exclamation);
    }
    return decoded.profilesRead;
}

void tidyDataFolder(Program& program) {
    const QString folder = program.dataDir();
    // The program's own files here: the settings, the reminder marker, the kept copies of damaged
    // settings and the month files (20266.txt, 202612.txt).
    static const QRegularExpression ours(
        QStringLiteral(R"(cc1?\.txt|cc\.txt\.damaged(\.[0-9]+)?|[0-9]{4}(1[0-2]|[1-9])\.txt)"));
    const QStringList removed = removeInterruptedSaves(folder, ours);
    if (!removed.isEmpty())
        qInfo("Removed what interrupted saves left in %s: %s", qPrintable(folder),
              qPrintable(removed.join(QLatin1String(", "))));

    bool narrowed = false;
    const QString narrowError = narrowToOwnerOnly(program.dataPath(fileName()), &narrowed);
    if (!narrowError.isEmpty())
        qWarning("Could not make %s readable by its owner only: %s", qPrintable(fileName()),
                 qPrintable(narrowError));
    else if (narrowed)
        qInfo("%s made readable by its owner only", qPrintable(fileName()));

    // Told at every start while it lasts: anyone who may write there can plant a link or a file under
    // the name of one of these files, or remove them.
    if (writableByOthers(folder))
        program.boxes().msgBox(
            QCoreApplication::translate("SettingsFile",
                                        "Other users can add, replace or remove files in ModemTally's data "
                                        "folder \"%1\". Make it writable by you only, for example with: "
                                        "chmod go-w \"%1\"")
                .arg(folder),
            BoxButtons::Ok, BoxIcon::Exclamation);
}

void settleAfterRead(Program& program) {
    Settings& st = program.settings;

    if (st.gDefaultProfile == QLatin1String("None"))
        program.setConnectCaption(QCoreApplication::translate("Program", "Connect"));
    else if (isTrue(st.gConnectDefault))
        program.setConnectCaption(
            QCoreApplication::translate("Program", "Connect to %1").arg(st.gDefaultProfile));

    if (isTrue(st.gCostPerHour))
        st.gCostPerMinute = kFalse;
    else if (isTrue(st.gCostPerMinute))
        st.gCostPerHour = kFalse;

    // The box shows what was read (a line box holds at most 32767 characters); the model keeps the
    // text trimmed, as after any edit of the box.
    program.startPageLine = st.gStartURL.left(32767);
    st.gStartURL = program.startPageLine.trimmed();

    if (isTrue(st.gRedialTillConnect)) {
        st.gRedialLimited = kFalse;
        program.redialLine = QString::number(st.gRedialMax).left(3);
    } else if (isTrue(st.gRedialLimited)) {
        st.gRedialTillConnect = kFalse;
        program.redialLine = QString::number(st.gRedialMax).left(3);
    }

    if (isTrue(st.gReminderInMinutes))
        st.gReminderInHours = kFalse;
    else if (isTrue(st.gReminderInHours))
        st.gReminderInMinutes = kFalse;
}

} // namespace SettingsFile
