#include "platform/ras/sim/SimPhoneBook.h"

#include "platform/WholeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <algorithm>

namespace {

// The built-in sample phone book; samples/phonebook.ini is the same text.
const char kSampleText[] = R"INI(; ModemTally simulator phone book.
; Each [section] is one phone-book entry; entries are listed in the order of this file.
; Keys of an entry:
;   Number     the phone number shown in "Dialing <number>..."
;   Outcomes   what the 1st, 2nd, 3rd... dial attempt does; the last one repeats:
;              connect, busy, no carrier, no dial tone, authentication failure
;   StepMs     milliseconds each progress step takes; a list whose last value repeats
;   DropAfter  seconds after which a connected line drops by itself (absent or 0: never)
;   DownloadRate, UploadRate
;              bytes per second the connected line receives and sends (absent: 0)
;   UserName, Password
;              the only credentials the far end accepts (absent: any)

; Connects every time.
[Office]
Number=555-0100
Outcomes=connect
StepMs=400
DownloadRate=36000
UploadRate=4200

; Busy on the first two attempts, then connects: try the redial settings.
[Busy Line]
Number=555-0142
Outcomes=busy, busy, connect
StepMs=400

; Busy on every attempt: try the redial limit.
[Always Busy]
Number=555-0199
Outcomes=busy
StepMs=400

; The modems never agree.
[No Carrier]
Number=555-0111
Outcomes=no carrier
StepMs=500

; The phone line is dead.
[No Dial Tone]
Number=555-0123
Outcomes=no dial tone
StepMs=300

; The far end refuses every login.
[Wrong Password]
Number=555-0177
Outcomes=authentication failure
StepMs=400

; Connects only with the user name guest and the password modem.
[Members Only]
Number=555-0155
Outcomes=connect
StepMs=400
UserName=guest
Password=modem

; Connects, then the line drops by itself after 90 seconds.
[Flaky ISP]
Number=555-0190
Outcomes=connect
StepMs=400
DropAfter=90
DownloadRate=5200
UploadRate=1800

; Three seconds per step: time enough to hang up while it dials.
[Slow Line]
Number=555-0160
Outcomes=connect
StepMs=3000
)INI";

bool hasControlChar(const QString& s) {
    return std::any_of(s.cbegin(), s.cend(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

// "no carrier", "No-Carrier" and "nocarrier" are the same word.
QString squeezed(const QString& s) {
    QString out;
    for (QChar c : s) {
        if (!c.isSpace() && c != QLatin1Char('-') && c != QLatin1Char('_'))
            out += c.toLower();
    }
    return out;
}

void trimBlankEdges(QStringList* lines) {
    while (!lines->isEmpty() && lines->first().isEmpty())
        lines->removeFirst();
    while (!lines->isEmpty() && lines->last().isEmpty())
        lines->removeLast();
}

// The parts of SimPhoneBook::problemWith, in its order: the name, then (there) another entry of the
// same name, then the settings.
QString nameProblem(const SimEntry& e) {
    if (e.name.trimmed().isEmpty())
        return QStringLiteral("The entry needs a name.");
    if (e.name != e.name.trimmed())
        return QStringLiteral("An entry name cannot begin or end with a blank.");
    if (hasControlChar(e.name) || e.name.contains(QLatin1Char('[')) || e.name.contains(QLatin1Char(']')))
        return QStringLiteral("An entry name cannot hold [, ] or line breaks.");
    return {};
}

QString duplicateProblem(const SimEntry& other) {
    return QStringLiteral("There is already an entry called \"%1\".").arg(other.name);
}

QString settingsProblem(const SimEntry& e) {
    if (hasControlChar(e.number) || hasControlChar(e.userName) || hasControlChar(e.password))
        return QStringLiteral("The phone number, user name and password cannot hold line breaks.");
    if (e.number != e.number.trimmed() || e.userName != e.userName.trimmed() ||
        e.password != e.password.trimmed())
        return QStringLiteral("The phone number, user name and password cannot begin or end with a blank.");
    if (e.outcomes.isEmpty())
        return QStringLiteral("Give at least one outcome.");
    if (e.stepMs.isEmpty())
        return QStringLiteral("Give at least one step time.");
    for (int ms : e.stepMs) {
        if (ms < 0 || ms > SimEntry::kMaxStepMs)
            return QStringLiteral("Step times run from 0 to %1 milliseconds.").arg(SimEntry::kMaxStepMs);
    }
    if (e.dropAfterSeconds < 0 || e.dropAfterSeconds > SimEntry::kMaxDropAfterSeconds)
        return QStringLiteral("The drop time runs from 0 (never) to %1 seconds.")
            .arg(SimEntry::kMaxDropAfterSeconds);
    if (e.downloadRate < 0 || e.downloadRate > SimEntry::kMaxRateBytesPerSecond || e.uploadRate < 0 ||
        e.uploadRate > SimEntry::kMaxRateBytesPerSecond)
        return QStringLiteral("Rates run from 0 to %1 bytes per second.")
            .arg(SimEntry::kMaxRateBytesPerSecond);
    return {};
}

// The name with each character case-folded as QString's case-insensitive comparison folds it: two
// names compare equal ignoring case exactly when their keys are equal.
QString foldedKey(const QString& name) {
    QString out;
    out.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        char32_t c = name.at(i).unicode();
        if (name.at(i).isHighSurrogate() && i + 1 < name.size() && name.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(name.at(i), name.at(i + 1));
            ++i;
        }
        out += QStringView(QChar::fromUcs4(QChar::toCaseFolded(c)));
    }
    return out;
}

} // namespace

SimOutcome SimEntry::outcomeOfAttempt(int attempt) const {
    if (outcomes.isEmpty())
        return SimOutcome::Connect;
    const qsizetype i = std::clamp<qsizetype>(attempt - 1, 0, outcomes.size() - 1);
    return outcomes.at(i);
}

int SimEntry::stepDurationMs(int step) const {
    if (stepMs.isEmpty())
        return kDefaultStepMs;
    const qsizetype i = std::clamp<qsizetype>(step, 0, stepMs.size() - 1);
    return stepMs.at(i);
}

bool SimEntry::acceptsCredentials(const QString& user, const QString& pass) const {
    if (userName.isEmpty() && password.isEmpty())
        return true;
    return user == userName && pass == password;
}

bool SimEntry::sameAs(const SimEntry& o) const {
    return name == o.name && number == o.number && outcomes == o.outcomes && stepMs == o.stepMs &&
           dropAfterSeconds == o.dropAfterSeconds && downloadRate == o.downloadRate &&
           uploadRate == o.uploadRate && userName == o.userName && password == o.password;
}

int SimPhoneBook::indexOf(const QString& name) const {
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (entries.at(i).name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

QString SimPhoneBook::outcomeName(SimOutcome outcome) {
    switch (outcome) {
    case SimOutcome::Connect:
        return QStringLiteral("connect");
    case SimOutcome::Busy:
        return QStringLiteral("busy");
    case SimOutcome::NoCarrier:
        return QStringLiteral("no carrier");
    case SimOutcome::NoDialTone:
        return QStringLiteral("no dial tone");
    case SimOutcome::AuthFailure:
        return QStringLiteral("authentication failure");
    }
    return {};
}

QString SimPhoneBook::outcomesText(const QList<SimOutcome>& outcomes) {
    QStringList words;
    for (SimOutcome o : outcomes)
        words << outcomeName(o);
    return words.join(QLatin1String(", "));
}

bool SimPhoneBook::parseOutcomes(const QString& text, QList<SimOutcome>* outcomes, QString* error) {
    QList<SimOutcome> out;
    for (const QString& item : text.split(QLatin1Char(','))) {
        const QString w = squeezed(item);
        if (w == QLatin1String("connect") || w == QLatin1String("connected") || w == QLatin1String("ok"))
            out << SimOutcome::Connect;
        else if (w == QLatin1String("busy"))
            out << SimOutcome::Busy;
        else if (w == QLatin1String("nocarrier"))
            out << SimOutcome::NoCarrier;
        else if (w == QLatin1String("nodialtone"))
            out << SimOutcome::NoDialTone;
        else if (w == QLatin1String("authenticationfailure") || w == QLatin1String("authfailure") ||
                 w == QLatin1String("auth"))
            out << SimOutcome::AuthFailure;
        else {
            *error = item.trimmed().isEmpty()
                         ? QStringLiteral("an outcome is missing between commas (outcomes: connect, busy, no "
                                          "carrier, no dial tone, authentication failure)")
                         : QStringLiteral("unknown outcome \"%1\" (use connect, busy, no carrier, no dial "
                                          "tone or authentication failure)")
                               .arg(item.trimmed());
            return false;
        }
    }
    *outcomes = out;
    return true;
}

QString SimPhoneBook::stepMsText(const QList<int>& stepMs) {
    QStringList parts;
    for (int ms : stepMs)
        parts << QString::number(ms);
    return parts.join(QLatin1String(", "));
}

bool SimPhoneBook::parseStepMs(const QString& text, QList<int>* stepMs, QString* error) {
    QList<int> out;
    for (const QString& item : text.split(QLatin1Char(','))) {
        bool ok = false;
        const int ms = item.trimmed().toInt(&ok);
        if (!ok || ms < 0 || ms > SimEntry::kMaxStepMs) {
            *error = QStringLiteral("step time \"%1\" is not a whole number of milliseconds from 0 to %2")
                         .arg(item.trimmed())
                         .arg(SimEntry::kMaxStepMs);
            return false;
        }
        out << ms;
    }
    *stepMs = out;
    return true;
}

bool SimPhoneBook::parseDropAfter(const QString& text, int* seconds, QString* error) {
    const QString t = text.trimmed();
    if (t.isEmpty() || t.compare(QLatin1String("never"), Qt::CaseInsensitive) == 0) {
        *seconds = 0;
        return true;
    }
    bool ok = false;
    const int s = t.toInt(&ok);
    if (!ok || s < 0 || s > SimEntry::kMaxDropAfterSeconds) {
        *error = QStringLiteral("drop time \"%1\" is not a whole number of seconds from 0 (never) to %2")
                     .arg(t)
                     .arg(SimEntry::kMaxDropAfterSeconds);
        return false;
    }
    *seconds = s;
    return true;
}

bool SimPhoneBook::parseRate(const QString& text, qint64* bytesPerSecond, QString* error) {
    const QString t = text.trimmed();
    bool ok = false;
    const qint64 r = t.isEmpty() ? 0 : t.toLongLong(&ok);
    if (!t.isEmpty() && (!ok || r < 0 || r > SimEntry::kMaxRateBytesPerSecond)) {
        *error = QStringLiteral("rate \"%1\" is not a whole number of bytes per second from 0 to %2")
                     .arg(t)
                     .arg(SimEntry::kMaxRateBytesPerSecond);
        return false;
    }
    *bytesPerSecond = r;
    return true;
}

QString SimPhoneBook::problemWith(const SimEntry& e, int self) const {
    QString problem = nameProblem(e);
    if (!problem.isEmpty())
        return problem;
    const int other = indexOf(e.name);
    if (other >= 0 && other != self)
        return duplicateProblem(entries.at(other));
    return settingsProblem(e);
}

bool SimPhoneBook::parse(const QString& text, const QString& sourceName, SimPhoneBook* book, QString* error) {
    SimPhoneBook result;
    QStringList pending; // comment and blank lines not yet given to an entry
    QStringList seenKeys;
    SimEntry* current = nullptr;
    int currentLine = 0;
    auto fail = [&](int line, const QString& why) {
        *error = QStringLiteral("%1, line %2: %3").arg(sourceName).arg(line).arg(why);
        return false;
    };
    // The entries so far by their names' keys, so that checking an entry against the ones before it
    // takes the same time however many there are.
    QHash<QString, qsizetype> byName;
    // Checks the finished entry as a whole, against the entries before it (as problemWith does).
    auto finish = [&]() {
        if (!current)
            return true;
        QString problem = nameProblem(*current);
        if (problem.isEmpty()) {
            const QString key = foldedKey(current->name);
            const auto it = byName.constFind(key);
            if (it != byName.constEnd())
                problem = duplicateProblem(result.entries.at(*it));
            else
                byName.insert(key, result.entries.size() - 1);
        }
        if (problem.isEmpty())
            problem = settingsProblem(*current);
        if (!problem.isEmpty())
            return fail(currentLine, problem);
        return true;
    };

    // Editors on some desktops start a UTF-8 file with a byte-order mark.
    const QString body = text.startsWith(QChar(0xFEFF)) ? text.mid(1) : text;
    // Line by line through views of the text: only what is kept is copied.
    const QStringView all(body);
    qsizetype start = 0;
    for (int lineNo = 1; start <= all.size(); ++lineNo) {
        qsizetype end = all.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = all.size();
        const QStringView line = all.mid(start, end - start).trimmed();
        start = end + 1;
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#'))) {
            pending << line.toString();
            continue;
        }
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            if (!finish())
                return false;
            SimEntry e;
            e.name = line.mid(1, line.size() - 2).trimmed().toString();
            trimBlankEdges(&pending);
            e.comments = pending;
            // A new list, not a cleared one: the entry shares the old list, and reusing it would give
            // every entry a copy of room that grows with each entry read (15 MB for 1,000 entries).
            pending = QStringList();
            result.entries << std::move(e);
            current = &result.entries.last();
            currentLine = lineNo;
            seenKeys.clear();
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            return fail(lineNo, QStringLiteral("expected [entry name], key=value or a ; comment"));
        if (!current)
            return fail(lineNo, QStringLiteral("a setting before the first [entry name]"));
        // A comment among an entry's settings stays with that entry (written above its section).
        if (!pending.isEmpty()) {
            trimBlankEdges(&pending);
            current->comments << pending;
            pending.clear();
        }
        const QString key = line.left(eq).trimmed().toString().toLower();
        const QString value = line.mid(eq + 1).trimmed().toString();
        if (seenKeys.contains(key))
            return fail(lineNo,
                        QStringLiteral("%1 is given twice for this entry").arg(line.left(eq).trimmed()));
        seenKeys << key;
        QString why;
        if (key == QLatin1String("number")) {
            current->number = value;
        } else if (key == QLatin1String("outcomes")) {
            if (!parseOutcomes(value, &current->outcomes, &why))
                return fail(lineNo, why);
        } else if (key == QLatin1String("stepms")) {
            if (!parseStepMs(value, &current->stepMs, &why))
                return fail(lineNo, why);
        } else if (key == QLatin1String("dropafter")) {
            if (!parseDropAfter(value, &current->dropAfterSeconds, &why))
                return fail(lineNo, why);
        } else if (key == QLatin1String("downloadrate")) {
            if (!parseRate(value, &current->downloadRate, &why))
                return fail(lineNo, why);
        } else if (key == QLatin1String("uploadrate")) {
            if (!parseRate(value, &current->uploadRate, &why))
                return fail(lineNo, why);
        } else if (key == QLatin1String("username")) {
            current->userName = value;
        } else if (key == QLatin1String("password")) {
            current->password = value;
        } else {
            return fail(lineNo,
                        QStringLiteral("unknown key \"%1\" (keys: Number, Outcomes, StepMs, DropAfter, "
                                       "DownloadRate, UploadRate, UserName, Password)")
                            .arg(line.left(eq).trimmed()));
        }
    }
    if (!finish())
        return false;
    trimBlankEdges(&pending);
    result.trailingComments = pending;
    *book = result;
    return true;
}

QString SimPhoneBook::toText() const {
    // One line after another, each ended by a line break, into one text.
    QString out;
    out.reserve(entries.size() * 96);
    const auto line = [&out](QStringView a, QStringView b = {}) {
        out += a;
        out += b;
        out += QLatin1Char('\n');
    };
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const SimEntry& e = entries.at(i);
        if (i > 0)
            line(u"");
        for (const QString& c : e.comments)
            line(c);
        out += QLatin1Char('[');
        line(e.name, u"]");
        line(u"Number=", e.number);
        line(u"Outcomes=", outcomesText(e.outcomes));
        line(u"StepMs=", stepMsText(e.stepMs));
        if (e.dropAfterSeconds > 0)
            line(u"DropAfter=", QString::number(e.dropAfterSeconds));
        if (e.downloadRate > 0)
            line(u"DownloadRate=", QString::number(e.downloadRate));
        if (e.uploadRate > 0)
            line(u"UploadRate=", QString::number(e.uploadRate));
        if (!e.userName.isEmpty() || !e.password.isEmpty()) {
            line(u"UserName=", e.userName);
            line(u"Password=", e.password);
        }
    }
    if (!trailingComments.isEmpty()) {
        if (!out.isEmpty())
            line(u"");
        for (const QString& c : trailingComments)
            line(c);
    }
    return out;
}

bool SimPhoneBook::load(const QString& path, SimPhoneBook* book, QString* error) {
    QFile f(path);
    if (!QFileInfo(path).isFile()) {
        *error = QStringLiteral("The phone book %1 does not exist or is not a file.").arg(path);
        return false;
    }
    if (!f.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("Cannot read the phone book %1: %2").arg(path, f.errorString());
        return false;
    }
    return parse(QString::fromUtf8(f.readAll()), QStringLiteral("Phone book %1").arg(path), book, error);
}

bool SimPhoneBook::save(const QString& path, QString* error) const {
    // It may hold passwords: readable and writable by its owner only.
    const QString reason = writeWholeFile(path, toText().toUtf8(), true);
    if (!reason.isEmpty()) {
        *error = QStringLiteral("Cannot save the phone book %1: %2").arg(path, reason);
        return false;
    }
    return true;
}

QString SimPhoneBook::sampleText() {
    return QString::fromUtf8(kSampleText);
}

SimPhoneBook SimPhoneBook::sample() {
    SimPhoneBook book;
    QString error;
    if (!parse(sampleText(), QStringLiteral("built-in phone book"), &book, &error))
        qFatal("%s", qPrintable(error));
    return book;
}
