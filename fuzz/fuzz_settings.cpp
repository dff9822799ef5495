// The settings file: its reader on any bytes, and the writer and reader together.
//
// The first byte picks the mode. Even: the rest is a settings file; it is read, shown in the
// console and saved as the program does, and the saved file must read back without being reported
// damaged, to the same settings, and save to the same bytes again; a file reported damaged is kept
// whole beside it. Even with 0x10 set: the same file grown past the reader's bound, which must be
// refused without being read, with one box, nothing taken from it, and moved aside whole. Odd: the
// rest gives the values of profiles and text settings (separated by NUL bytes) as a user could type
// them; what is saved must read back to exactly those values.
#include "FuzzSupport.h"

#include "core/SettingsFile.h"

#include <QFileInfo>

#include <array>

namespace {

using fuzz::FuzzProgram;
using fuzz::require;

QString settingsPath() {
    return QDir(fuzz::scratchDir()).filePath(SettingsFile::fileName());
}

QString keptPath(const QString& name = SettingsFile::damagedCopyName()) {
    return QDir(fuzz::scratchDir()).filePath(name);
}

// The kept copies of earlier inputs go, so each input starts in the same folder (and the numbered
// names do not pile up over a run).
void removeKeptCopies() {
    QDir dir(fuzz::scratchDir());
    const QStringList kept = dir.entryList({SettingsFile::damagedCopyName() + QLatin1Char('*')},
                                           QDir::AllEntries | QDir::Hidden | QDir::System);
    for (const QString& name : kept)
        dir.remove(name);
}

// Reads the settings file now in the scratch folder into a fresh program, shows them in its console
// and saves them; returns the bytes saved.
QByteArray readShowSave(FuzzProgram& p) {
    SettingsFile::read(*p.program);
    SettingsFile::settleAfterRead(*p.program);
    QString error;
    require(SettingsFile::write(*p.program, &error), "saving the settings failed");
    return fuzz::readFile(settingsPath());
}

void fileMode(const char* data, size_t size) {
    removeKeptCopies();
    fuzz::writeFile(settingsPath(), data, size);
    FuzzProgram first;
    const QByteArray saved = readShowSave(first);
    if (first.boxes->shown > 0)
        require(fuzz::readFile(keptPath()) == QByteArray(data, qsizetype(size)),
                "a damaged settings file is not kept whole");

    FuzzProgram second;
    const QByteArray savedAgain = readShowSave(second);
    require(second.boxes->shown == 0, "a saved settings file reads as damaged");
    require(savedAgain == saved, "saving what was read changes the file");

    Settings expected = first.program->settings;
    // The attempts box shows the limit only when a redial option is chosen; the file keeps the box.
    expected.gRedialMax = second.program->settings.gRedialMax;
    require(second.program->settings == expected, "the saved settings read back different");
}

void oversizedMode(const char* data, size_t size) {
    removeKeptCopies();
    fuzz::writeFile(settingsPath(), data, size);
    // Past the bound by a few bytes or by far; the room is a hole in the file, written in no time.
    const qint64 past = size > 0 ? qint64(uchar(data[0])) * 65536 + 1 : 1;
    if (!QFile(settingsPath()).resize(SettingsFile::kMaxBytes + past))
        fuzz::fail("cannot grow the scratch file");
    FuzzProgram p;
    bool usable = true;
    const int profiles = SettingsFile::read(*p.program, &usable);
    require(!usable && profiles == 0 && p.boxes->shown == 1, "an oversized settings file was read");
    require(p.program->settings == Settings() && p.program->fileProfiles.isEmpty(),
            "something was taken from an oversized settings file");
    require(!QFileInfo::exists(settingsPath()), "an oversized settings file was not moved aside");
    QFile kept(keptPath());
    require(kept.open(QIODevice::ReadOnly) && kept.size() == SettingsFile::kMaxBytes + past &&
                kept.read(qint64(size)) == QByteArray(data, qsizetype(size)),
            "an oversized settings file was not kept whole");
}

// The text settings a user sets through the console, in no particular order. The hours and
// dollars values are kept trimmed.
using TextMember = QString Settings::*;
constexpr std::array<TextMember, 34> kTexts = {
    &Settings::gDefaultProfile,    &Settings::gConnectDefault,    &Settings::gPromptPassword,
    &Settings::gTrayOnConnect,     &Settings::gMinimizeOnConnect, &Settings::gStayOnConnect,
    &Settings::gAutoDial,          &Settings::gLaunchBrowser,     &Settings::gRedialTillConnect,
    &Settings::gRedialLimited,     &Settings::gReminderOn,        &Settings::gReminderInMinutes,
    &Settings::gReminderInHours,   &Settings::gDisplayTimer,      &Settings::gUnlimitedTime,
    &Settings::gFreeHours,         &Settings::gWarnFreeTime,      &Settings::gCostPerHour,
    &Settings::gCostPerMinute,     &Settings::gCostDollars,       &Settings::gCostCents,
    &Settings::gShowCost,          &Settings::gWarnTimePC,        &Settings::gWarnTimePCHours,
    &Settings::gWarnTimePM,        &Settings::gWarnTimePMHours,   &Settings::gWarnCostPC,
    &Settings::gWarnCostPCDollars, &Settings::gWarnCostPM,        &Settings::gWarnCostPMDollars,
    &Settings::gKeepAlive,         &Settings::gPlaySound,         &Settings::gUseDefaultSound,
    &Settings::gCustomSoundFile,
};

bool keptTrimmed(TextMember m) {
    return m == &Settings::gFreeHours || m == &Settings::gCostDollars || m == &Settings::gCostCents ||
           m == &Settings::gWarnTimePCHours || m == &Settings::gWarnTimePMHours ||
           m == &Settings::gWarnCostPCDollars || m == &Settings::gWarnCostPMDollars;
}

void valuesMode(bool latin1, const char* data, size_t size) {
    QList<QString> values;
    for (const QByteArray& part : QByteArray(data, qsizetype(size)).split('\0')) {
        QString v = latin1 ? QString::fromLatin1(part) : QString::fromUtf8(part);
        // A line break cannot be part of a value of this line-per-value file; the writer blanks it.
        v.replace(u'\r', u' ').replace(u'\n', u' ');
        values.append(v);
    }

    FuzzProgram first;
    Program& p = *first.program;
    Settings& st = p.settings;
    qsizetype next = 0;
    const auto take = [&values, &next]() { return next < values.size() ? values.at(next++) : QString(); };
    // The first value: how many profiles follow (four values each).
    const int profiles = int(take().size() % 8);
    for (int i = 0; i < profiles; ++i) {
        const QString name = take();
        const QString user = take(), password = take(), domain = take();
        if (!st.gProfiles.contains(name) && !st.gProfiles.contains(name + QStringLiteral("Username")) &&
            !st.gProfiles.contains(name + QStringLiteral("Password")) &&
            !st.gProfiles.contains(name + QStringLiteral("Domain")))
            st.gProfiles.addProfile(name, user, password, domain);
    }
    for (const TextMember m : kTexts) {
        if (next >= values.size())
            break;
        const QString v = take();
        st.*m = keptTrimmed(m) ? v.trimmed() : v;
    }
    // The console's boxes as the user left them: Save writes the start page and the attempts as shown.
    const QString startPage = take();
    p.startPageLine = startPage;
    st.gStartURL = startPage;
    p.redialLine = QString::number(st.gRedialMax);

    QString error;
    require(SettingsFile::write(p, &error), "saving the settings failed");
    const Settings expected = st;

    FuzzProgram second;
    SettingsFile::read(*second.program);
    require(second.boxes->shown == 0, "saved settings read as damaged");
    require(second.program->settings == expected, "saved settings read back different");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    if (size == 0)
        return 0;
    const char* data = reinterpret_cast<const char*>(bytes);
    if ((bytes[0] & 1) == 0 && (bytes[0] & 0x10) != 0)
        oversizedMode(data + 1, size - 1);
    else if ((bytes[0] & 1) == 0)
        fileMode(data + 1, size - 1);
    else
        valuesMode((bytes[0] & 2) != 0, data + 1, size - 1);
    return 0;
}
