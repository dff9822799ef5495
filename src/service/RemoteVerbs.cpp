#include "service/RemoteVerbs.h"

#include "modemtally1interface.h"
#include "service/BusNames.h"

#include <QDBusConnectionInterface>
#include <QDBusServiceWatcher>
#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

#include <cstdio>
#include <limits>

namespace RemoteVerbs {

namespace {
void print(FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

int notRunning(const QString& verb, bool json, const QString& why) {
    if (verb == QLatin1String("status"))
        print(stdout, json ? QStringLiteral("{\"Running\":false}\n") : QStringLiteral("not running\n"));
    print(stderr, QStringLiteral("modemtally: ModemTally is not running %1.\n").arg(why));
    return NotRunning;
}

// A failed call: the instance that ended meanwhile is not running; any other error is its answer.
int failed(const QString& verb, bool json, const QDBusError& error, const QString& folder) {
    if (error.type() == QDBusError::ServiceUnknown || error.type() == QDBusError::Disconnected)
        return notRunning(verb, json, QStringLiteral("for the data folder %1").arg(folder));
    print(stderr, QStringLiteral("modemtally: %1\n").arg(error.message()));
    return Refused;
}

QString statusText(const QVariantMap& s) {
    const QStringList lines = s.value(QStringLiteral("StatusLines")).toStringList();
    return QStringLiteral("State: %1\nProfile: %2\nElapsed: %3 (%4 s)\nCost: %5\nReceived: %6 bytes\n"
                          "Sent: %7 bytes\nStatus: %8\n")
        .arg(s.value(QStringLiteral("State")).toString(), s.value(QStringLiteral("Profile")).toString(),
             s.value(QStringLiteral("Elapsed")).toString())
        .arg(s.value(QStringLiteral("ElapsedSeconds")).toUInt())
        .arg(s.value(QStringLiteral("Cost")).toString())
        .arg(s.value(QStringLiteral("RxBytes")).toULongLong())
        .arg(s.value(QStringLiteral("TxBytes")).toULongLong())
        .arg(lines.isEmpty() ? QString() : lines.constLast());
}

// Waits until the instance has given up its name (it does so as it ends).
bool waitForEnd(QDBusConnection& bus, const QString& name) {
    QEventLoop loop;
    QDBusServiceWatcher watcher(name, bus, QDBusServiceWatcher::WatchForUnregistration);
    QObject::connect(&watcher, &QDBusServiceWatcher::serviceUnregistered, &loop, &QEventLoop::quit);
    if (!bus.interface()->isServiceRegistered(name).value())
        return true;
    // A guard for an instance that never ends, not a measure of how long ending takes.
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
    return !bus.interface()->isServiceRegistered(name).value();
}
} // namespace

int run(const QString& verb, const QString& argument, bool json, const QString& chosenDataDir) {
    const QString folder = BusNames::dataFolderFor(chosenDataDir);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return notRunning(verb, json, QStringLiteral("(no session bus: %1)").arg(bus.lastError().message()));
    const QString name = BusNames::serviceFor(folder);
    if (!bus.interface()->isServiceRegistered(name).value())
        return notRunning(verb, json, QStringLiteral("for the data folder %1").arg(folder));

    OrgModemtallyModemTally1Interface proxy(name, BusNames::objectPath(), bus);
    // The instance may finish its start-up, or ask its user something (Quit while connected), before
    // it answers a verb that acts.
    proxy.setTimeout(std::numeric_limits<int>::max());

    if (verb == QLatin1String("quit")) {
        QDBusReply<bool> exiting = proxy.Quit();
        if (!exiting.isValid())
            return failed(verb, json, exiting.error(), folder);
        if (!exiting.value()) {
            print(stderr, QStringLiteral("modemtally: ModemTally stays open: its exit was cancelled.\n"));
            return Refused;
        }
        if (!waitForEnd(bus, name)) {
            print(stderr, QStringLiteral("modemtally: ModemTally is exiting but still runs.\n"));
            return Refused;
        }
        return Done;
    }

    if (verb == QLatin1String("connect")) {
        QDBusReply<void> done = proxy.Connect(argument);
        if (!done.isValid())
            return failed(verb, json, done.error(), folder);
    } else if (verb == QLatin1String("hang-up")) {
        QDBusReply<void> done = proxy.HangUp();
        if (!done.isValid())
            return failed(verb, json, done.error(), folder);
    }

    // Status answers at once from a program that is not stuck.
    proxy.setTimeout(-1);
    QDBusReply<QVariantMap> reply = proxy.Status();
    if (!reply.isValid())
        return failed(verb, json, reply.error(), folder);
    const QVariantMap status = reply.value();
    const QString state = status.value(QStringLiteral("State")).toString();
    const QStringList lines = status.value(QStringLiteral("StatusLines")).toStringList();
    if (verb == QLatin1String("connect")) {
        if (state == QLatin1String("idle"))
            print(stdout, QStringLiteral("ModemTally waits for an answer in its window.\n"));
        else
            print(stdout, QStringLiteral("%1 %2\n").arg(state == QLatin1String("dialing")
                                                            ? QStringLiteral("Dialing")
                                                            : QStringLiteral("Connected to"),
                                                        status.value(QStringLiteral("Profile")).toString()));
    } else if (verb == QLatin1String("hang-up")) {
        print(stdout, (lines.isEmpty() ? QString() : lines.constLast()) + QLatin1Char('\n'));
    } else if (json) {
        QJsonObject object = QJsonObject::fromVariantMap(status);
        object.insert(QStringLiteral("Running"), true);
        print(stdout,
              QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) + QLatin1Char('\n'));
    } else {
        print(stdout, statusText(status));
    }
    return Done;
}

} // namespace RemoteVerbs
