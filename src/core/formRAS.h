#pragma once

#include "core/SessionTimer.h"

#include <QObject>
#include <QString>
#include <QTimer>

class Program;
class RasControl;

// The hidden form that carries the remote-access control RAS and the redial timer, and handles the
// control's three events.
//
// The redial series: a failed attempt starts timerredial, whose seventh tick dials again (directly,
// or through the prompt or picker it opens). Every way back to idle and every new dial that is not
// the redial itself end the series (cancelRedial), so a series never outlives the dial it belongs to.
class formRAS : public QObject {
    Q_OBJECT
public:
    explicit formRAS(Program& program);
    ~formRAS() override;

    RasControl& RAS;
    QTimer timerredial;
    // Failed attempts of the current limited redial series.
    qint16 redial = 0;
    // Ticks of timerredial since it was last enabled.
    qint16 redialTicks = 0;

    // The credentials handed to the control by the last dial; a direct redial dials with them.
    QString dialUserName;
    QString dialPassword;
    QString dialDomain;

    // The exit question is open (a second Exit meanwhile asks nothing).
    bool exitQuestionOpen = false;

    // The session clock's anchor and the monthly record's file (see SessionTimer).
    SessionClock sessionClock;

    // Handlers of the control's events and of the redial timer.
    void RAS_ConnectionStatus(const QString& StatusText, int StatusCode);
    void RAS_EnumEntry(const QString& szEntry);
    void RAS_EnumConnection(const QString& szConnection);
    void timerredial_Timer();

    // Lists the phone book again while an entry is being created. Each listing is a pass of its own,
    // counted from its first entry, so a listing made before the new entry existed (a cancelled
    // wizard, the desktop's editor still open) does not cut the next one short.
    void listEntriesAgain();
    // "Proceed" of the new-connection notice: the control creates an entry, and the program waits
    // for one more entry in the listings that follow.
    void createEntry();

    // Ends the redial series: the timer stops and its counts start again from zero.
    void cancelRedial();
    // True when the next dial from the password prompt or the profile picker is the redial itself
    // (the redial timer opened that window).
    bool redialPromptOpen() const { return m_redialPrompt; }
    // A dial starts: the series goes on when it is the redial (or the window the redial opened),
    // and ends otherwise.
    void dialStarting(bool isRedial);

private:
    void actionsOnConnection();
    void finalFailure();
    void redialLimitReached();
    void adopt(const QString& szConnection);

    Program& m_program;
    bool m_adopting = false;         // the adoption message is open
    bool m_reportingFailure = false; // the "Connection Failed!" message is open
    bool m_redialPrompt = false;     // the redial timer opened the prompt or picker
};
