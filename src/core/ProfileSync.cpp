#include "core/ProfileSync.h"

#include "core/Program.h"

void reconcileProfiles(Program& program, int fileProfileCount) {
    const QStringList& entries = program.listedEntries;
    const int entryCount = int(entries.size());
    const QString title = QCoreApplication::translate("ProfileSync", "Updating ModemTally");

    if (entryCount < fileProfileCount) {
        program.boxes().msgBox(
            QCoreApplication::translate("ProfileSync",
                                        "ModemTally has detected that you have deleted away some connection "
                                        "profiles. You are required to update the config"),
            BoxButtons::Ok, BoxIcon::Critical, title);
        emit program.profilesToDelete();
        return;
    }
    if (fileProfileCount < entryCount) {
        program.boxes().msgBox(
            QCoreApplication::translate("ProfileSync",
                                        "ModemTally has detected that you have created new DUN profile. You "
                                        "need to provide ModemTally with the new name of your connection "
                                        "profiles."),
            BoxButtons::Ok, BoxIcon::Critical, title);
        // Every listed entry that has no profile yet gets one, wherever it stands in the list: a new
        // entry sorted in among the old ones must not be missed while an old one is skipped as known.
        for (const QString& name : entries) {
            if (!program.settings.gProfiles.hasProfile(name))
                program.settings.gProfiles.addProfile(name);
        }
    }
}
