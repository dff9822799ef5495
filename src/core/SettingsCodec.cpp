#include "core/SettingsCodec.h"

#include "core/Money.h"

#include <QLocale>
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
    const double r = roundTiesToEven(d);
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
    Reader(Settings& settings, const QList<QByteArray>& lines, bool utf8)
        : m_settings(settings), m_lines(lines), m_utf8(utf8) {}

    int profilesRead = 0;
    QStringList profileNames;
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
    // A value as the writer would give it back: a CR inside a line (not ending it) is a blank, so what
    // is held is what is saved. Otherwise a name "a<CR>b" would be saved as "a b" beside a profile
    // "a b", and the next read would take the two for one and drop the second.
    QString line(qsizetype i) const {
        QString v = m_utf8 ? QString::fromUtf8(m_lines.at(i)) : QString::fromLatin1(m_lines.at(i));
        v.replace(u'\r', u' ');
        return unescapedValue(std::move(v));
    }

    // The profile block up to and including "##Default Profile##"; false when the file ends first.
    bool readProfiles() {
        ProfileStore& store = m_settings.gProfiles;
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
                profileNames.append(name);
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
        Settings& st = m_settings;
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

    Settings& m_settings;
    const QList<QByteArray>& m_lines;
    bool m_utf8 = false;
    qsizetype m_pos = 0;
};

} // namespace

namespace SettingsCodec {

QByteArray encode(const Settings& st, const QString& startPage, const QString& redialText) {
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
    return encodeFile(out);
}

Decoded decode(const QByteArray& data, Settings& settings) {
    const QList<QByteArray> lines = splitLines(data);
    Reader reader(settings, lines, isUtf8Text(data));
    reader.run();
    return Decoded{reader.profilesRead, reader.profileNames, reader.damaged};
}

} // namespace SettingsCodec
