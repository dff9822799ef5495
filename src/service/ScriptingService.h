#pragma once

#include "core/State.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <functional>
#include <utility>

class Program;

// The program on the session bus: the object behind org.modemtally.ModemTally1 (its adaptor is
// generated from data/org.modemtally.ModemTally1.xml). It watches the model's signals to publish the
// state, the status lines and the end of each session, and calls the model for a dial or a hang-up
// exactly as the main console's buttons do.
//
// The slots with capital names are the interface's methods. Connect, HangUp and Quit are carried
// out once the program has started up (the caller waits for the answer until then); one the
// program cannot carry out now answers with an error of org.modemtally.ModemTally1.Error (Busy,
// UnknownProfile, NoCredentials, NotConnected, Closing) and changes nothing.
class ScriptingService : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_PROPERTY(QString State READ state)
    Q_PROPERTY(QString Profile READ profile)
    Q_PROPERTY(uint ElapsedSeconds READ elapsedSeconds)
    Q_PROPERTY(QString Cost READ cost)
    Q_PROPERTY(qulonglong RxBytes READ rxBytes)
    Q_PROPERTY(qulonglong TxBytes READ txBytes)
public:
    ScriptingService(Program& program, const QString& dataFolder, QObject* parent = nullptr);
    ~ScriptingService() override;

    // Exports the object (through its adaptor) at BusNames::objectPath() on `connection`, which
    // then carries PropertiesChanged. False when the path is taken there.
    bool exportOn(const QDBusConnection& connection);
    void unexport();

    // Until the program has started up (its windows shown, the settings read), the methods that act
    // wait: start-up may be asking the user something and is about to set every dial flag.
    void setReady();
    bool ready() const { return m_ready; }

    // The session's byte counts, for the backend's counters to feed; RxBytes and TxBytes (and the
    // counts in SessionEnded) show them. They go back to 0 when a dial or an adopted connection starts.
    void setByteCounts(quint64 received, quint64 sent);

    QString state() const;
    QString profile() const;
    uint elapsedSeconds() const;
    QString cost() const;
    qulonglong rxBytes() const { return m_rx; }
    qulonglong txBytes() const { return m_tx; }

public slots:
    void Connect(const QString& profile);
    void HangUp();
    QStringList Profiles();
    QVariantMap Status();
    bool Quit();
    void Activate(const QStringList& arguments);

signals:
    void StatusLine(const QString& line);
    void SessionEnded(const QString& profile, uint seconds, const QString& cost, qulonglong rx,
                      qulonglong tx);
    // A second start handed over its command line: the windows are to come to the front.
    void activationRequested(const QStringList& arguments);

private:
    // What a method does, given its call; returns the reply to it.
    using Action = std::function<QDBusMessage(const QDBusMessage& call)>;
    // Runs the action for the call being delivered now, or once the program has started up; the
    // reply goes out when it has run.
    void carryOut(Action action);
    QDBusMessage connectNow(const QDBusMessage& call, const QString& name);
    QDBusMessage hangUpNow(const QDBusMessage& call);
    // Sends PropertiesChanged with every property whose value differs from the last one sent.
    void publish();
    QVariantMap properties() const;

    Program& m_program;
    QString m_dataFolder;
    QDBusConnection m_connection{QString()};
    bool m_exported = false;
    bool m_ready = false;
    QList<std::pair<QDBusMessage, Action>> m_waiting;
    bool m_activationWaiting = false;
    QStringList m_waitingArguments;
    Phase m_phase = Phase::Idle; // as last announced
    quint64 m_rx = 0;
    quint64 m_tx = 0;
    QVariantMap m_published;
};
