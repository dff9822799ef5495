#include "platform/ras/sim/SimRasControl.h"

#include "platform/ras/sim/SimEntryDialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>

QList<SimStep> simDialScript(const SimEntry& entry, SimOutcome outcome) {
    QList<SimStep> steps;
    steps << SimStep{QStringLiteral("Opening port..."), SimOpeningPort};
    steps << SimStep{QStringLiteral("Port opened."), SimPortOpened};
    steps << SimStep{entry.number.isEmpty() ? QStringLiteral("Dialing...")
                                            : QStringLiteral("Dialing %1...").arg(entry.number),
                     SimDialing};
    switch (outcome) {
    case SimOutcome::Busy:
        steps << SimStep{QStringLiteral("Dial failed: the line is busy"), SimLineBusy};
        break;
    case SimOutcome::NoCarrier:
        steps << SimStep{QStringLiteral("Dial failed: no carrier"), SimNoCarrier};
        break;
    case SimOutcome::NoDialTone:
        steps << SimStep{QStringLiteral("Dial failed: no dial tone"), SimNoDialTone};
        break;
    case SimOutcome::Connect:
    case SimOutcome::AuthFailure:
        steps << SimStep{QStringLiteral("Device connected."), SimDeviceConnected};
        steps << SimStep{QStringLiteral("Validation attempt..."), SimAuthenticating};
        if (outcome == SimOutcome::AuthFailure) {
            steps << SimStep{QStringLiteral("Authentication failed: user name or password refused"),
                             SimAuthFailed};
        } else {
            steps << SimStep{QStringLiteral("Authenticated."), SimAuthenticated};
            steps << SimStep{QStringLiteral("Connected"), SimConnected};
        }
        break;
    }
    return steps;
}

SimRasControl::SimRasControl(SimPhoneBook book, QString phonebookFile, QObject* parent)
    : RasControl(parent), m_book(std::move(book)), m_file(std::move(phonebookFile)) {
    m_lineTimer.setSingleShot(true);
    m_refusalTimer.setSingleShot(true);
    connect(&m_lineTimer, &QTimer::timeout, this, &SimRasControl::onLineTimer);
    connect(&m_refusalTimer, &QTimer::timeout, this, &SimRasControl::onRefusalTimer);
    m_runDialog = [](SimEntryDialog& dialog) { return dialog.exec(); };
    m_msNow = [] {
        QElapsedTimer t;
        t.start();
        return t.msecsSinceReference();
    };
    m_reportError = [](const QString& text) {
        QMessageBox::warning(QApplication::activeWindow(), QStringLiteral("ModemTally simulator"), text);
    };
}

SimRasControl::~SimRasControl() = default;

void SimRasControl::EnumEntries() {
    QStringList names;
    for (const SimEntry& e : m_book.entries)
        names << e.name;
    for (const QString& name : names)
        emit EnumEntry(name);
}

void SimRasControl::EnumConnections() {
    emit EnumConnection(m_line.phase == Phase::Up ? m_line.entry : QString());
}

bool SimRasControl::IsConnected() {
    return m_line.phase == Phase::Up && m_line.own;
}

void SimRasControl::HangUp(const QString& entryName) {
    if (entryName.isEmpty() || m_line.phase == Phase::Idle)
        return;
    if (m_line.entry.compare(entryName, Qt::CaseInsensitive) == 0)
        endLine();
}

void SimRasControl::Dial() {
    const int index = m_book.indexOf(m_entryName);
    if (index < 0) {
        refuse(QStringLiteral("Dial failed: the phone book has no entry called \"%1\"").arg(m_entryName),
               SimNoSuchEntry);
        return;
    }
    if (m_line.phase != Phase::Idle) {
        refuse(QStringLiteral("Opening port failed: the modem is in use by %1").arg(m_line.entry),
               SimModemInUse);
        return;
    }
    const SimEntry& entry = m_book.entries.at(index);
    const int attempt = ++m_attempts[entry.name.toLower()];
    SimOutcome outcome = entry.outcomeOfAttempt(attempt);
    if (outcome == SimOutcome::Connect && !entry.acceptsCredentials(m_userName, m_password))
        outcome = SimOutcome::AuthFailure;
    m_line = Line{Phase::Dialing, true, entry.name, simDialScript(entry, outcome), 0, entry};
    m_lineTimer.start(entry.stepDurationMs(0));
}

bool SimRasControl::connectOutside(const QString& entryName) {
    const int index = m_book.indexOf(entryName);
    if (index < 0 || m_line.phase != Phase::Idle)
        return false;
    const SimEntry& entry = m_book.entries.at(index);
    m_line = Line{Phase::Up, false, entry.name, {}, 0, entry};
    lineCameUp();
    if (entry.dropAfterSeconds > 0)
        m_lineTimer.start(entry.dropAfterSeconds * 1000);
    return true;
}

int SimRasControl::attempts(const QString& entryName) const {
    return m_attempts.value(entryName.toLower());
}

// One step of the line: the next status of a dial, or the drop of a connected line. The state is
// brought up to date before the status goes out, because a handler may hang up or dial again while
// it handles the status (or keep a modal box open while later timers fire).
void SimRasControl::onLineTimer() {
    if (m_line.phase == Phase::Up) {
        endLine(); // the line dropped by itself; nothing is reported but the missing connection
        return;
    }
    if (m_line.phase != Phase::Dialing || m_line.next >= m_line.script.size())
        return;
    const SimStep step = m_line.script.at(m_line.next++);
    if (step.code == SimConnected) {
        m_line.phase = Phase::Up;
        m_line.script.clear();
        lineCameUp();
        if (m_line.dialed.dropAfterSeconds > 0)
            m_lineTimer.start(m_line.dialed.dropAfterSeconds * 1000);
    } else if (m_line.next >= m_line.script.size()) {
        endLine(); // a failed attempt frees the modem
    } else {
        m_lineTimer.start(m_line.dialed.stepDurationMs(int(m_line.next)));
    }
    emit ConnectionStatus(step.text, step.code);
}

void SimRasControl::lineCameUp() {
    m_line.upAtMs = m_msNow();
}

std::optional<ByteCounts> SimRasControl::byteCounts() {
    if (m_line.phase != Phase::Up)
        return std::nullopt;
    const qint64 ms = qMax<qint64>(0, m_msNow() - m_line.upAtMs);
    // Rate times milliseconds fits 64 bits for a billion bytes a second over a hundred days.
    const auto grown = [ms](qint64 rate) { return quint64(rate) * quint64(ms) / 1000; };
    return ByteCounts{grown(m_line.dialed.downloadRate), grown(m_line.dialed.uploadRate)};
}

void SimRasControl::refuse(const QString& text, int code) {
    m_refusals << SimStep{text, code};
    if (!m_refusalTimer.isActive())
        m_refusalTimer.start(0);
}

void SimRasControl::onRefusalTimer() {
    if (m_refusals.isEmpty())
        return;
    const SimStep step = m_refusals.takeFirst();
    if (!m_refusals.isEmpty())
        m_refusalTimer.start(0);
    emit ConnectionStatus(step.text, step.code);
}

void SimRasControl::endLine() {
    m_lineTimer.stop();
    m_line = Line{};
}

bool SimRasControl::advance() {
    if (m_refusalTimer.isActive()) {
        m_refusalTimer.stop();
        onRefusalTimer();
        return true;
    }
    if (m_lineTimer.isActive()) {
        m_lineTimer.stop();
        onLineTimer();
        return true;
    }
    return false;
}

int SimRasControl::advanceDial() {
    int steps = 0;
    while (dialPending() && advance())
        ++steps;
    return steps;
}

bool SimRasControl::dialPending() const {
    return m_refusalTimer.isActive() || (m_lineTimer.isActive() && m_line.phase == Phase::Dialing);
}

bool SimRasControl::dropPending() const {
    return m_lineTimer.isActive() && m_line.phase == Phase::Up;
}

int SimRasControl::pendingIntervalMs() const {
    if (m_refusalTimer.isActive())
        return 0;
    if (m_lineTimer.isActive())
        return m_lineTimer.interval();
    return -1;
}

void SimRasControl::EditEntry(const QString& entryName) {
    const int index = m_book.indexOf(entryName);
    if (index < 0)
        return;
    const QString oldName = m_book.entries.at(index).name;
    SimEntryDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(QStringLiteral("Simulated Entry: %1").arg(oldName));
    dialog.setEntry(m_book.entries.at(index));
    dialog.setChecker(
        [this, oldName](const SimEntry& e) { return m_book.problemWith(e, m_book.indexOf(oldName)); });
    if (m_runDialog(dialog) != QDialog::Accepted)
        return;
    SimEntry edited;
    QString error;
    const int now = m_book.indexOf(oldName);
    if (now < 0 || !dialog.readEntry(&edited, &error) || !m_book.problemWith(edited, now).isEmpty())
        return;
    m_book.entries[now] = edited;
    m_attempts.remove(oldName.toLower());
    m_attempts.remove(edited.name.toLower());
    saveIfFromFile();
}

void SimRasControl::CreateEntry() {
    SimEntry fresh;
    fresh.name = QStringLiteral("New Entry");
    for (int n = 2; m_book.indexOf(fresh.name) >= 0; ++n)
        fresh.name = QStringLiteral("New Entry %1").arg(n);
    SimEntryDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(QStringLiteral("New Simulated Entry"));
    dialog.setEntry(fresh);
    dialog.setChecker([this](const SimEntry& e) { return m_book.problemWith(e, -1); });
    if (m_runDialog(dialog) != QDialog::Accepted)
        return;
    SimEntry created;
    QString error;
    if (!dialog.readEntry(&created, &error) || !m_book.problemWith(created, -1).isEmpty())
        return;
    m_book.entries << created;
    m_attempts.remove(created.name.toLower());
    saveIfFromFile();
}

void SimRasControl::saveIfFromFile() {
    if (m_file.isEmpty())
        return;
    QString error;
    if (!m_book.save(m_file, &error))
        m_reportError(error + QStringLiteral("\nThe change holds until the program ends."));
}

std::unique_ptr<RasControl> makeSimRasControl(const SimOptions& options, QString* error) {
    SimPhoneBook book;
    if (options.phonebookFile.isEmpty()) {
        book = SimPhoneBook::sample();
    } else if (!SimPhoneBook::load(options.phonebookFile, &book, error)) {
        return nullptr;
    }
    auto control = std::make_unique<SimRasControl>(std::move(book), options.phonebookFile);
    if (!options.outsideEntry.isEmpty() && !control->connectOutside(options.outsideEntry)) {
        QStringList names;
        for (const SimEntry& e : control->phoneBook().entries)
            names << e.name;
        *error = QStringLiteral("The entry \"%1\" given with --sim-outside is not in the phone book (its "
                                "entries: %2).")
                     .arg(options.outsideEntry,
                          names.isEmpty() ? QStringLiteral("none") : names.join(QLatin1String(", ")));
        return nullptr;
    }
    return control;
}
