#pragma once

#include "platform/RasControl.h"
#include "platform/ras/sim/SimPhoneBook.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

class SimEntryDialog;

struct SimOptions {
    QString phonebookFile; // empty: the built-in sample phone book
    QString outsideEntry;  // an entry already connected by another program at start
};

// Status codes that come with the simulator's status texts (the program reads only the texts).
enum SimStatusCode {
    SimOpeningPort = 1,
    SimPortOpened = 2,
    SimDialing = 3,
    SimDeviceConnected = 4,
    SimAuthenticating = 5,
    SimAuthenticated = 6,
    SimConnected = 100,
    SimLineBusy = 201,
    SimNoCarrier = 202,
    SimNoDialTone = 203,
    SimAuthFailed = 204,
    SimModemInUse = 205,
    SimNoSuchEntry = 206,
};

// One status event of a simulated dial.
struct SimStep {
    QString text;
    int code = 0;
};

// The status texts a dial of `entry` reports when the attempt ends with `outcome`, in order.
QList<SimStep> simDialScript(const SimEntry& entry, SimOutcome outcome);

// The simulator backend: a phone book of simulated lines behind one simulated modem.
//
// The modem carries one line at a time: a dial in progress, a connection this control dialed, or a
// connection "another program" made. A Dial() while the modem is in use, or of an entry not in the
// phone book, fails at once with a failure status (delivered from the event loop like every status).
// Each attempt of an entry takes that entry's next outcome; the last outcome repeats. The count of
// attempts starts again when the entry is edited.
//
// Statuses are driven by one timer per step, so the simulator runs by itself in the program. Tests
// may instead call advance() to run the next pending step at once, without waiting.
class SimRasControl final : public RasControl {
    Q_OBJECT
public:
    explicit SimRasControl(SimPhoneBook book, QString phonebookFile = {}, QObject* parent = nullptr);
    ~SimRasControl() override;

    void EnumEntries() override;
    void EnumConnections() override;
    void EditEntry(const QString& entryName) override;
    bool IsConnected() override;
    void CreateEntry() override;
    void HangUp(const QString& entryName) override;
    void Dial() override;
    // While a line is up: its entry's download and upload rates times the time since it came up.
    std::optional<ByteCounts> byteCounts() override;

    // The monotonic clock the counters run on, in milliseconds (tests install their own).
    void setMonotonicClock(std::function<qint64()> msNow) { m_msNow = std::move(msNow); }

    const SimPhoneBook& phoneBook() const { return m_book; }
    QString phoneBookFile() const { return m_file; }

    // Another program brings up the line of this entry. False when the entry is unknown or the
    // modem is in use.
    bool connectOutside(const QString& entryName);

    // The entry whose line is being dialed or is up (as named when dialed); empty when idle.
    QString lineEntry() const { return m_line.entry; }
    bool lineUp() const { return m_line.phase == Phase::Up; }
    bool lineIsOutside() const { return m_line.phase == Phase::Up && !m_line.own; }
    // Dial attempts made of that entry so far (since it was last edited).
    int attempts(const QString& entryName) const;

    // Runs the next pending action now instead of when its timer fires: a failure for a refused
    // dial, the next status of a dial, or the drop of a connected line. False when nothing is pending.
    bool advance();
    // Advances until no status is pending (a pending drop is left alone); returns the steps run.
    int advanceDial();
    bool dialPending() const;
    bool dropPending() const;
    // The delay the next pending action was scheduled with, in milliseconds, or -1 when none is.
    int pendingIntervalMs() const;

    // Runs an entry dialog; the default shows it modally. Tests install one that fills the dialog
    // and accepts or rejects it. Returns QDialog::Accepted or QDialog::Rejected.
    using DialogRunner = std::function<int(SimEntryDialog&)>;
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }
    // Tells the user that the phone book could not be saved; the default shows a message box.
    using ErrorReporter = std::function<void(const QString&)>;
    void setErrorReporter(ErrorReporter reporter) { m_reportError = std::move(reporter); }

private:
    enum class Phase { Idle, Dialing, Up };
    struct Line {
        Phase phase = Phase::Idle;
        bool own = false;
        QString entry;
        QList<SimStep> script;
        qsizetype next = 0;
        SimEntry dialed;   // the entry as it was when dialed: later edits do not change a running line
        qint64 upAtMs = 0; // when the line came up, on m_msNow
    };

    void onLineTimer();
    void onRefusalTimer();
    void refuse(const QString& text, int code);
    void endLine();
    void entryChanged(const QString& oldName, const QString& newName);
    void saveIfFromFile();
    void lineCameUp();

    SimPhoneBook m_book;
    QString m_file;
    Line m_line;
    QTimer m_lineTimer;
    QTimer m_refusalTimer;
    QList<SimStep> m_refusals;
    QHash<QString, int> m_attempts; // by entry name in lower case
    DialogRunner m_runDialog;
    ErrorReporter m_reportError;
    std::function<qint64()> m_msNow;
};

// The simulator backend for the program: the phone book from options.phonebookFile, or the
// built-in sample; options.outsideEntry connected by "another program". nullptr with the reason in
// *error when the phone book cannot be read or the outside entry is not in it.
std::unique_ptr<RasControl> makeSimRasControl(const SimOptions& options, QString* error);
