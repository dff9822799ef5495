#pragma once
// Helpers shared by the NetworkManager tests: the dbusmock stand-in as a child process, a driver
// connection to the test bus, and a recorder of a control's status texts.

#include "platform/ras/nm/NmRasControl.h"
#include "platform/ras/nm/NmTypes.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>
#include <QTest>

namespace nmtest {

inline bool nameOwned(QDBusConnection& bus, const QString& name) {
    QDBusMessage m = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameHasOwner"));
    m.setArguments({name});
    const QDBusMessage r = bus.call(m, QDBus::Block, 1000);
    return r.type() == QDBusMessage::ReplyMessage && r.arguments().value(0).toBool();
}

// Every status text a control reports, in order, while the log exists.
struct StatusLog {
    QStringList lines;
    QMetaObject::Connection connection;
    explicit StatusLog(RasControl& c) {
        connection = QObject::connect(&c, &RasControl::ConnectionStatus, &c,
                                      [this](const QString& t, int) { lines << t; });
    }
    ~StatusLog() { QObject::disconnect(connection); }
    StatusLog(const StatusLog&) = delete;
    StatusLog& operator=(const StatusLog&) = delete;
    bool ended() const {
        return !lines.isEmpty() && (lines.last() == QLatin1String("Connected") ||
                                    lines.last().indexOf(QLatin1String(" failed")) >= 1);
    }
    bool contains(const QString& s) const { return lines.contains(s); }
};

// The names a control reports from one EnumEntries / EnumConnections call.
inline QStringList entries(RasControl& c) {
    QStringList out;
    QObject ctx;
    QObject::connect(&c, &RasControl::EnumEntry, &ctx, [&out](const QString& e) { out << e; });
    c.EnumEntries();
    return out;
}
inline QStringList connections(RasControl& c) {
    QStringList out;
    QObject ctx;
    QObject::connect(&c, &RasControl::EnumConnection, &ctx, [&out](const QString& e) { out << e; });
    c.EnumConnections();
    return out;
}

// The dbusmock stand-in on a private bus.
class MockNm {
public:
    MockNm(const QString& busAddress, const QString& templatePath)
        : m_address(busAddress), m_template(templatePath),
          m_bus(QDBusConnection::connectToBus(busAddress, QStringLiteral("nm-test-driver"))) {}
    ~MockNm() {
        stop();
        QDBusConnection::disconnectFromBus(QStringLiteral("nm-test-driver"));
    }

    bool start() {
        m_proc = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), m_address);
        m_proc->setProcessEnvironment(env);
        m_proc->setStandardOutputFile(QProcess::nullDevice());
        m_proc->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_proc->start(QStringLiteral("/usr/bin/python3"),
                      {QStringLiteral("-m"), QStringLiteral("dbusmock"), QStringLiteral("--system"),
                       QStringLiteral("-t"), m_template});
        if (!m_proc->waitForStarted(5000))
            return false;
        return QTest::qWaitFor([this] { return nameOwned(m_bus, NmNames::service()); }, 10000);
    }
    void stop() {
        if (!m_proc)
            return;
        m_proc->terminate();
        if (!m_proc->waitForFinished(5000))
            m_proc->kill();
        m_proc->waitForFinished(2000);
        m_proc.reset();
    }
    bool running() { return nameOwned(m_bus, NmNames::service()); }

    QDBusMessage mock(const QString& method, const QList<QVariant>& args = {}) {
        QDBusMessage m =
            QDBusMessage::createMethodCall(NmNames::service(), QStringLiteral("/org/freedesktop"),
                                           QStringLiteral("org.freedesktop.DBus.Mock"), method);
        m.setArguments(args);
        return m_bus.call(m, QDBus::Block, 5000);
    }
    QString addProfile(const QString& id, const QString& uuid, const QString& type, const QString& scenario) {
        return mock(QStringLiteral("AddProfile"), {id, uuid, type, scenario})
            .arguments()
            .value(0)
            .value<QDBusObjectPath>()
            .path();
    }
    QString addActive(const QString& profile, uint state) {
        return mock(QStringLiteral("AddActive"), {QVariant::fromValue(QDBusObjectPath(profile)), state})
            .arguments()
            .value(0)
            .value<QDBusObjectPath>()
            .path();
    }
    void setActiveState(const QString& ac, uint state, uint reason) {
        mock(QStringLiteral("SetActiveState"), {QVariant::fromValue(QDBusObjectPath(ac)), state, reason});
    }
    void setPrimary(const QString& ac) {
        mock(QStringLiteral("SetPrimary"), {QVariant::fromValue(QDBusObjectPath(ac))});
    }
    QJsonObject log() {
        const QString s = mock(QStringLiteral("GetLog")).arguments().value(0).toString();
        return QJsonDocument::fromJson(s.toUtf8()).object();
    }
    void vanish() {
        mock(QStringLiteral("Vanish"));
        if (m_proc)
            m_proc->waitForFinished(5000);
    }

private:
    QString m_address;
    QString m_template;
    QDBusConnection m_bus;
    std::unique_ptr<QProcess> m_proc;
};

} // namespace nmtest
