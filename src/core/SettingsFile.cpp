#include "core/SettingsFile.h"

#include "core/Program.h"
#include "core/SettingsCodec.h"
#include "core/YesNo.h"
#include "platform/WholeFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

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

int read(Program& program) {
    program.settings.gFirstRun = kFalse;
    program.settingsFileRead = true;

    const QString path = program.dataPath(fileName());
    QFile file(path);
    // Only a plain file is opened: a folder cannot be read, and a named pipe would block start-up.
    const bool plainFile = QFileInfo(path).isFile();
    if (!plainFile || !file.open(QIODevice::ReadOnly)) {
        program.boxes().msgBox(
            QCoreApplication::translate("SettingsFile", "The settings file \"%1\" could not be read (%2). "
                                                        "ModemTally is using its default settings.")
                .arg(path, plainFile ? file.errorString()
                                     : QCoreApplication::translate("SettingsFile", "it is not a file")),
            BoxButtons::Ok, BoxIcon::Exclamation);
        return 0;
    }
    const QByteArray data = file.readAll();
    file.close();

    const SettingsCodec::Decoded decoded = SettingsCodec::decode(data, program.settings);
    program.fileProfiles += decoded.profileNames;

    if (decoded.damaged) {
        // A copy of the damaged file is kept beside it (it holds passwords: owner only).
        const QString copyError = writeWholeFile(program.dataPath(damagedCopyName()), data, true);
        QString text = QCoreApplication::translate(
                           "SettingsFile", "The settings file \"%1\" is damaged. The settings that could be "
                                           "read are in use; all others have their default values.")
                           .arg(path);
        if (copyError.isEmpty())
            text +=
                QCoreApplication::translate("SettingsFile", " A copy of the damaged file was kept as \"%1\".")
                    .arg(damagedCopyName());
        else
            text += QCoreApplication::translate("SettingsFile",
                                                " The damaged file could not be copied aside (%1).")
                        .arg(copyError);
        program.boxes().msgBox(text, BoxButtons::Ok, BoxIcon::Exclamation);
    }
    return decoded.profilesRead;
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
