#include "platform/ras/nm/NmRasControl.h"

#include "platform/ras/nm/NmArgs.h"
#include "platform/ras/nm/NmReasons.h"
#include "platform/ras/nm/NmSecretAgent.h"
#include "platform/ras/nm/NmTypes.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>
#include <atomic>

namespace {

// Secret-agent request flags.
constexpr uint kRequestNew = 0x2;

QString nextConnectionName() {
    static std::atomic<int> n{0};
    return QStringLiteral("modemtally-nm-%1").arg(++n);
}

} // namespace

NmRasControl::NmRasControl(NmOptions options, QObject* parent)
    : m_options(std::move(options)), m_connName(nextConnectionName()),
      m_bus(m_options.busAddress.isEmpty()
                ? QDBusConnection::connectToBus(QDBusConnection::SystemBus, m_connName)
                : QDBusConnection::connectToBus(m_options.busAddress, m_connName)) {
    setParent(parent);
    registerNmDBusTypes();
    m_failGrace.setSingleShot(true);
    connect(&m_failGrace, &QTimer::timeout, this, &NmRasControl::finishFailure);
    m_agentId = QStringLiteral("modemtally-%1-%2")
                    .arg(QCoreApplication::applicationPid())
                    .arg(m_connName.section(QLatin1Char('-'), -1));
    if (!m_bus.isConnected())
        return;
    startWatching();
}

NmRasControl::~NmRasControl() {
    if (m_bus.isConnected()) {
        if (m_agentRegistered) {
            // Closing the connection also makes NetworkManager drop the agent; saying so first lets it
            // forget this agent at once.
            QDBusMessage msg =
                QDBusMessage::createMethodCall(NmNames::service(), NmNames::agentManagerPath(),
                                               NmNames::agentManagerIface(), QStringLiteral("Unregister"));
            m_bus.call(msg, QDBus::NoBlock);
        }
        m_bus.unregisterObject(NmNames::agentPath());
    }
    delete m_watcher;
    m_watcher = nullptr;
    QDBusConnection::disconnectFromBus(m_connName);
}

void NmRasControl::startWatching() {
    const QString svc = NmNames::service();
    // Every path: the first StateChanged of an activation can arrive before ActivateConnection's
    // reply names the active connection.
    m_bus.connect(svc, QString(), NmNames::activeIface(), QStringLiteral("StateChanged"), this,
                  SLOT(onActiveStateChanged(QDBusMessage)));
    m_bus.connect(svc, QString(), NmNames::deviceIface(), QStringLiteral("StateChanged"), this,
                  SLOT(onDeviceStateChanged(QDBusMessage)));
    m_bus.connect(svc, NmNames::managerPath(), NmNames::propertiesIface(),
                  QStringLiteral("PropertiesChanged"), this, SLOT(onManagerPropertiesChanged(QDBusMessage)));
    m_bus.connect(svc, NmNames::settingsPath(), NmNames::settingsIface(), QStringLiteral("NewConnection"),
                  this, SLOT(onNewConnection(QDBusMessage)));
    m_bus.connect(svc, NmNames::settingsPath(), NmNames::settingsIface(), QStringLiteral("ConnectionRemoved"),
                  this, SLOT(onConnectionRemoved(QDBusMessage)));
    m_bus.connect(svc, QString(), NmNames::connectionIface(), QStringLiteral("Updated"), this,
                  SLOT(onConnectionUpdated(QDBusMessage)));

    m_agent = new NmSecretAgent(
        [this](const NmSecretAgent::Request& r) {
            return answerSecrets(r.connectionPath, r.connectionUuid, r.settingName, r.flags);
        },
        this);
    m_bus.registerVirtualObject(NmNames::agentPath(), m_agent);

    m_watcher = new QDBusServiceWatcher(svc, m_bus, QDBusServiceWatcher::WatchForOwnerChange);
    connect(m_watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString& oldOwner, const QString& newOwner) {
                // The secret agent answers only the service's owner of the moment.
                m_agent->setNetworkManagerOwner(newOwner);
                if (!oldOwner.isEmpty() && m_running)
                    onServiceUnregistered();
                if (!newOwner.isEmpty())
                    onServiceRegistered();
            });

    const QDBusReply<QString> owner = m_bus.interface()->serviceOwner(svc);
    if (owner.isValid() && !owner.value().isEmpty()) {
        m_agent->setNetworkManagerOwner(owner.value());
        onServiceRegistered(true);
    }
}

void NmRasControl::onServiceRegistered(bool atStart) {
    if (m_running)
        return; // seen both by the watcher and by the first look
    m_running = true;
    m_profilesLoaded = false;
    m_activeLoaded = false;
    emit serviceRunningChanged(true);
    registerAgent();
    loadActiveAsync(atStart);
    refreshProfilesAsync(atStart);
}

void NmRasControl::onServiceUnregistered() {
    forgetFirstLook(); // what a NetworkManager gone away listed
    m_running = false;
    m_agentRegistered = false;
    m_profiles.clear();
    m_profilesLoaded = false;
    m_active.clear();
    m_primary.clear();
    m_activeLoaded = false;
    ++m_activeGeneration;
    watchCounters(QString());
    if (dialInProgress())
        failDial(NmReasons::failureTextWords(QStringLiteral("NetworkManager stopped")));
    else if (m_dial.phase == Phase::Connected)
        m_dial.phase = Phase::Ended;
    emit serviceRunningChanged(false);
}

void NmRasControl::registerAgent() {
    QDBusPendingCallWatcher* w = asyncCall(NmNames::agentManagerPath(), NmNames::agentManagerIface(),
                                           QStringLiteral("Register"), {m_agentId});
    connect(w, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
        call->deleteLater();
        m_agentRegistered = !call->isError();
        if (call->isError())
            qWarning("modemtally: NetworkManager refused the secret agent: %s",
                     qPrintable(call->error().message()));
        emit agentRegistrationFinished(m_agentRegistered);
    });
}

std::optional<NmSettings> NmRasControl::answerSecrets(const QString& connectionPath, const QString& uuid,
                                                      const QString& settingName, uint flags) {
    // Only the dial this control started, while it is under way; everything else is declined so that
    // NetworkManager's own secrets or another agent answer.
    if (!dialInProgress() || m_dial.hangupRequested)
        return std::nullopt;
    const bool ours = connectionPath == m_dial.profilePath || (!uuid.isEmpty() && uuid == m_dial.profileUuid);
    if (!ours)
        return std::nullopt;
    if (!m_dial.validationShown) {
        m_dial.validationShown = true;
        emit ConnectionStatus(NmReasons::validationText(), NmReasons::DevNeedAuth);
    }
    if ((flags & kRequestNew) && m_dial.secretsAnswered > 0) {
        // NetworkManager asks again after the server refused what we gave: the same answer would only
        // be refused again.
        m_dial.loginRejected = true;
        return std::nullopt;
    }
    if (m_dial.user.isEmpty() && m_dial.password.isEmpty())
        return std::nullopt;
    ++m_dial.secretsAnswered;
    return secretsForSetting(settingName, m_dial.user, m_dial.password, m_dial.domain);
}

QDBusMessage NmRasControl::call(const QString& path, const QString& iface, const QString& method,
                                const QList<QVariant>& args) const {
    QDBusMessage msg = QDBusMessage::createMethodCall(NmNames::service(), path, iface, method);
    msg.setArguments(args);
    return m_bus.call(msg, QDBus::Block, m_options.callTimeoutMs);
}

QDBusPendingCallWatcher* NmRasControl::asyncCall(const QString& path, const QString& iface,
                                                 const QString& method, const QList<QVariant>& args) {
    QDBusMessage msg = QDBusMessage::createMethodCall(NmNames::service(), path, iface, method);
    msg.setArguments(args);
    return new QDBusPendingCallWatcher(m_bus.asyncCall(msg), this);
}

// ---- profiles ----

bool NmRasControl::listed(const QString& type) const {
    if (type == QLatin1String("loopback"))
        return false;
    return m_options.types.isEmpty() || m_options.types.contains(type);
}

void NmRasControl::storeProfile(const QString& path, const NmSettings& settings) {
    const QVariantMap c = settings.value(QStringLiteral("connection"));
    // A value of another type reads as absent: a profile without an id is not listed.
    const auto text = [this, &c](const QString& key, const char* where) {
        const auto it = c.constFind(key);
        return it == c.constEnd() ? QString() : m_args.string(*it, where).value_or(QString());
    };
    Profile p{path, text(QStringLiteral("id"), "GetSettings connection.id"),
              text(QStringLiteral("uuid"), "GetSettings connection.uuid"),
              text(QStringLiteral("type"), "GetSettings connection.type")};
    m_profiles.erase(std::remove_if(m_profiles.begin(), m_profiles.end(),
                                    [&](const Profile& q) { return q.path == path; }),
                     m_profiles.end());
    if (!p.id.isEmpty() && listed(p.type))
        m_profiles.append(p);
}

void NmRasControl::sortProfiles() {
    std::sort(m_profiles.begin(), m_profiles.end(), [](const Profile& a, const Profile& b) {
        const int ci = a.id.compare(b.id, Qt::CaseInsensitive);
        if (ci != 0)
            return ci < 0;
        if (a.id != b.id)
            return a.id < b.id;
        return a.uuid < b.uuid;
    });
}

void NmRasControl::loadProfilesSync() {
    if (!m_running)
        return;
    const std::optional<QDBusMessage> unread = takeUnread(m_listUnread);
    const QDBusMessage list =
        unread ? *unread
               : call(NmNames::settingsPath(), NmNames::settingsIface(), QStringLiteral("ListConnections"));
    const std::optional<QStringList> listed = connectionPaths(list);
    if (!listed) {
        // A daemon too slow to answer (or answering nonsense) is not waited for again at every poll:
        // keep what is known and let the answer arrive in the background.
        m_profilesLoaded = true;
        refreshProfilesAsync();
        return;
    }
    const QStringList& paths = *listed;
    // All requests go out at once; the wait is for the slowest, not their sum. Those the first look
    // has sent already (for this very list) are read, not sent again.
    const QHash<QString, QDBusPendingCall> sent =
        unread ? std::exchange(m_firstSettings, {}) : QHash<QString, QDBusPendingCall>{};
    QList<QPair<QString, QDBusPendingCall>> pending;
    for (const QString& p : paths) {
        if (const auto it = sent.constFind(p); it != sent.constEnd()) {
            pending.append({p, *it});
            continue;
        }
        QDBusMessage msg = QDBusMessage::createMethodCall(NmNames::service(), p, NmNames::connectionIface(),
                                                          QStringLiteral("GetSettings"));
        pending.append({p, m_bus.asyncCall(msg, m_options.callTimeoutMs)});
    }
    m_profiles.clear();
    for (auto& [path, pc] : pending) {
        QDBusPendingReply<NmSettings> r = pc;
        r.waitForFinished();
        if (r.isValid())
            storeProfile(path, r.value());
        else
            m_args.checkReplyError(r.error(), u"a{sa{sv}}", "GetSettings reply");
    }
    sortProfiles();
    m_profilesLoaded = true;
}

QDBusPendingCallWatcher* NmRasControl::look(const QDBusMessage& msg, Unread& unread, bool firstLook,
                                            quint64* serial) {
    auto* w =
        new QDBusPendingCallWatcher(m_bus.asyncCall(msg, firstLook ? m_options.callTimeoutMs : -1), this);
    *serial = ++unread.next;
    if (firstLook) {
        unread.call = *w;
        unread.serial = *serial;
    }
    return w;
}

std::optional<QDBusMessage> NmRasControl::takeUnread(Unread& unread) {
    if (!unread.call)
        return std::nullopt;
    QDBusPendingCall call = *unread.call;
    unread.call.reset();
    unread.taken = unread.serial;
    // Bounded by the call's own timeout, as a blocking call is.
    call.waitForFinished();
    return call.reply();
}

void NmRasControl::refreshProfilesAsync(bool firstLook) {
    QDBusMessage msg =
        QDBusMessage::createMethodCall(NmNames::service(), NmNames::settingsPath(), NmNames::settingsIface(),
                                       QStringLiteral("ListConnections"));
    quint64 serial = 0;
    QDBusPendingCallWatcher* w = look(msg, m_listUnread, firstLook, &serial);
    connect(w, &QDBusPendingCallWatcher::finished, this,
            [this, serial, firstLook](QDBusPendingCallWatcher* call) {
                call->deleteLater();
                // Still unread: no enumeration has taken it, and it stays for the first one.
                const bool unread = m_listUnread.call && m_listUnread.serial == serial;
                if (!unread && m_listUnread.taken == serial)
                    return; // an enumeration has read this answer already
                const std::optional<QStringList> listed = connectionPaths(call->reply());
                if (!listed && unread)
                    m_listUnread.call.reset();
                if (!listed && firstLook && m_running)
                    refreshProfilesAsync(); // a first look that timed out: the answer is waited for in the
                                            // background
                if (!listed || !m_running)
                    return;
                const QStringList& paths = *listed;
                m_profiles.erase(std::remove_if(m_profiles.begin(), m_profiles.end(),
                                                [&](const Profile& q) { return !paths.contains(q.path); }),
                                 m_profiles.end());
                m_firstSettings.clear();
                for (const QString& p : paths) {
                    QDBusPendingCallWatcher* settings = fetchProfileAsync(p);
                    if (unread)
                        m_firstSettings.insert(p, *settings);
                }
            });
}

void NmRasControl::forgetFirstLook() {
    m_listUnread.call.reset();
    m_firstSettings.clear();
}

QDBusPendingCallWatcher* NmRasControl::fetchProfileAsync(const QString& path) {
    QDBusPendingCallWatcher* w = asyncCall(path, NmNames::connectionIface(), QStringLiteral("GetSettings"));
    connect(w, &QDBusPendingCallWatcher::finished, this, [this, path](QDBusPendingCallWatcher* call) {
        call->deleteLater();
        QDBusPendingReply<NmSettings> r = *call;
        if (!r.isValid())
            m_args.checkReplyError(r.error(), u"a{sa{sv}}", "GetSettings reply");
        if (!r.isValid() || !m_running)
            return;
        const QList<Profile> before = m_profiles;
        storeProfile(path, r.value());
        sortProfiles();
        if (!sameEntries(before, m_profiles))
            emit entriesChanged();
    });
    return w;
}

void NmRasControl::onNewConnection(const QDBusMessage& msg) {
    forgetFirstLook();
    if (const auto args = m_args.arguments(msg, {u"o"}, "NewConnection"))
        fetchProfileAsync(*m_args.path(args->at(0), "NewConnection"));
}

void NmRasControl::onConnectionRemoved(const QDBusMessage& msg) {
    forgetFirstLook();
    const auto args = m_args.arguments(msg, {u"o"}, "ConnectionRemoved");
    if (!args)
        return;
    const QString path = *m_args.path(args->at(0), "ConnectionRemoved");
    const qsizetype profileCountBefore = m_profiles.size();
    m_profiles.erase(std::remove_if(m_profiles.begin(), m_profiles.end(),
                                    [&](const Profile& q) { return q.path == path; }),
                     m_profiles.end());
    if (profileCountBefore != m_profiles.size())
        emit entriesChanged();
}

void NmRasControl::onConnectionUpdated(const QDBusMessage& msg) {
    forgetFirstLook();
    fetchProfileAsync(msg.path());
}

bool NmRasControl::sameEntries(const QList<Profile>& a, const QList<Profile>& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a.at(i).id != b.at(i).id || a.at(i).path != b.at(i).path)
            return false;
    return true;
}

const NmRasControl::Profile* NmRasControl::profileByName(const QString& name) const {
    for (const Profile& p : m_profiles)
        if (p.id == name)
            return &p;
    // The program keeps profile names without regard to letter case.
    for (const Profile& p : m_profiles)
        if (p.id.compare(name, Qt::CaseInsensitive) == 0)
            return &p;
    return nullptr;
}

const NmRasControl::Profile* NmRasControl::profileByPath(const QString& path) const {
    for (const Profile& p : m_profiles)
        if (p.path == path)
            return &p;
    return nullptr;
}

// ---- active connections ----

void NmRasControl::storeActive(const QString& path, const QVariantMap& props) {
    Active& a = m_active[path];
    // A value of another type leaves what is known.
    if (props.contains(QStringLiteral("Connection")))
        a.profilePath = m_args.path(props.value(QStringLiteral("Connection")), "active connection Connection")
                            .value_or(a.profilePath);
    if (props.contains(QStringLiteral("Id")))
        a.id = m_args.string(props.value(QStringLiteral("Id")), "active connection Id").value_or(a.id);
    if (props.contains(QStringLiteral("State")))
        a.state =
            m_args.uint32(props.value(QStringLiteral("State")), "active connection State").value_or(a.state);
    if (props.contains(QStringLiteral("Devices")))
        a.devices = m_args.paths(props.value(QStringLiteral("Devices")), "active connection Devices")
                        .value_or(a.devices);
}

void NmRasControl::setActivePaths(const QStringList& paths, bool fetchNew) {
    for (auto it = m_active.begin(); it != m_active.end();) {
        if (!paths.contains(it.key()))
            it = m_active.erase(it);
        else
            ++it;
    }
    for (const QString& p : paths) {
        if (!m_active.contains(p)) {
            m_active.insert(p, Active{});
            if (fetchNew)
                fetchActiveAsync(p);
        }
    }
    // Our connection left the list without a last StateChanged (NetworkManager restarting it, or a
    // signal lost): it is not up any more.
    if (m_dial.phase == Phase::Connected && !m_dial.acPath.isEmpty() && !paths.contains(m_dial.acPath))
        m_dial.phase = Phase::Ended;
}

void NmRasControl::fetchActiveAsync(const QString& path) {
    QDBusPendingCallWatcher* w =
        asyncCall(path, NmNames::propertiesIface(), QStringLiteral("GetAll"), {NmNames::activeIface()});
    const quint64 gen = m_activeGeneration;
    connect(w, &QDBusPendingCallWatcher::finished, this, [this, path, gen](QDBusPendingCallWatcher* call) {
        call->deleteLater();
        QDBusPendingReply<QVariantMap> r = *call;
        if (!r.isValid())
            m_args.checkReplyError(r.error(), u"a{sv}", "active connection GetAll reply");
        if (gen != m_activeGeneration || !m_active.contains(path) || !r.isValid())
            return;
        storeActive(path, r.value());
    });
}

void NmRasControl::loadActiveSync() {
    if (!m_running)
        return;
    const std::optional<QDBusMessage> unread = takeUnread(m_managerUnread);
    const QDBusMessage reply = unread ? *unread
                                      : call(NmNames::managerPath(), NmNames::propertiesIface(),
                                             QStringLiteral("GetAll"), {NmNames::managerIface()});
    std::optional<QList<QVariant>> args;
    if (reply.type() == QDBusMessage::ReplyMessage)
        args = m_args.arguments(reply, {u"a{sv}"}, "NetworkManager GetAll reply");
    const std::optional<QVariantMap> props =
        args ? m_args.map(args->at(0), "NetworkManager GetAll reply") : std::nullopt;
    if (!props) {
        // As for the profiles: no second wait at the next poll; the answer comes in the background.
        m_activeLoaded = true;
        loadActiveAsync();
        return;
    }
    ++m_activeGeneration;
    takeManagerProperties(*props, false, "NetworkManager GetAll");
    const QStringList paths = m_active.keys();
    QList<QPair<QString, QDBusPendingCall>> pending;
    for (const QString& p : paths) {
        QDBusMessage msg = QDBusMessage::createMethodCall(NmNames::service(), p, NmNames::propertiesIface(),
                                                          QStringLiteral("GetAll"));
        msg.setArguments({NmNames::activeIface()});
        pending.append({p, m_bus.asyncCall(msg, m_options.callTimeoutMs)});
    }
    for (auto& [path, pc] : pending) {
        QDBusPendingReply<QVariantMap> r = pc;
        r.waitForFinished();
        if (r.isValid())
            storeActive(path, r.value());
        else
            m_args.checkReplyError(r.error(), u"a{sv}", "active connection GetAll reply");
    }
    m_activeLoaded = true;
}

void NmRasControl::loadActiveAsync(bool firstLook) {
    QDBusMessage msg = QDBusMessage::createMethodCall(NmNames::service(), NmNames::managerPath(),
                                                      NmNames::propertiesIface(), QStringLiteral("GetAll"));
    msg.setArguments({NmNames::managerIface()});
    quint64 serial = 0;
    QDBusPendingCallWatcher* w = look(msg, m_managerUnread, firstLook, &serial);
    const quint64 gen = ++m_activeGeneration;
    connect(w, &QDBusPendingCallWatcher::finished, this,
            [this, gen, serial, firstLook](QDBusPendingCallWatcher* call) {
                call->deleteLater();
                if (m_managerUnread.call && m_managerUnread.serial == serial)
                    m_managerUnread.call.reset();
                QDBusPendingReply<QVariantMap> r = *call;
                if (!r.isValid() && m_managerUnread.taken != serial)
                    m_args.checkReplyError(r.error(), u"a{sv}", "NetworkManager GetAll reply");
                if (gen != m_activeGeneration || !m_running)
                    return; // a later look (an enumeration's, say) is the one that counts
                if (!r.isValid()) {
                    if (firstLook)
                        loadActiveAsync(); // timed out: the answer is waited for in the background
                    return;
                }
                takeManagerProperties(r.value(), false, "NetworkManager GetAll");
                for (auto it = m_active.cbegin(); it != m_active.cend(); ++it)
                    fetchActiveAsync(it.key());
                m_activeLoaded = true;
            });
}

void NmRasControl::onManagerPropertiesChanged(const QDBusMessage& msg) {
    const auto args = m_args.arguments(msg, {u"s", u"a{sv}"}, "PropertiesChanged");
    if (!args || args->at(0).toString() != NmNames::managerIface())
        return;
    if (const auto changed = m_args.map(args->at(1), "PropertiesChanged"))
        takeManagerProperties(*changed, true, "PropertiesChanged");
}

void NmRasControl::takeManagerProperties(const QVariantMap& props, bool fetchNew, QAnyStringView where) {
    // A value of another type leaves what is known.
    const auto primary = props.constFind(QStringLiteral("PrimaryConnection"));
    if (primary != props.constEnd())
        m_primary = m_args.path(*primary, where.toString() + QStringLiteral(" PrimaryConnection"))
                        .value_or(m_primary);
    const auto active = props.constFind(QStringLiteral("ActiveConnections"));
    if (active != props.constEnd())
        if (const auto paths = m_args.paths(*active, where.toString() + QStringLiteral(" ActiveConnections")))
            setActivePaths(*paths, fetchNew);
}

std::optional<QStringList> NmRasControl::connectionPaths(const QDBusMessage& reply) {
    if (reply.type() != QDBusMessage::ReplyMessage)
        return std::nullopt;
    const auto args = m_args.arguments(reply, {u"ao"}, "ListConnections reply");
    if (!args)
        return std::nullopt;
    return m_args.paths(args->at(0), "ListConnections reply");
}

// ---- the dial ----

bool NmRasControl::dialInProgress() const {
    return m_dial.phase == Phase::Starting || m_dial.phase == Phase::Activating ||
           m_dial.phase == Phase::Failing;
}

void NmRasControl::emitStatusLater(const QString& text) {
    // Dial progress never arrives from inside Dial(): callers rely on Dial() returning first.
    const quint64 id = m_dial.id;
    QMetaObject::invokeMethod(
        this,
        [this, id, text] {
            if (id == m_dial.id)
                emit ConnectionStatus(text, 0);
        },
        Qt::QueuedConnection);
}

void NmRasControl::failDial(const QString& text) {
    m_failGrace.stop();
    m_dial.phase = Phase::Ended;
    emit ConnectionStatus(text, 0);
}

void NmRasControl::Dial() {
    m_failGrace.stop();
    m_dial = DialAttempt{};
    m_dial.id = ++m_nextDialId;
    m_dial.entry = entryName();
    m_dial.user = userName();
    m_dial.password = password();
    m_dial.domain = domain();
    m_dial.phase = Phase::Starting;

    QString failure;
    if (!m_bus.isConnected() || !m_running) {
        failure = NmReasons::failureTextWords(QStringLiteral("NetworkManager is not running"));
    } else {
        const Profile* p = profileByName(m_dial.entry);
        if (!p) {
            // A profile made since the last enumeration.
            loadProfilesSync();
            p = profileByName(m_dial.entry);
        }
        if (!p) {
            failure = NmReasons::failureTextWords(
                QStringLiteral("there is no NetworkManager connection called \"%1\"").arg(m_dial.entry));
        } else {
            m_dial.profilePath = p->path;
            m_dial.profileUuid = p->uuid;
        }
    }
    // The profile's own name when it is known (the program's names ignore letter case).
    const Profile* known = m_dial.profilePath.isEmpty() ? nullptr : profileByPath(m_dial.profilePath);
    emitStatusLater(NmReasons::dialingText(known ? known->id : m_dial.entry));
    if (!failure.isEmpty()) {
        const quint64 id = m_dial.id;
        QMetaObject::invokeMethod(
            this,
            [this, id, failure] {
                if (id == m_dial.id && m_dial.phase == Phase::Starting)
                    failDial(failure);
            },
            Qt::QueuedConnection);
        return;
    }
    const QDBusObjectPath any(QStringLiteral("/"));
    QDBusPendingCallWatcher* w =
        asyncCall(NmNames::managerPath(), NmNames::managerIface(), QStringLiteral("ActivateConnection"),
                  {QVariant::fromValue(QDBusObjectPath(m_dial.profilePath)), QVariant::fromValue(any),
                   QVariant::fromValue(any)});
    const quint64 id = m_dial.id;
    connect(w, &QDBusPendingCallWatcher::finished, this,
            [this, id](QDBusPendingCallWatcher* call) { onActivationReply(id, call); });
}

void NmRasControl::onActivationReply(quint64 dialId, QDBusPendingCallWatcher* w) {
    w->deleteLater();
    if (dialId != m_dial.id || m_dial.phase != Phase::Starting) {
        // A dial given up meanwhile (hang-up, a new dial, NetworkManager gone): do not leave its
        // activation running.
        QDBusPendingReply<QDBusObjectPath> r = *w;
        if (r.isValid() && dialId != m_dial.id)
            deactivate(r.value().path());
        return;
    }
    QDBusPendingReply<QDBusObjectPath> r = *w;
    if (!r.isValid()) {
        m_args.checkReplyError(r.error(), u"o", "ActivateConnection reply");
        if (m_dial.hangupRequested) {
            m_dial.phase = Phase::Ended;
            return;
        }
        failDial(NmReasons::failureTextWords(
            NmReasons::activationErrorWords(r.error().name(), r.error().message())));
        return;
    }
    m_dial.acPath = r.value().path();
    m_dial.phase = Phase::Activating;
    if (m_dial.hangupRequested) {
        deactivate(m_dial.acPath);
        m_dial.phase = Phase::Ended;
        return;
    }
    // Its devices, to follow their state and find the cause of a failure.
    QDBusPendingCallWatcher* props = asyncCall(m_dial.acPath, NmNames::propertiesIface(),
                                               QStringLiteral("GetAll"), {NmNames::activeIface()});
    connect(props, &QDBusPendingCallWatcher::finished, this, [this, dialId](QDBusPendingCallWatcher* call) {
        call->deleteLater();
        QDBusPendingReply<QVariantMap> pr = *call;
        if (!pr.isValid())
            m_args.checkReplyError(pr.error(), u"a{sv}", "active connection GetAll reply");
        if (dialId != m_dial.id || !pr.isValid())
            return;
        const QVariantMap v = pr.value();
        if (v.contains(QStringLiteral("Devices")))
            m_dial.devices = m_args.paths(v.value(QStringLiteral("Devices")), "active connection Devices")
                                 .value_or(QStringList());
        if (m_active.contains(m_dial.acPath))
            storeActive(m_dial.acPath, v);
        // A state the signals did not tell (they are subscribed before the call, so this is only a
        // safety net).
        if (m_dial.phase == Phase::Activating && v.contains(QStringLiteral("State"))) {
            const std::optional<uint> st =
                m_args.uint32(v.value(QStringLiteral("State")), "active connection State");
            if (st == NmReasons::AcActivated)
                handleDialState(*st, 0);
        }
    });
    const QList<QPair<uint, uint>> early = m_dial.early.take(m_dial.acPath);
    m_dial.early.clear();
    for (const auto& [state, reason] : early)
        if (dialId == m_dial.id)
            handleDialState(state, reason);
}

void NmRasControl::onActiveStateChanged(const QDBusMessage& msg) {
    const auto args = m_args.arguments(msg, {u"u", u"u"}, "active connection StateChanged");
    if (!args)
        return;
    const uint state = args->at(0).toUInt();
    const uint reason = args->at(1).toUInt();
    const QString path = msg.path();
    if (m_active.contains(path))
        m_active[path].state = state;
    if (m_dial.phase == Phase::Starting) {
        m_dial.early[path].append({state, reason});
        return;
    }
    if (path == m_dial.acPath && !m_dial.acPath.isEmpty())
        handleDialState(state, reason);
}

void NmRasControl::handleDialState(uint state, uint reason) {
    switch (m_dial.phase) {
    case Phase::Activating:
        if (m_dial.hangupRequested) {
            if (state == NmReasons::AcDeactivated)
                m_dial.phase = Phase::Ended;
            return;
        }
        if (state == NmReasons::AcActivated) {
            m_dial.phase = Phase::Connected;
            // The enumeration sees it at once, even before the active connection's details arrive.
            Active& a = m_active[m_dial.acPath];
            a.profilePath = m_dial.profilePath;
            a.state = state;
            emit ConnectionStatus(NmReasons::connectedText(), 0);
        } else if (state == NmReasons::AcDeactivated) {
            m_dial.acReason = reason;
            m_dial.phase = Phase::Failing;
            // The device usually reports its reason first; when it has not yet, wait a moment for it.
            const bool haveDeviceReason = !m_dial.lastFailedDevice.isEmpty();
            if (haveDeviceReason)
                finishFailure();
            else
                m_failGrace.start(m_options.failureGraceMs);
        }
        return;
    case Phase::Connected:
        if (state == NmReasons::AcDeactivating || state == NmReasons::AcDeactivated)
            m_dial.phase = Phase::Ended; // the line went down; the program's poll notices
        return;
    default:
        return;
    }
}

void NmRasControl::finishFailure() {
    if (m_dial.phase != Phase::Failing)
        return;
    uint deviceReason = 0;
    for (const QString& d : std::as_const(m_dial.devices))
        if (m_dial.deviceFailures.contains(d))
            deviceReason = m_dial.deviceFailures.value(d);
    if (deviceReason == 0 && !m_dial.lastFailedDevice.isEmpty())
        deviceReason = m_dial.deviceFailures.value(m_dial.lastFailedDevice);
    failDial(NmReasons::failureText(m_dial.acReason, deviceReason, m_dial.loginRejected));
}

void NmRasControl::onDeviceStateChanged(const QDBusMessage& msg) {
    if (!dialInProgress())
        return;
    const auto args = m_args.arguments(msg, {u"u", u"u", u"u"}, "device StateChanged");
    if (!args)
        return;
    const uint newState = args->at(0).toUInt();
    const uint reason = args->at(2).toUInt();
    const QString path = msg.path();
    // Until the active connection's devices are known, any device changing during the dial is taken
    // as its device (the device list picks the right failure later when there is a choice).
    const bool ours = m_dial.devices.isEmpty() || m_dial.devices.contains(path);
    if (newState == NmReasons::DevFailed && ours) {
        m_dial.deviceFailures.insert(path, reason);
        m_dial.lastFailedDevice = path;
        if (m_dial.phase == Phase::Failing)
            finishFailure();
        return;
    }
    if (!ours || m_dial.phase != Phase::Activating || m_dial.hangupRequested)
        return;
    if (newState == NmReasons::DevNeedAuth) {
        if (m_dial.validationShown)
            return;
        m_dial.validationShown = true;
    }
    const QString text = NmReasons::deviceProgressText(newState);
    if (!text.isEmpty())
        emit ConnectionStatus(text, static_cast<int>(newState));
}

bool NmRasControl::IsConnected() {
    if (m_dial.phase != Phase::Connected || !m_running)
        return false;
    const auto it = m_active.constFind(m_dial.acPath);
    return it == m_active.constEnd() || it->state == NmReasons::AcActivated;
}

// ---- hang-up ----

void NmRasControl::deactivate(const QString& acPath) {
    if (acPath.isEmpty() || !m_running)
        return;
    QDBusPendingCallWatcher* w =
        asyncCall(NmNames::managerPath(), NmNames::managerIface(), QStringLiteral("DeactivateConnection"),
                  {QVariant::fromValue(QDBusObjectPath(acPath))});
    connect(w, &QDBusPendingCallWatcher::finished, w, &QObject::deleteLater);
}

void NmRasControl::HangUp(const QString& entry) {
    if (entry.isEmpty())
        return;
    const bool ourDial = (m_dial.phase != Phase::Idle && m_dial.phase != Phase::Ended) &&
                         m_dial.entry.compare(entry, Qt::CaseInsensitive) == 0;
    QStringList targets;
    if (ourDial) {
        m_dial.hangupRequested = true;
        m_failGrace.stop();
        if (m_dial.phase == Phase::Connected || m_dial.phase == Phase::Failing)
            m_dial.phase = Phase::Ended;
        // Still Starting: the activation reply deactivates what it started.
        if (!m_dial.acPath.isEmpty())
            targets << m_dial.acPath;
    }
    // Any other active connection of that entry (one made outside the program and adopted).
    const Profile* p = profileByName(entry);
    for (auto it = m_active.cbegin(); it != m_active.cend(); ++it) {
        const bool sameProfile =
            p ? it->profilePath == p->path : it->id.compare(entry, Qt::CaseInsensitive) == 0;
        if (sameProfile && !targets.contains(it.key()) && it->state != NmReasons::AcDeactivated)
            targets << it.key();
    }
    for (const QString& t : std::as_const(targets))
        deactivate(t);
}

// ---- enumeration ----

void NmRasControl::EnumEntries() {
    loadProfilesSync();
    const QList<Profile> profiles = m_profiles; // a handler may enumerate again
    for (const Profile& p : profiles)
        emit EnumEntry(p.id);
}

void NmRasControl::EnumConnections() {
    if (m_running && !m_activeLoaded)
        loadActiveSync();
    if (m_running && !m_profilesLoaded)
        loadProfilesSync();
    QString name;
    if (m_running) {
        if (const Profile* p = profileByPath(m_active.value(listedPathUp()).profilePath))
            name = p->id;
    }
    emit EnumConnection(name);
}

QString NmRasControl::listedPathUp() const {
    const auto up = [this](const QString& acPath) {
        const auto it = m_active.constFind(acPath);
        return it != m_active.constEnd() && it->state == NmReasons::AcActivated &&
               profileByPath(it->profilePath) != nullptr;
    };
    if (up(m_primary))
        return m_primary;
    // Several up and none primary: the first in enumeration order, so the answer is stable.
    for (const Profile& prof : std::as_const(m_profiles)) {
        for (auto it = m_active.cbegin(); it != m_active.cend(); ++it)
            if (it->profilePath == prof.path && up(it.key()))
                return it.key();
    }
    return {};
}

// ---- byte counters ----

QString NmRasControl::activePathUp() const {
    if (m_dial.phase == Phase::Connected && !m_dial.acPath.isEmpty())
        return m_dial.acPath;
    return listedPathUp();
}

std::optional<ByteCounts> NmRasControl::byteCounts() {
    if (!m_running)
        return std::nullopt;
    const QString ac = activePathUp();
    QStringList devices = m_active.value(ac).devices;
    if (devices.isEmpty() && ac == m_dial.acPath)
        devices = m_dial.devices;
    if (ac.isEmpty() || devices.isEmpty()) {
        if (!m_counters.device.isEmpty())
            watchCounters(QString());
        return std::nullopt;
    }
    if (devices.first() != m_counters.device) {
        watchCounters(devices.first());
        return std::nullopt;
    }
    if (m_counters.live && m_counters.rx && m_counters.tx)
        return ByteCounts{*m_counters.rx, *m_counters.tx};
    // The kernel's own counters of the interface (when the program shares NetworkManager's network
    // namespace): two small files, read at once.
    const QString& iface = m_counters.ipInterface;
    if (iface.isEmpty() || iface.contains(QLatin1Char('/')) || iface == QLatin1String(".") ||
        iface == QLatin1String(".."))
        return std::nullopt;
    const auto read = [&iface](const char* name) -> std::optional<quint64> {
        QFile f(QStringLiteral("/sys/class/net/%1/statistics/%2").arg(iface, QLatin1String(name)));
        if (!f.open(QIODevice::ReadOnly))
            return std::nullopt;
        bool ok = false;
        const quint64 v = f.read(32).trimmed().toULongLong(&ok);
        return ok ? std::optional<quint64>(v) : std::nullopt;
    };
    const auto rx = read("rx_bytes");
    const auto tx = read("tx_bytes");
    if (!rx || !tx)
        return std::nullopt;
    return ByteCounts{*rx, *tx};
}

void NmRasControl::watchCounters(const QString& device) {
    const QString svc = NmNames::service();
    if (!m_counters.device.isEmpty())
        m_bus.disconnect(svc, m_counters.device, NmNames::propertiesIface(),
                         QStringLiteral("PropertiesChanged"), this,
                         SLOT(onDevicePropertiesChanged(QDBusMessage)));
    m_counters = Counters{};
    m_counters.device = device;
    const quint64 gen = ++m_countersGeneration;
    if (device.isEmpty())
        return;
    m_bus.connect(svc, device, NmNames::propertiesIface(), QStringLiteral("PropertiesChanged"), this,
                  SLOT(onDevicePropertiesChanged(QDBusMessage)));
    // The interface that carries the IP traffic (for PPP the ppp interface, not the modem's port).
    QDBusPendingCallWatcher* ifw = asyncCall(device, NmNames::propertiesIface(), QStringLiteral("Get"),
                                             {NmNames::deviceIface(), QStringLiteral("IpInterface")});
    connect(ifw, &QDBusPendingCallWatcher::finished, this, [this, gen](QDBusPendingCallWatcher* call) {
        call->deleteLater();
        QDBusPendingReply<QDBusVariant> r = *call;
        if (gen != m_countersGeneration || !r.isValid())
            return;
        m_counters.ipInterface =
            m_args.string(r.value().variant(), "device IpInterface").value_or(QString()).trimmed();
    });
    // Statistics are refreshed only while someone asks for them: ask for every second, then read
    // what the device holds now. A refusal leaves the kernel's counters to read.
    QDBusPendingCallWatcher* setw =
        asyncCall(device, NmNames::propertiesIface(), QStringLiteral("Set"),
                  {NmNames::statisticsIface(), QStringLiteral("RefreshRateMs"),
                   QVariant::fromValue(QDBusVariant(QVariant::fromValue(uint(kStatisticsRefreshMs))))});
    connect(
        setw, &QDBusPendingCallWatcher::finished, this, [this, gen, device](QDBusPendingCallWatcher* call) {
            call->deleteLater();
            if (gen != m_countersGeneration || call->isError())
                return;
            QDBusPendingCallWatcher* all = asyncCall(device, NmNames::propertiesIface(),
                                                     QStringLiteral("GetAll"), {NmNames::statisticsIface()});
            connect(all, &QDBusPendingCallWatcher::finished, this, [this, gen](QDBusPendingCallWatcher* c) {
                c->deleteLater();
                QDBusPendingReply<QVariantMap> r = *c;
                if (!r.isValid())
                    m_args.checkReplyError(r.error(), u"a{sv}", "device statistics GetAll reply");
                if (gen != m_countersGeneration || !r.isValid())
                    return;
                takeStatistics(r.value());
            });
        });
}

void NmRasControl::takeStatistics(const QVariantMap& props) {
    if (props.contains(QStringLiteral("RefreshRateMs")))
        m_counters.live =
            m_args.uint32(props.value(QStringLiteral("RefreshRateMs")), "statistics RefreshRateMs")
                .value_or(0) > 0;
    if (props.contains(QStringLiteral("RxBytes")))
        m_counters.rx = m_args.uint64(props.value(QStringLiteral("RxBytes")), "statistics RxBytes");
    if (props.contains(QStringLiteral("TxBytes")))
        m_counters.tx = m_args.uint64(props.value(QStringLiteral("TxBytes")), "statistics TxBytes");
}

void NmRasControl::onDevicePropertiesChanged(const QDBusMessage& msg) {
    if (msg.path() != m_counters.device)
        return;
    const auto args = m_args.arguments(msg, {u"s", u"a{sv}"}, "device PropertiesChanged");
    if (!args || args->at(0).toString() != NmNames::statisticsIface())
        return;
    if (const auto changed = m_args.map(args->at(1), "device PropertiesChanged"))
        takeStatistics(*changed);
}

// ---- editor ----

void NmRasControl::EditEntry(const QString& entry) {
    if (!m_profilesLoaded)
        loadProfilesSync();
    const Profile* p = profileByName(entry);
    if (!p) {
        emit userMessage(QStringLiteral("There is no NetworkManager connection called \"%1\".").arg(entry));
        return;
    }
    const QString exe = QStandardPaths::findExecutable(m_options.editorProgram);
    const auto start =
        m_options.startDetached ? m_options.startDetached : [](const QString& prog, const QStringList& args) {
            return QProcess::startDetached(prog, args);
        };
    if (exe.isEmpty() || !start(exe, {QStringLiteral("--edit"), p->uuid}))
        emit userMessage(
            QStringLiteral("The connection \"%1\" cannot be edited here: the NetworkManager "
                           "connection editor (%2, in the network-manager-gnome package) is not "
                           "installed. Install it, or edit the connection in your desktop's network "
                           "settings or with nmcli.")
                .arg(entry, m_options.editorProgram));
}

void NmRasControl::CreateEntry() {
    const QString exe = QStandardPaths::findExecutable(m_options.editorProgram);
    const auto start =
        m_options.startDetached ? m_options.startDetached : [](const QString& prog, const QStringList& args) {
            return QProcess::startDetached(prog, args);
        };
    if (exe.isEmpty() || !start(exe, {QStringLiteral("--create")}))
        emit userMessage(
            QStringLiteral("A new connection cannot be created here: the NetworkManager connection "
                           "editor (%1, in the network-manager-gnome package) is not installed. "
                           "Install it, or create the connection in your desktop's network settings "
                           "or with nmcli.")
                .arg(m_options.editorProgram));
}

// ---- factory ----

std::unique_ptr<RasControl> makeNmRasControl(QString* error) {
    NmOptions options;
    const QString types = qEnvironmentVariable("MT_NM_TYPES");
    for (const QString& t : types.split(QLatin1Char(','), Qt::SkipEmptyParts))
        options.types << t.trimmed();
    auto control = std::make_unique<NmRasControl>(std::move(options));
    if (!control->connectedToBus()) {
        if (error)
            *error = QStringLiteral("The system bus cannot be reached, so NetworkManager cannot be used.");
        return nullptr;
    }
    return control;
}
