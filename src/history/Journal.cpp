#include "history/Journal.h"

#include "history/JournalStore.h"
#include "platform/ModuleLoader.h"

#include <QDir>

namespace {

const QString kModule = QStringLiteral("modemtally-journal.so");

// The store from the journal's module, or none with the reason.
std::unique_ptr<JournalStore> makeStore(const QString& path, QString* error) {
    QString reasons, file;
    QObject* root = ModuleLoader::instance(kModule, &reasons, &file);
    if (!root) {
        *error = reasons.isEmpty()
                     ? QStringLiteral("the journal's module %1 is not installed (looked in %2)")
                           .arg(kModule, ModuleLoader::candidates(kModule).join(QStringLiteral(", ")))
                     : reasons;
        return nullptr;
    }
    auto* factory = qobject_cast<JournalStoreFactory*>(root);
    if (!factory) {
        *error = QStringLiteral("%1 is not the journal's module").arg(file);
        return nullptr;
    }
    return factory->createJournalStore(path);
}

} // namespace

QString Journal::fileIn(const QString& dataDir) {
    return QDir(dataDir).filePath(QStringLiteral("history.db"));
}

Journal::Journal(const QString& path) : m_path(path), m_store(makeStore(path, &m_loadError)) {}

Journal::~Journal() = default;

// Without its module the journal is one that cannot be opened: every operation fails as on a
// journal whose file cannot be read, and says why.
bool Journal::open(QString* error) {
    if (!m_store && error)
        *error = QStringLiteral("the journal %1 cannot be opened: %2").arg(m_path, m_loadError);
    return m_store && m_store->open(error);
}

bool Journal::isOpen() const {
    return m_store && m_store->isOpen();
}

QString Journal::lastError() const {
    return m_store ? m_store->lastError() : m_loadError;
}

int Journal::schemaVersion() {
    return m_store ? m_store->schemaVersion() : 0;
}

int Journal::importMonthFiles(const QString& dataDir, const QHash<QString, int>& limits) {
    return m_store ? m_store->importMonthFiles(dataDir, limits) : -1;
}

qint64 Journal::beginSession(const History::Session& session, const QString& owner, const QString& monthFile,
                             int monthLines) {
    return m_store ? m_store->beginSession(session, owner, monthFile, monthLines) : 0;
}

bool Journal::updateSession(qint64 id, qint64 seconds, std::optional<qint64> cost) {
    return m_store && m_store->updateSession(id, seconds, cost);
}

bool Journal::setBytes(qint64 id, quint64 received, quint64 sent) {
    return m_store && m_store->setBytes(id, received, sent);
}

bool Journal::addWarning(qint64 id, const QString& message) {
    return m_store && m_store->addWarning(id, message);
}

bool Journal::endSession(qint64 id, qint64 endUtc, int endOffset, qint64 seconds, std::optional<qint64> cost,
                         History::Ended how) {
    return m_store && m_store->endSession(id, endUtc, endOffset, seconds, cost, how);
}

bool Journal::inTransaction(const std::function<bool()>& work) {
    return m_store && m_store->inTransaction(work);
}

int Journal::runningSessions() {
    return m_store ? m_store->runningSessions() : 0;
}

int Journal::recover(const QString& dataDir, const std::function<bool(const QString& owner)>& alive,
                     const std::function<void()>& afterMonthFile) {
    return m_store ? m_store->recover(dataDir, alive, afterMonthFile) : -1;
}

QStringList Journal::profiles() {
    return m_store ? m_store->profiles() : QStringList();
}

QList<History::Total> Journal::monthTotals(int first, int last, const std::optional<QString>& profile) {
    return m_store ? m_store->monthTotals(first, last, profile) : QList<History::Total>();
}

QList<History::Total> Journal::dayTotals(int month, const std::optional<QString>& profile,
                                         History::Total* undated) {
    return m_store ? m_store->dayTotals(month, profile, undated) : QList<History::Total>();
}

QList<History::Total> Journal::profileTotals(const History::Filter& filter) {
    return m_store ? m_store->profileTotals(filter) : QList<History::Total>();
}

bool Journal::forEachSession(const History::Filter& filter,
                             const std::function<void(const History::Session&)>& each) {
    return m_store && m_store->forEachSession(filter, each);
}

QList<History::Session> Journal::sessions(const History::Filter& filter) {
    return m_store ? m_store->sessions(filter) : QList<History::Session>();
}

std::optional<PlanUsage> Journal::usage(const QString& profile, qint64 fromUtc, qint64 toUtc,
                                        bool withRunning) {
    return m_store ? m_store->usage(profile, fromUtc, toUtc, withRunning) : std::nullopt;
}
