#include "history/HistoryRecorder.h"

#include "core/Program.h"
#include "core/SessionTimer.h"
#include "core/formRAS.h"
#include "history/Journal.h"
#include "history/ProcessIdentity.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

using History::Ended;

namespace {

void report(const QString& text) {
    std::fprintf(stderr, "modemtally: %s\n", qPrintable(text));
}

// Writes the marker and makes it last through a power cut (the file and its folder's entry).
void writeMarker(const QString& path, const QString& owner) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        report(QStringLiteral("cannot write %1: %2").arg(path, f.errorString()));
        return;
    }
    f.write(owner.toUtf8() + '\n');
    f.flush();
    ::fsync(f.handle());
    f.close();
    const int dir =
        ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

Ended endedBy(SessionEnd how) {
    switch (how) {
    case SessionEnd::HungUp:
        return Ended::HungUp;
    case SessionEnd::Dropped:
        return Ended::Dropped;
    case SessionEnd::OnExit:
        return Ended::OnExit;
    }
    return Ended::HungUp;
}

} // namespace

// The journal's side of the recorder, on the worker thread.
struct HistoryRecorder::Worker {
    QString dataDir;
    QString marker;
    QString owner;
    std::unique_ptr<Journal> journal;
    bool broken = false; // the journal cannot be opened: said once, and the sessions go unwritten
    qint64 id = 0;       // the open row of this program's session

    // Opens the journal on first use (importing the month files when it is new).
    bool ready(const QHash<QString, int>& limits) {
        if (journal)
            return true;
        if (broken)
            return false;
        owner = ProcessIdentity::self();
        journal = std::make_unique<Journal>(Journal::fileIn(dataDir));
        QString error;
        if (!journal->open(&error)) {
            report(error + QStringLiteral(" (sessions are not written to the journal)"));
            journal.reset();
            broken = true;
            return false;
        }
        if (journal->importMonthFiles(dataDir, limits) < 0)
            report(journal->lastError());
        return true;
    }
    void check(bool ok) {
        if (!ok)
            report(journal->lastError());
    }
};

QString HistoryRecorder::markerIn(const QString& dataDir) {
    return QDir(dataDir).filePath(QStringLiteral("history.db-session"));
}

HistoryRecorder::HistoryRecorder(Program& program, const QString& backend)
    : m_program(program), m_backend(backend), m_worker(std::make_unique<Worker>()) {
    m_worker->dataDir = program.dataDir();
    m_worker->marker = markerIn(program.dataDir());

    // A session left open by a program that is gone: recovered now, before a new session can load
    // the month file the recovered one goes into.
    if (QFileInfo::exists(m_worker->marker)) {
        Journal journal(Journal::fileIn(program.dataDir()));
        QString error;
        if (!journal.open(&error)) {
            report(error);
        } else {
            m_recovered = journal.recover(program.dataDir(), ProcessIdentity::alive);
            if (m_recovered < 0) {
                report(journal.lastError());
                m_recovered = 0;
            } else if (journal.runningSessions() == 0) {
                QFile::remove(m_worker->marker);
            }
        }
    }

    connect(&program.dial, &DialState::phaseChanged, this, [this](Phase phase) {
        if (phase == Phase::Connected)
            sessionStarted();
    });
    connect(&program.session, &SessionState::secondCounted, this, &HistoryRecorder::secondCounted);
    connect(&program.session, &SessionState::warningDue, this, &HistoryRecorder::warned);
    connect(&program.session, &SessionState::sessionEnded, this,
            [this](const QString&, qint32 seconds, Money cost, SessionEnd how) {
                const QDateTime end = m_program.session.gSessionEnd;
                sessionEnded(end.isValid() ? end : m_program.clock().now(), seconds, cost, how);
            });
    connect(&program, &Program::closing, this, &HistoryRecorder::programClosing);
    connect(&program.plans, &PlanBook::usageWanted, this, &HistoryRecorder::usageWanted);
}

HistoryRecorder::~HistoryRecorder() {
    if (!m_thread)
        return;
    // The journal is closed on its own thread, after every write handed to it (the thread's loop
    // would drop the jobs still queued when it quits).
    Worker* w = m_worker.get();
    QMetaObject::invokeMethod(
        m_context, [w] { w->journal.reset(); }, Qt::BlockingQueuedConnection);
    m_thread->quit();
    m_thread->wait();
    delete m_context;
    delete m_thread;
}

void HistoryRecorder::post(std::function<void(Worker&)> job) {
    if (!m_thread) {
        m_thread = new QThread;
        m_thread->setObjectName(QStringLiteral("mt-journal"));
        m_context = new QObject;
        m_context->moveToThread(m_thread);
        m_thread->start(QThread::LowPriority);
    }
    Worker* w = m_worker.get();
    QMetaObject::invokeMethod(
        m_context, [w, job = std::move(job)] { job(*w); }, Qt::QueuedConnection);
}

void HistoryRecorder::flush() {
    if (m_thread)
        QMetaObject::invokeMethod(
            m_context, [] {}, Qt::BlockingQueuedConnection);
}

void HistoryRecorder::sessionStarted() {
    Program& p = m_program;
    if (m_running)
        sessionEnded(p.clock().now(), p.session.elapsedSeconds(),
                     SessionTimer::FinalCost(p, p.session.elapsedSeconds()), SessionEnd::Dropped);
    History::Session s;
    s.profile = p.dial.gDialedProfile;
    s.backend = m_backend;
    const QDateTime start = p.session.gSessionStart.isValid() ? p.session.gSessionStart : p.clock().now();
    s.startUtc = start.toSecsSinceEpoch();
    s.startOffset = start.offsetFromUtc();
    s.seconds = p.session.elapsedSeconds();
    s.cost = SessionTimer::FinalCost(p, qint32(s.seconds)).units();
    s.adopted = p.dial.gAdoptedConnection;
    // The month file the session's end will add its line to, and the lines it held at the start:
    // recovery and the first import go by them, so that the line is counted once.
    const SessionClock& sc = p.formRAS().sessionClock;
    const QString monthFile = sc.monthFileLoaded ? sc.monthFile : QString();
    const int monthLines =
        sc.monthFileLoaded && !sc.monthFileUnreadable ? int(p.session.gMonthDurations.count) : -1;
    m_running = true;
    m_written = s.seconds;
    post([s, monthFile, monthLines](Worker& w) {
        QHash<QString, int> limits;
        if (!monthFile.isEmpty() && monthLines >= 0)
            limits.insert(monthFile, monthLines);
        if (!w.ready(limits))
            return;
        writeMarker(w.marker, w.owner);
        w.id = w.journal->beginSession(s, w.owner, monthFile, monthLines);
        w.check(w.id != 0);
    });
}

void HistoryRecorder::secondCounted() {
    if (!m_running)
        return;
    const qint64 seconds = m_program.session.elapsedSeconds();
    if (seconds - m_written < kUpdateSeconds)
        return;
    m_written = seconds;
    const qint64 cost = SessionTimer::FinalCost(m_program, qint32(seconds)).units();
    const quint64 rx = m_program.session.gBytesReceived;
    const quint64 tx = m_program.session.gBytesSent;
    post([seconds, cost, rx, tx](Worker& w) {
        if (w.id) {
            w.check(w.journal->updateSession(w.id, seconds, cost));
            w.check(w.journal->setBytes(w.id, rx, tx));
        }
    });
}

void HistoryRecorder::warned(const QString& message) {
    if (!m_running)
        return;
    post([message](Worker& w) {
        if (w.id)
            w.check(w.journal->addWarning(w.id, message));
    });
}

void HistoryRecorder::sessionEnded(const QDateTime& end, qint32 seconds, Money cost, SessionEnd how) {
    if (!m_running)
        return;
    m_running = false;
    const qint64 endUtc = end.toSecsSinceEpoch();
    const int endOffset = end.offsetFromUtc();
    const qint64 units = cost.units();
    const Ended ended = endedBy(how);
    const quint64 rx = m_program.session.gBytesReceived;
    const quint64 tx = m_program.session.gBytesSent;
    post([endUtc, endOffset, seconds, units, ended, rx, tx](Worker& w) {
        if (!w.id)
            return;
        w.check(w.journal->setBytes(w.id, rx, tx));
        w.check(w.journal->endSession(w.id, endUtc, endOffset, seconds, units, ended));
        w.id = 0;
        if (w.journal->runningSessions() == 0)
            QFile::remove(w.marker);
    });
}

void HistoryRecorder::usageWanted(const QString& profile, const QDate& first, const QDate& next) {
    const qint64 from = first.startOfDay().toSecsSinceEpoch();
    const qint64 to = next.startOfDay().toSecsSinceEpoch();
    // Asked on the worker, after the session's own row was written (it is running, so not counted);
    // the answer comes back to the model on this thread. The destructor waits for every job before
    // the recorder goes, and an answer still queued for it then is dropped with it.
    HistoryRecorder* self = this;
    post([self, profile, first, from, to](Worker& w) {
        if (!w.ready({}))
            return;
        const std::optional<PlanUsage> used = w.journal->usage(profile, from, to);
        if (!used) {
            report(w.journal->lastError());
            return;
        }
        QMetaObject::invokeMethod(
            self,
            [self, profile, first, used] { self->m_program.plans.setUsedBefore(profile, first, *used); },
            Qt::QueuedConnection);
    });
}

void HistoryRecorder::programClosing() {
    // Exit without hanging up leaves the line up but ends the program's part in it: the row is
    // closed with the time counted so far (the month file, as before, does not get it).
    if (!m_running)
        return;
    const qint32 seconds = m_program.session.elapsedSeconds();
    sessionEnded(m_program.clock().now(), seconds, SessionTimer::FinalCost(m_program, seconds),
                 SessionEnd::OnExit);
}
