#include "console/SettingsFile.h"

#include "config/frmConfig.h"
#include "console/frmDeleteProfile.h"
#include "console/frmStart.h"
#include "core/Program.h"
#include "core/YesNo.h"
#include "monitor/frmSound.h"
#include "platform/WholeFile.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QStringDecoder>

#include <array>
#include <cmath>
#include <limits>
#include <span>

namespace {

// How one value line is held in the model.
enum class Form {
    Text,        // stored as read
    TrimmedText, // stored trimmed (the hours and dollars values)
    Int16,       // trimmed and read as a 16-bit whole number
    StartPage,   // written from the console's textStartURL, read as text into gStartURL
    RedialLimit, // written from the console's textRedialNumber, read as a 16-bit number into gRedialMax
};

struct Slot {
    Form form;
    QString Settings::*text = nullptr;
    qint16 Settings::*number = nullptr;
};

struct Section {
    const char* marker;
    std::span<const Slot> values;
};

constexpr Slot text(QString Settings::*m) {
    return Slot{Form::Text, m, nullptr};
}
constexpr Slot trimmed(QString Settings::*m) {
    return Slot{Form::TrimmedText, m, nullptr};
}
constexpr Slot int16(qint16 Settings::*m) {
    return Slot{Form::Int16, nullptr, m};
}

const char kConnectionProfile[] = "##Connection Profile##";
const char kDefaultProfile[] = "##Default Profile##";

// The value lines after the profile block, section by section, in file order.
const Slot sDefault[] = {text(&Settings::gDefaultProfile)};
const Slot sConnect[] = {text(&Settings::gConnectDefault), text(&Settings::gPromptPassword)};
const Slot sWindow[] = {text(&Settings::gTrayOnConnect), text(&Settings::gMinimizeOnConnect),
                        text(&Settings::gStayOnConnect)};
const Slot sAutoDial[] = {text(&Settings::gAutoDial)};
const Slot sBrowser[] = {text(&Settings::gLaunchBrowser),
                         Slot{Form::StartPage, &Settings::gStartURL, nullptr}};
const Slot sRedial[] = {text(&Settings::gRedialTillConnect), text(&Settings::gRedialLimited),
                        Slot{Form::RedialLimit, nullptr, &Settings::gRedialMax}};
const Slot sReminder[] = {text(&Settings::gReminderOn), int16(&Settings::gReminderInterval),
                          text(&Settings::gReminderInMinutes), text(&Settings::gReminderInHours)};
const Slot sTimer[] = {text(&Settings::gDisplayTimer)};
const Slot sUnlimited[] = {text(&Settings::gUnlimitedTime)};
const Slot sFree[] = {trimmed(&Settings::gFreeHours), int16(&Settings::gFreeMinutes)};
const Slot sWarnFree[] = {text(&Settings::gWarnFreeTime)};
const Slot sCost[] = {text(&Settings::gCostPerHour), text(&Settings::gCostPerMinute),
                      trimmed(&Settings::gCostDollars), trimmed(&Settings::gCostCents)};
const Slot sShowCost[] = {text(&Settings::gShowCost)};
const Slot sTimePC[] = {text(&Settings::gWarnTimePC), trimmed(&Settings::gWarnTimePCHours),
                        int16(&Settings::gWarnTimePCMinutes)};
const Slot sTimePM[] = {text(&Settings::gWarnTimePM), trimmed(&Settings::gWarnTimePMHours),
                        int16(&Settings::gWarnTimePMMinutes)};
const Slot sCostPC[] = {text(&Settings::gWarnCostPC), trimmed(&Settings::gWarnCostPCDollars),
                        int16(&Settings::gWarnCostPCCents)};
const Slot sCostPM[] = {text(&Settings::gWarnCostPM), trimmed(&Settings::gWarnCostPMDollars),
                        int16(&Settings::gWarnCostPMCents)};
const Slot sKeepAlive[] = {text(&Settings::gKeepAlive)};
const Slot sPlaySound[] = {text(&Settings::gPlaySound)};
const Slot sSound[] = {text(&Settings::gUseDefaultSound), text(&Settings::gCustomSoundFile)};

const std::array<Section, 20> kSections = {{
    {kDefaultProfile, sDefault},
    {"##Connect Default##", sConnect},
    {"##Window State##", sWindow},
    {"##AutoDial##", sAutoDial},
    {"##Launch Web Browser##", sBrowser},
    {"##Redial Number##", sRedial},
    {"##Activate Reminder##", sReminder},
    {"##Display Timer##", sTimer},
    {"##Unlimited Connection##", sUnlimited},
    {"##Free Time Values##", sFree},
    {"##Warn Free Time##", sWarnFree},
    {"##Variable Cost##", sCost},
    {"##Connection Cost##", sShowCost},
    {"##Warn time PC##", sTimePC},
    {"##Warn time PM##", sTimePM},
    {"##Warn cost PC##", sCostPC},
    {"##Warn cost PM##", sCostPM},
    {"##Simulate##", sKeepAlive},
    {"##Play Sound##", sPlaySound},
    {"##Default/Custom Sound##", sSound},
}};

// Whether a line is one of the file's markers.
bool isMarker(QStringView line) {
    if (line.size() < 4 || line.front() != u'#')
        return false;
    if (line == QLatin1String(kConnectionProfile))
        return true;
    for (const Section& s : kSections) {
        if (line == QLatin1String(s.marker))
            return true;
    }
    return false;
}

// A value that reads as a marker once its leading backslashes are set aside. Such a value (a password
// "##Default Profile##", say) would end its block early and shift every later line of this positional
// file, so it is written with one more backslash in front, which the reader takes off again.
bool isEscapable(QStringView value) {
    qsizetype i = 0;
    while (i < value.size() && value.at(i) == u'\\')
        ++i;
    return isMarker(value.mid(i));
}

// One line of the file, ended by CR LF.
void appendLine(QString& out, QLatin1String marker) {
    out += marker;
    out += QLatin1String("\r\n");
}

// One value line, ended by CR LF. A line break inside a value would shift every later line of this
// positional file, so it is written as a blank; a value that would read as a marker is escaped.
void appendValue(QString& out, const QString& value) {
    const qsizetype start = out.size();
    out += value;
    for (qsizetype i = start; i < out.size(); ++i) {
        if (out.at(i) == u'\r' || out.at(i) == u'\n')
            out[i] = u' ';
    }
    if (isEscapable(QStringView(out).mid(start)))
        out.insert(start, u'\\');
    out += QLatin1String("\r\n");
}

// The value a line stands for: an escaped marker loses the backslash the writer put in front.
QString unescapedValue(QString line) {
    if (line.startsWith(u'\\') && isEscapable(line))
        line.remove(0, 1);
    return line;
}

bool isUtf8Text(const QByteArray& data);

// The file's bytes: single-byte (Latin-1) text whenever every character fits, so files stay as they
// always were; a name or password with a character beyond Latin-1 would be lost as "?" that way, so
// such a file is written whole in UTF-8 instead. So is a file whose Latin-1 bytes would read as UTF-8
// (a password "Ã©" is the UTF-8 bytes of "é"), since the reader would take it for UTF-8.
QByteArray encodeFile(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() > 0xFF)
            return text.toUtf8();
    }
    QByteArray latin1 = text.toLatin1();
    if (isUtf8Text(latin1))
        return text.toUtf8();
    return latin1;
}

// Whether the file's bytes are UTF-8 text with at least one character beyond ASCII (as the writer
// produces for such names); anything else is read as Latin-1, as files always were.
bool isUtf8Text(const QByteArray& data) {
    bool beyondAscii = false;
    for (const char c : data) {
        if (uchar(c) >= 0x80) {
            beyondAscii = true;
            break;
        }
    }
    if (!beyondAscii)
        return false;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    [[maybe_unused]] const QString decoded = decoder(data);
    return !decoder.hasError();
}

// A 16-bit number line: trimmed, then read as a whole number (a decimal fraction or exponent is
// rounded half to even); nothing when it is not a number or does not fit.
std::optional<qint16> fileNumber(const QString& line) {
    const QString t = line.trimmed();
    bool ok = false;
    const short s = t.toShort(&ok);
    if (ok)
        return qint16(s);
    const double d = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(d))
        return std::nullopt;
    const double r = std::nearbyint(d);
    if (r < std::numeric_limits<qint16>::min() || r > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return qint16(r);
}

// The file's lines: CR LF (or a bare LF) ends a line; a last line without an ending still counts.
QList<QByteArray> splitLines(const QByteArray& data) {
    QList<QByteArray> lines;
    lines.reserve(data.count('\n') + 1);
    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype end = data.indexOf('\n', start);
        const bool last = end < 0;
        if (last)
            end = data.size();
        qsizetype len = end - start;
        if (len > 0 && data.at(start + len - 1) == '\r')
            --len;
        lines.append(data.mid(start, len));
        start = end + 1;
    }
    return lines;
}

class Reader {
public:
    Reader(Program& program, const QList<QByteArray>& lines, bool utf8)
        : m_p(program), m_lines(lines), m_utf8(utf8) {}

    int profilesRead = 0;
    bool damaged = false;

    void run() {
        if (m_lines.isEmpty() || m_lines.first() != kConnectionProfile) {
            // Not a settings file of this program (or its start is lost): nothing in it can be trusted.
            damaged = true;
            return;
        }
        m_pos = 1;
        if (!readProfiles())
            return;
        readSections();
    }

private:
    bool atEnd() const { return m_pos >= m_lines.size(); }
    QString line(qsizetype i) const {
        return unescapedValue(m_utf8 ? QString::fromUtf8(m_lines.at(i)) : QString::fromLatin1(m_lines.at(i)));
    }

    // The profile block up to and including "##Default Profile##"; false when the file ends first.
    bool readProfiles() {
        QListWidget* checklist = m_p.frmDeleteProfile().listUpdateProfiles;
        ProfileStore& store = m_p.settings.gProfiles;
        // At most every line before the sections is a profile item.
        store.reserve(store.size() + m_lines.size());
        for (;;) {
            if (atEnd()) {
                damaged = true;
                return false;
            }
            const QByteArray& current = m_lines.at(m_pos);
            if (current == kDefaultProfile) {
                ++m_pos;
                return true;
            }
            if (current == kConnectionProfile) {
                ++m_pos;
                continue;
            }
            const QString name = line(m_pos++);
            std::array<QString, 3> credentials;
            bool cutShort = false;
            for (QString& value : credentials) {
                if (atEnd() || m_lines.at(m_pos) == kDefaultProfile) {
                    cutShort = true;
                    break;
                }
                value = line(m_pos++);
            }
            if (cutShort)
                damaged = true;
            // A name met a second time (letter case ignored) keeps its first block.
            const QString user = name + QStringLiteral("Username");
            const QString password = name + QStringLiteral("Password");
            const QString domain = name + QStringLiteral("Domain");
            if (!store.contains(name) && !store.contains(user) && !store.contains(password) &&
                !store.contains(domain)) {
                store.addProfile(name, credentials[0], credentials[1], credentials[2]);
                ++profilesRead;
                auto* item = new QListWidgetItem(name);
                item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
                item->setCheckState(Qt::Unchecked);
                checklist->addItem(item); // added once complete: one change signal, not three
            }
        }
    }

    bool isLaterMarker(const QByteArray& l, std::size_t section) const {
        if (!l.startsWith("##"))
            return false;
        for (std::size_t j = section + 1; j < kSections.size(); ++j) {
            if (l == kSections[j].marker)
                return true;
        }
        return false;
    }

    void readSections() {
        for (std::size_t i = 0; i < kSections.size(); ++i) {
            const Section& s = kSections[i];
            if (i > 0) { // the first marker closed the profile block
                if (atEnd()) {
                    damaged = true;
                    return;
                }
                if (m_lines.at(m_pos) == s.marker) {
                    ++m_pos;
                } else {
                    damaged = true;
                    const qsizetype found = m_lines.indexOf(QByteArray(s.marker), m_pos);
                    if (found >= 0)
                        m_pos = found + 1; // extra lines before the marker are skipped
                    else if (isLaterMarker(m_lines.at(m_pos), i))
                        continue; // the whole section is missing: its values keep their defaults
                    else
                        ++m_pos; // a mistyped marker: taken by its position
                }
            }
            for (const Slot& slot : s.values) {
                if (atEnd()) {
                    damaged = true;
                    return;
                }
                if (isLaterMarker(m_lines.at(m_pos), i)) {
                    damaged = true; // value lines are missing; the rest of the section keeps defaults
                    break;
                }
                store(slot, line(m_pos++));
            }
        }
    }

    void store(const Slot& slot, const QString& value) {
        Settings& st = m_p.settings;
        switch (slot.form) {
        case Form::Text:
        case Form::StartPage:
            st.*slot.text = value;
            break;
        case Form::TrimmedText:
            st.*slot.text = value.trimmed();
            break;
        case Form::Int16:
            if (const auto n = fileNumber(value))
                st.*slot.number = *n;
            else
                damaged = true;
            break;
        case Form::RedialLimit:
            // Save writes the attempts box as shown, so a non-number here is the program's own doing:
            // it reads as no redial limit, not as damage.
            st.*slot.number = fileNumber(value).value_or(0);
            break;
        }
    }

    Program& m_p;
    const QList<QByteArray>& m_lines;
    bool m_utf8 = false;
    qsizetype m_pos = 0;
};

// Keeps a copy of the damaged file beside it (it holds passwords: owner only). Returns the reason of
// a failure, or an empty text.
QString keepDamagedCopy(Program& program, const QByteArray& data) {
    return writeWholeFile(program.dataPath(SettingsFile::damagedCopyName()), data, true);
}

void setCheck(QCheckBox* box, bool checked) {
    box->setChecked(checked);
}
void select(QRadioButton* option) {
    option->setChecked(true);
}

} // namespace

namespace SettingsFile {

QString fileName() {
    return QStringLiteral("cc.txt");
}

QString damagedCopyName() {
    return QStringLiteral("cc.txt.damaged");
}

bool write(Program& program, QString* error) {
    const Settings& st = program.settings;
    // The start page and attempts lines come from the console's boxes; a console that was never
    // opened would show its initial texts, so those are written without creating it.
    const bool console = program.frmConfig_loaded();
    const QString startPage =
        console ? program.frmConfig().textStartURL->text() : Settings::defaultStartUrl();
    const QString redialText =
        console ? program.frmConfig().textRedialNumber->text() : frmConfig::initialRedialText();

    QString out;
    out.reserve(2048 + st.gProfiles.size() * 24);
    appendLine(out, QLatin1String(kConnectionProfile));
    for (const ProfileStore::Item& item : st.gProfiles.items())
        appendValue(out, item.value);
    for (const Section& s : kSections) {
        appendLine(out, QLatin1String(s.marker));
        for (const Slot& slot : s.values) {
            switch (slot.form) {
            case Form::Text:
            case Form::TrimmedText:
                appendValue(out, st.*slot.text);
                break;
            case Form::Int16:
                appendValue(out, QString::number(st.*slot.number));
                break;
            case Form::StartPage:
                appendValue(out, startPage);
                break;
            case Form::RedialLimit:
                appendValue(out, redialText);
                break;
            }
        }
    }

    // The file holds passwords: readable and writable by its owner only.
    const QString reason = writeWholeFile(program.dataPath(fileName()), encodeFile(out), true);
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
    // The console exists before the values are read (its creation sets its own option buttons).
    program.frmConfig();

    const QString path = program.dataPath(fileName());
    QFile file(path);
    // Only a plain file is opened: a folder cannot be read, and a named pipe would block start-up.
    const bool plainFile = QFileInfo(path).isFile();
    if (!plainFile || !file.open(QIODevice::ReadOnly)) {
        program.boxes().msgBox(
            QStringLiteral("The settings file \"%1\" could not be read (%2). "
                           "ModemTally is using its default settings.")
                .arg(path, plainFile ? file.errorString() : QStringLiteral("it is not a file")),
            BoxButtons::Ok, BoxIcon::Exclamation);
        return 0;
    }
    const QByteArray data = file.readAll();
    file.close();

    const QList<QByteArray> lines = splitLines(data);
    Reader reader(program, lines, isUtf8Text(data));
    reader.run();

    if (reader.damaged) {
        const QString copyError = keepDamagedCopy(program, data);
        QString text = QStringLiteral("The settings file \"%1\" is damaged. The settings that could be "
                                      "read are in use; all others have their default values.")
                           .arg(path);
        if (copyError.isEmpty())
            text += QStringLiteral(" A copy of the damaged file was kept as \"%1\".").arg(damagedCopyName());
        else
            text += QStringLiteral(" The damaged file could not be copied aside (%1).").arg(copyError);
        program.boxes().msgBox(text, BoxButtons::Ok, BoxIcon::Exclamation);
    }
    return reader.profilesRead;
}

void showInConsole(Program& program) {
    const Settings& st = program.settings;
    frmConfig& c = program.frmConfig();

    c.textDefault->setText(st.gDefaultProfile);
    if (st.gDefaultProfile == QLatin1String("None")) {
        program.frmStart().cmdConnectDefault->setText(QStringLiteral("Connect"));
        c.hideConnectDefaultGroup();
    } else if (isTrue(st.gConnectDefault)) {
        select(c.optionConnectDefaultYes);
        c.showConnectDefaultGroup();
        program.frmStart().cmdConnectDefault->setText(QStringLiteral("Connect to ") + st.gDefaultProfile);
    }
    if (isTrue(st.gPromptPassword))
        select(c.optionYesPromptPassword);
    else
        select(c.optionNoPromptPassword);

    frmSound& sound = program.frmSound();
    if (isFalse(st.gUseDefaultSound)) {
        select(sound.optionPlayCustomSound);
        sound.optionPlayDefaultSound->setChecked(false);
        sound.textSelectedSound->setText(st.gCustomSoundFile);
    } else if (isTrue(st.gUseDefaultSound)) {
        sound.frameCustom->hide();
        sound.textSelectedSound->setText(QStringLiteral("none"));
        select(sound.optionPlayDefaultSound);
    }

    c.cmdShowSound->setEnabled(false);
    if (isTrue(st.gPlaySound))
        setCheck(c.checkPlaySound, true);
    if (isTrue(st.gWarnFreeTime))
        setCheck(c.checkWarnFreeTime, true);
    if (isTrue(st.gShowCost))
        setCheck(c.checkConnectionCost, true);
    if (isTrue(st.gKeepAlive))
        setCheck(c.checkSimulate, true);

    for (QLineEdit* field : {c.textWarnTimePCh, c.textWarnTimePCm, c.textWarnTimePMh, c.textWarnTimePMm,
                             c.textWarnCostPCd, c.textWarnCostPCc, c.textWarnCostPMd, c.textWarnCostPMc})
        field->setEnabled(false);
    if (isTrue(st.gWarnTimePC))
        setCheck(c.checkWarnTimePC, true);
    if (isTrue(st.gWarnTimePM))
        setCheck(c.checkWarnTimePM, true);
    if (isTrue(st.gWarnCostPC))
        setCheck(c.checkWarnCostPC, true);
    if (isTrue(st.gWarnCostPM))
        setCheck(c.checkWarnCostPM, true);
    c.textWarnTimePCh->setText(st.gWarnTimePCHours);
    c.textWarnTimePCm->setText(QString::number(st.gWarnTimePCMinutes));
    c.textWarnTimePMh->setText(st.gWarnTimePMHours);
    c.textWarnTimePMm->setText(QString::number(st.gWarnTimePMMinutes));
    c.textWarnCostPCd->setText(st.gWarnCostPCDollars);
    c.textWarnCostPCc->setText(QString::number(st.gWarnCostPCCents));
    c.textWarnCostPMd->setText(st.gWarnCostPMDollars);
    c.textWarnCostPMc->setText(QString::number(st.gWarnCostPMCents));

    if (isTrue(st.gCostPerHour))
        select(c.optionCPH);
    else if (isTrue(st.gCostPerMinute))
        select(c.optionCPM);
    c.textVarDollar->setText(st.gCostDollars);
    c.textVarCent->setText(st.gCostCents);

    if (isTrue(st.gAutoDial))
        setCheck(c.checkAutoDial, true);
    if (isTrue(st.gDisplayTimer))
        setCheck(c.checkDisplayTimer, true);

    c.textFreeHour->setText(st.gFreeHours);
    c.textFreeMinute->setText(QString::number(st.gFreeMinutes));

    if (isTrue(st.gUnlimitedTime))
        setCheck(c.checkUnlimitedConnection, true);

    if (isTrue(st.gLaunchBrowser))
        setCheck(c.checkLaunchBrowser, true);
    else if (isFalse(st.gLaunchBrowser))
        c.textStartURL->setEnabled(false);
    c.textStartURL->setText(st.gStartURL);

    // The redial limit is read before the option's click behaviour runs (it rewrites the flags).
    const qint16 redialMax = st.gRedialMax;
    if (isTrue(st.gRedialTillConnect)) {
        select(c.optionRedialTillConnect);
        c.textRedialNumber->setText(QString::number(redialMax));
        c.textRedialNumber->setEnabled(false);
    } else if (isTrue(st.gRedialLimited)) {
        select(c.optionRedialForXTimes);
        c.textRedialNumber->setEnabled(true);
        c.textRedialNumber->setText(QString::number(redialMax));
    }

    const bool inMinutes = isTrue(st.gReminderInMinutes);
    const bool inHours = isTrue(st.gReminderInHours);
    if (isTrue(st.gReminderOn)) {
        setCheck(c.checkActivateReminder, true);
        c.textReminder->setText(QString::number(st.gReminderInterval));
    } else if (isFalse(st.gReminderOn)) {
        c.textReminder->setText(QString::number(st.gReminderInterval));
        c.textReminder->setEnabled(false);
        c.optionReminderMinute->setEnabled(false);
        c.optionReminderHour->setEnabled(false);
    } else {
        c.textReminder->setText(QString::number(st.gReminderInterval));
    }
    if (inMinutes)
        select(c.optionReminderMinute);
    else if (inHours)
        select(c.optionReminderHour);
}

} // namespace SettingsFile
