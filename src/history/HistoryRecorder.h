#pragma once

#include "core/Money.h"
#include "core/State.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class Program;
class QThread;

// Keeps the usage journal as the program's sessions go: it watches the model's signals and writes a
// session's row when it begins, brings it up to date every minute and closes it when it ends. The
// writes run on a thread of their own, so the windows never wait for the disk; the thread, Qt's
// SQLite driver and the journal are only loaded when the first session begins.
//
// When the program was stopped in the middle of a session (killed, the machine lost power), a marker
// file in the data folder says so, and the recorder's construction recovers that session before
// anything else runs: closed with its last known duration, marked recovered, and added to its month
// file once.
class HistoryRecorder : public QObject {
    Q_OBJECT
public:
    // `backend` ("sim", "nm") is written with each session.
    HistoryRecorder(Program& program, const QString& backend);
    ~HistoryRecorder() override;
    HistoryRecorder(const HistoryRecorder&) = delete;
    HistoryRecorder& operator=(const HistoryRecorder&) = delete;

    // A running session's row is brought up to date after this many seconds of connection time.
    static constexpr int kUpdateSeconds = 60;
    // The marker: present while a session's row may be open.
    static QString markerIn(const QString& dataDir);

    // The sessions recovered at construction.
    int recovered() const { return m_recovered; }
    // Waits until the writes handed to the worker are done (tests, benchmarks).
    void flush();

private:
    struct Worker;
    void sessionStarted();
    void secondCounted();
    void warned(const QString& message);
    void sessionEnded(const QDateTime& end, qint32 seconds, Money cost, SessionEnd how);
    void programClosing();
    void usageWanted(const QString& profile, const QDate& first, const QDate& next);
    void post(std::function<void(Worker&)> job);

    Program& m_program;
    QString m_backend;
    std::unique_ptr<Worker> m_worker; // used on the worker thread only
    QThread* m_thread = nullptr;
    QObject* m_context = nullptr; // lives on the worker thread: the jobs run in its events
    bool m_running = false;       // this program's session has an open row
    qint64 m_written = 0;         // the duration last handed to the worker
    int m_recovered = 0;
};
