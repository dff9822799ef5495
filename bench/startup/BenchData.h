#pragma once
// A data folder for the start-up benchmarks, so that the measured start is an ordinary one (the main
// console, not the first-run console, is the first window).
//
// With entries > 0, DIR/phonebook.ini is first written: a simulator phone book of that many lines.
// Then the program makes its first start in DIR with that phone book (else the built-in sample, or
// with nm the NetworkManager on the system bus), which lists every entry as a profile; each profile
// gets a user name and a password, as a user would give them, and DIR/cc.txt is saved with the
// program's own writer. Returns the number of profiles saved, or -1 with a reason.
#include "core/SettingsFile.h"
#include "core/Program.h"
#include "platform/desktop/LinuxPlatform.h"
#include "platform/ras/nm/NmRasControl.h"
#include "platform/ras/sim/SimPhoneBook.h"
#include "platform/ras/sim/SimRasControl.h"
#include "support/Fakes.h"

#include <QDir>
#include <QFile>
#include <QStringList>

inline QString benchPhonebook(const QString& dir) {
    return QDir(dir).filePath(QStringLiteral("phonebook.ini"));
}

inline int writeBenchData(const QString& dir, int entries, bool nm, QString* error) {
    QDir().mkpath(dir);
    QFile::remove(QDir(dir).filePath(SettingsFile::fileName()));
    SimOptions sim;
    if (entries > 0) {
        SimPhoneBook book;
        for (int i = 1; i <= entries; ++i) {
            SimEntry e;
            e.name = QStringLiteral("Dial-up line %1").arg(i, 4, 10, QLatin1Char('0'));
            e.number = QStringLiteral("555-%1").arg(i, 4, 10, QLatin1Char('0'));
            e.stepMs = {400};
            book.entries.append(e);
        }
        sim.phonebookFile = benchPhonebook(dir);
        if (!book.save(sim.phonebookFile, error))
            return -1;
    }
    Seams seams;
    fillLinuxSeams(seams);
    seams.boxes = std::make_unique<FakeMessageBoxes>(); // answers the first start's welcome box
    seams.ras = nm ? makeNmRasControl(error) : makeSimRasControl(sim, error);
    if (!seams.ras)
        return -1;
    Program program(std::move(seams), dir);
    program.startUp();
    QStringList names;
    for (const ProfileStore::Item& item : program.settings.gProfiles.items()) {
        if (item.key == item.value && program.settings.gProfiles.hasProfile(item.key))
            names << item.key;
    }
    for (int i = 0; i < names.size(); ++i)
        program.settings.gProfiles.replaceProfile(names.at(i), QStringLiteral("user%1").arg(i + 1),
                                                  QStringLiteral("secret%1").arg(i + 1), QString());
    if (!SettingsFile::write(program, error))
        return -1;
    return int(names.size());
}
