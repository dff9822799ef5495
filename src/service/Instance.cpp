#include "service/Instance.h"

#include "config/frmConfig.h"
#include "console/TrayBehaviour.h"
#include "console/Windows.h"
#include "console/frmStart.h"
#include "core/Program.h"
#include "core/YesNo.h"
#include "service/BusNames.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>

#include <cstdio>

namespace {
// The options that only a new start applies: the running instance keeps its own.
bool hasStartOptions(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString option = arguments.at(i);
        while (option.startsWith(QLatin1Char('-')))
            option.remove(0, 1);
        option = option.section(QLatin1Char('='), 0, 0);
        if (option == QLatin1String("backend") || option == QLatin1String("phonebook") ||
            option == QLatin1String("sim-outside"))
            return true;
    }
    return false;
}

void note(const QString& text) {
    std::fprintf(stderr, "modemtally: %s\n", qPrintable(text));
}
} // namespace

std::optional<int> Instance::handOver(const QString& dataFolder, const QStringList& arguments) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return std::nullopt; // claim() says so
    const QString name = BusNames::serviceFor(dataFolder);
    QDBusConnectionInterface* daemon = bus.interface();
    if (!daemon->isServiceRegistered(name).value())
        return std::nullopt;
    QDBusMessage call = QDBusMessage::createMethodCall(name, BusNames::objectPath(),
                                                       BusNames::interfaceName(), QStringLiteral("Activate"));
    call << arguments;
    const QDBusMessage reply = bus.call(call);
    if (reply.type() == QDBusMessage::ReplyMessage) {
        if (hasStartOptions(arguments))
            note(QStringLiteral("ModemTally already runs for the data folder %1 and keeps its own --backend, "
                                "--phonebook and --sim-outside; its window was brought to the front.")
                     .arg(dataFolder));
        return 0;
    }
    // An instance that ended meanwhile leaves the folder to this start.
    if (!daemon->isServiceRegistered(name).value())
        return std::nullopt;
    note(QStringLiteral("ModemTally already runs for the data folder %1 but does not answer (%2).")
             .arg(dataFolder, reply.errorMessage()));
    return 1;
}

Instance::Instance(Program& program, Windows& windows, const QString& dataFolder)
    : m_program(program), m_windows(windows), m_dataFolder(dataFolder), m_service(program, dataFolder) {
    connect(&m_service, &ScriptingService::activationRequested, this, &Instance::bringToFront);
}

Instance::~Instance() {
    m_service.unexport();
    // Giving the name back is a call to the bus: it also sees every reply sent before it (the one
    // to Quit, say) on its way before the program ends.
    if (owned())
        QDBusConnection::sessionBus().interface()->unregisterService(m_name);
}

std::optional<int> Instance::claim(const QStringList& arguments) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        note(QStringLiteral("no session bus (%1): running without the single-instance guard and the D-Bus "
                            "interface.")
                 .arg(bus.lastError().message()));
        return std::nullopt;
    }
    const QString name = BusNames::serviceFor(m_dataFolder);
    // A start that loses the name to an instance that ends at once tries again; three rounds are
    // plenty for any real race.
    for (int round = 0; round < 3; ++round) {
        if (!m_service.exportOn(bus)) {
            note(QStringLiteral("the D-Bus object %1 is taken: running without the D-Bus interface.")
                     .arg(BusNames::objectPath()));
            return std::nullopt;
        }
        const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply =
            bus.interface()->registerService(name, QDBusConnectionInterface::DontQueueService,
                                             QDBusConnectionInterface::DontAllowReplacement);
        if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered) {
            m_name = name;
            return std::nullopt;
        }
        m_service.unexport();
        if (!reply.isValid()) {
            note(
                QStringLiteral("the bus name %1 could not be taken (%2): running without the single-instance "
                               "guard and the D-Bus interface.")
                    .arg(name, reply.error().message()));
            return std::nullopt;
        }
        // Another start took the name since handOver() looked.
        if (const auto status = handOver(m_dataFolder, arguments))
            return status;
    }
    note(QStringLiteral("the bus name %1 keeps changing hands: running without the single-instance guard.")
             .arg(name));
    return std::nullopt;
}

void Instance::startedUp() {
    m_service.setReady();
}

void Instance::bringToFront() {
    if (m_program.finished())
        return;
    if (m_program.firstRunHidden() && isTrue(m_program.settings.gFirstRun)) {
        QWidget& config = m_windows.frmConfig();
        config.setWindowState(config.windowState() & ~Qt::WindowMinimized);
        config.show();
        config.raise();
        config.activateWindow();
        return;
    }
    TrayBehaviour::restore(m_windows.frmStart());
}
