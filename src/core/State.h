#pragma once

#include "core/Money.h"
#include "core/MonthFile.h"

#include <QAbstractListModel>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

// Where a connection stands: nothing going on, a dial (or its redial) in progress, or connected.
enum class Phase { Idle, Dialing, Connected };

// How a session came to its end: the user hung up (the Hang Up button, the tray menu, the reminder),
// the line went without a hang-up, or Exit hung up.
enum class SessionEnd { HungUp, Dropped, OnExit };

// The status list of the main console: every line the program narrates, in order, as a list model
// the main console's list box shows directly; several paths clear it before adding their line.
class StatusList : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    void add(const QString& line);
    void clear();
    QString last() const { return m_lines.isEmpty() ? QString() : m_lines.last(); }
    const QStringList& lines() const { return m_lines; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

signals:
    void lineAdded(const QString& line);

private:
    QStringList m_lines;
};

// What the user can press right now. The model decides; the windows show it.
struct Controls {
    bool connect = true;      // the main console's Connect
    bool hangUp = false;      // the main console's Hang Up
    bool trayHangUp = false;  // the tray menu's Hang Up
    bool dialSelected = true; // the configuration console's "Dial selected..."
    bool operator==(const Controls&) const = default;
};

// The dial state shared by dialing, hang-up, enumeration and the session tick. The flags are set by
// the dialing code; announce() then tells the windows what changed.
class DialState : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    QString gDialedProfile;
    bool gDialing = false;
    bool gConnected = false;
    bool gUserHangup = false;
    bool gAdoptedConnection = false;

    Phase phase() const { return gConnected ? Phase::Connected : gDialing ? Phase::Dialing : Phase::Idle; }
    const Controls& controls() const { return m_controls; }

    // Every flag back to its start value (the controls too).
    void reset();
    // The dial or connection is over: Connect and Dial selected can be pressed again (the hang-up
    // controls are left as they are), no profile, not dialing, connected or adopted; announced.
    void backToIdle();
    // Changes the controls the user can press (only the fields given a value).
    void setControls(std::optional<bool> connect, std::optional<bool> hangUp, std::optional<bool> trayHangUp,
                     std::optional<bool> dialSelected);
    // Emits phaseChanged and profileChanged for what changed since the last announcement.
    void announce();

signals:
    void phaseChanged(Phase phase);
    void profileChanged(const QString& profile);
    void controlsChanged(const Controls& controls);

private:
    Controls m_controls;
    Phase m_announcedPhase = Phase::Idle;
    QString m_announcedProfile;
};

// The session clock, the session record and the monthly record, with the limit warnings' flags.
class SessionState : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    int gElapsedHours = 0;
    int gElapsedMinutes = 0;
    int gElapsedSeconds = 0;
    QDateTime gSessionStart;
    QDateTime gSessionEnd;
    qint32 gSessionSeconds = 0;
    // The month file's lines as loaded when the session began (line by line into one compact copy),
    // and the sum of their seconds.
    MonthFile::Record gMonthDurations;
    qint32 gMonthSecondsBefore = 0;
    bool gWarnedTimePC = false;
    bool gWarnedTimePM = false;
    bool gWarnedCostPC = false;
    bool gWarnedCostPM = false;
    bool gWarnedFreeTime = false;
    // The bytes this session received and sent, counted from the line's first counter reading
    // (for an adopted connection: from its adoption), and the pace of the last few seconds.
    quint64 gBytesReceived = 0;
    quint64 gBytesSent = 0;
    quint64 gBytesPerSecond = 0;

    int elapsedSeconds() const { return gElapsedHours * 3600 + gElapsedMinutes * 60 + gElapsedSeconds; }
    // The clock as the windows show it: "H : M : S" without leading zeros.
    QString elapsedText() const;
    // Every value back to its start (no signal).
    void reset();

signals:
    // The clock counted a second (text as elapsedText()).
    void secondCounted(const QString& elapsedText);
    // The session's byte counts changed (totals, and received plus sent per second).
    void bytesCounted(quint64 received, quint64 sent, quint64 bytesPerSecond);
    // The clock went back to 0 : 0 : 0.
    void clockReset(const QString& elapsedText);
    // A limit was exceeded: the warning window shows the message.
    void warningDue(const QString& message);
    // The reminder's moment: the reminder window shows the clock.
    void reminderDue(const QString& elapsedText);
    // The timer console is to be shown (on connection, when the user asked for it).
    void timerConsoleWanted();
    // A session ended and was recorded: the profile, its length in seconds, its cost and how it ended.
    void sessionEnded(const QString& profile, qint32 seconds, Money cost, SessionEnd how);
    // The cost window is to show this amount (and the note, when there is one).
    void connectionCostDue(const QString& amountText, const QString& note);
};

// Start-up, profile reconciliation and tray flags.
struct ProgramFlags {
    bool gCreatingProfile = false;
    qint16 gEntryCount = 0;
    qint16 entryEventIndex = 0;
    bool gExiting = false;
    // The tray icon's tip (at most 63 characters); "ModemTally" at start-up.
    QString gTrayTip = QStringLiteral("ModemTally");
};
