#pragma once

#include "platform/RasControl.h"
#include "platform/ras/nm/NmArgs.h"

#include <QDBusConnection>
#include <QDBusPendingCall>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

class QDBusMessage;
class QDBusPendingCallWatcher;
class QDBusServiceWatcher;
class NmSecretAgent;

// The NetworkManager backend; nullptr with a reason when it cannot be used.
std::unique_ptr<RasControl> makeNmRasControl(QString* error);

struct NmOptions {
    // Connection types to list ("pppoe", "gsm", "vpn"...); empty: every type but loopback. The
    // factory fills it from MT_NM_TYPES (comma separated) when that is set.
    QStringList types;
    // The bus to use; empty: the system bus (DBUS_SYSTEM_BUS_ADDRESS when set).
    QString busAddress;
    // Longest wait of the few calls that must answer before returning (enumeration); every other
    // call is asynchronous.
    int callTimeoutMs = 1000;
    // How long a failed activation waits for its device's reason before reporting without it.
    int failureGraceMs = 300;
    // The profile editor and how it is started (tests replace both).
    QString editorProgram = QStringLiteral("nm-connection-editor");
    std::function<bool(const QString& program, const QStringList& args)> startDetached;
};

// The remote-access control on NetworkManager over D-Bus. Entries are connection profiles (by their
// id), the active connection is NetworkManager's active connection of a listed profile, Dial and
// HangUp are ActivateConnection and DeactivateConnection, and the dial's progress comes from the
// active connection's and its device's StateChanged signals. The control registers as a secret agent
// so that the user name and password given for a dial reach NetworkManager when it asks.
//
// It keeps its own connection to the bus, so several controls (tests) never share exported objects.
// Everything is asynchronous except the enumeration calls, which must report before returning and so
// wait at most callTimeoutMs. NetworkManager stopping ends a dial in progress as a failure; its
// return is noticed and the control starts over.
class NmRasControl final : public RasControl {
    Q_OBJECT
public:
    explicit NmRasControl(NmOptions options = {}, QObject* parent = nullptr);
    ~NmRasControl() override;

    void EnumEntries() override;
    void EnumConnections() override;
    void EditEntry(const QString& entryName) override;
    bool IsConnected() override;
    void CreateEntry() override;
    void HangUp(const QString& entryName) override;
    void Dial() override;
    // The counters of the up connection's device: NetworkManager's statistics of it, kept as its
    // PropertiesChanged signals bring them (the device is asked to refresh them every second), or,
    // until they come or when NetworkManager does not refresh them, the kernel's counters of its IP
    // interface under /sys/class/net.
    std::optional<ByteCounts> byteCounts() override;

    // How often NetworkManager is asked to refresh a device's statistics.
    static constexpr uint kStatisticsRefreshMs = 1000;

    // True while NetworkManager is on the bus (as last seen).
    bool serviceRunning() const { return m_running; }
    // True once the secret agent is registered with NetworkManager.
    bool agentRegistered() const { return m_agentRegistered; }
    bool connectedToBus() const { return m_bus.isConnected(); }

signals:
    // Something the user must be told in a message box (the backend shows none itself).
    void userMessage(const QString& text);
    // NetworkManager appeared on or left the bus.
    void serviceRunningChanged(bool running);
    // A profile was added, removed or renamed in NetworkManager since the last look (for instance by
    // the connection editor CreateEntry started): enumerating again gives the new list.
    void entriesChanged();
    // The secret agent registration finished (true: NetworkManager accepted it).
    void agentRegistrationFinished(bool ok);

private slots:
    void onActiveStateChanged(const QDBusMessage& msg);
    void onDeviceStateChanged(const QDBusMessage& msg);
    void onManagerPropertiesChanged(const QDBusMessage& msg);
    void onNewConnection(const QDBusMessage& msg);
    void onConnectionRemoved(const QDBusMessage& msg);
    void onConnectionUpdated(const QDBusMessage& msg);
    void onDevicePropertiesChanged(const QDBusMessage& msg);

private:
    struct Profile {
        QString path, id, uuid, type;
    };
    struct Active {
        QString profilePath;
        QString id;
        uint state = 0;
        QStringList devices;
    };
    enum class Phase { Idle, Starting, Activating, Failing, Connected, Ended };
    struct DialAttempt {
        quint64 id = 0;
        Phase phase = Phase::Idle;
        QString entry, profilePath, profileUuid, acPath;
        QString user, password, domain;
        QStringList devices;
        QHash<QString, uint> deviceFailures; // device path -> reason of its last FAILED state
        QString lastFailedDevice;
        uint acReason = 0;
        bool hangupRequested = false;
        bool validationShown = false;
        int secretsAnswered = 0;
        bool loginRejected = false;
        QHash<QString, QList<QPair<uint, uint>>> early; // AC signals seen before the activation reply
    };

    // The byte counters of one device, as far as they are known.
    struct Counters {
        QString device; // the device watched ("" none)
        QString ipInterface;
        bool live = false; // NetworkManager refreshes the statistics
        std::optional<quint64> rx, tx;
    };

    void startWatching();
    // The active connection that is up: ours, else the one EnumConnections reports; "" none.
    QString activePathUp() const;
    // The listed profile's active connection that EnumConnections reports; "" none.
    QString listedPathUp() const;
    void watchCounters(const QString& device);
    void takeStatistics(const QVariantMap& props);
    // `atStart`: found running when this control is made, before any event loop has run.
    void onServiceRegistered(bool atStart = false);
    void onServiceUnregistered();
    void registerAgent();
    std::optional<QMap<QString, QVariantMap>>
    answerSecrets(const QString& connectionPath, const QString& uuid, const QString& settingName, uint flags);

    QDBusMessage call(const QString& path, const QString& iface, const QString& method,
                      const QList<QVariant>& args = {}) const;
    QDBusPendingCallWatcher* asyncCall(const QString& path, const QString& iface, const QString& method,
                                       const QList<QVariant>& args = {});

    bool listed(const QString& type) const;
    void loadProfilesSync();
    // `firstLook`: the look when the control is made, bounded as a blocking call is, which the first
    // enumeration waits for instead of asking again (see Unread).
    void refreshProfilesAsync(bool firstLook = false);
    QDBusPendingCallWatcher* fetchProfileAsync(const QString& path);
    void storeProfile(const QString& path, const QMap<QString, QVariantMap>& settings);
    void sortProfiles();
    static bool sameEntries(const QList<Profile>& a, const QList<Profile>& b);
    const Profile* profileByName(const QString& name) const;
    const Profile* profileByPath(const QString& path) const;

    void loadActiveSync();
    void loadActiveAsync(bool firstLook = false);
    void setActivePaths(const QStringList& paths, bool fetchNew);
    void storeActive(const QString& path, const QVariantMap& props);
    void fetchActiveAsync(const QString& path);

    // The manager's ActiveConnections and PrimaryConnection out of a property map.
    void takeManagerProperties(const QVariantMap& props, bool fetchNew, QAnyStringView where);
    // The object paths of a ListConnections reply; nothing for an error or another type.
    std::optional<QStringList> connectionPaths(const QDBusMessage& reply);

    void onActivationReply(quint64 dialId, QDBusPendingCallWatcher* w);
    void handleDialState(uint state, uint reason);
    void finishFailure();
    void failDial(const QString& text);
    void emitStatusLater(const QString& text);
    void deactivate(const QString& acPath);
    bool dialInProgress() const;

    NmOptions m_options;
    // Every value NetworkManager sends goes through here (a value of another type is ignored).
    NmArgs m_args;
    QString m_connName;
    QDBusConnection m_bus;
    QDBusServiceWatcher* m_watcher = nullptr;
    NmSecretAgent* m_agent = nullptr;
    bool m_running = false;
    bool m_agentRegistered = false;
    QString m_agentId;

    // A first look's call (ListConnections, or NetworkManager's GetAll), sent when the control is
    // made, until an enumeration or the event loop takes its answer. By the time the main console
    // first enumerates, the answer has mostly arrived: the enumeration reads it instead of asking
    // again and waiting a round trip to NetworkManager. The list's answer the event loop keeps for
    // that enumeration (see m_firstSettings), unless a change is signalled first. Only the first
    // look: a later look's answer could be older than what the caller has just done.
    struct Unread {
        std::optional<QDBusPendingCall> call;
        quint64 serial = 0; // of the call now held
        quint64 taken = 0;  // the serial of the last call an enumeration read
        quint64 next = 0;
    };
    Unread m_listUnread;
    Unread m_managerUnread;
    // When the event loop takes the first look's list before any enumeration (a start does: the answer
    // arrives while the program is being made), the profiles' settings are asked for at once and the
    // list is kept unread: the first enumeration then reads both instead of asking again. A change
    // NetworkManager signals before that enumeration drops them (forgetFirstLook).
    QHash<QString, QDBusPendingCall> m_firstSettings; // profile path -> its GetSettings
    void forgetFirstLook();
    // The answer to a first look that the event loop has not taken yet (waiting for it if it has not
    // arrived), or none.
    static std::optional<QDBusMessage> takeUnread(Unread& unread);
    // Sends a look; a first look is bounded as a blocking call is and kept in `unread`. `serial`
    // tells the call's answer from a later look's.
    QDBusPendingCallWatcher* look(const QDBusMessage& msg, Unread& unread, bool firstLook, quint64* serial);

    QList<Profile> m_profiles; // listed profiles in enumeration order
    bool m_profilesLoaded = false;
    QHash<QString, Active> m_active; // active connection path -> what it is
    QString m_primary;
    bool m_activeLoaded = false;
    quint64 m_activeGeneration = 0;

    DialAttempt m_dial;
    quint64 m_nextDialId = 0;
    QTimer m_failGrace;
    Counters m_counters;
    quint64 m_countersGeneration = 0;
};
