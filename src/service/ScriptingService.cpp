#include "service/ScriptingService.h"

#include "core/DialFlows.h"
#include "core/HangUp.h"
#include "core/Program.h"
#include "core/SessionTimer.h"
#include "modemtally1adaptor.h"
#include "service/BusNames.h"

#include <QDBusMessage>

namespace {
QString phaseName(Phase phase) {
    switch (phase) {
    case Phase::Dialing:
        return QStringLiteral("dialing");
    case Phase::Connected:
        return QStringLiteral("connected");
    case Phase::Idle:
        break;
    }
    return QStringLiteral("idle");
}
} // namespace

ScriptingService::ScriptingService(Program& program, const QString& dataFolder, QObject* parent)
    : QObject(parent), m_program(program), m_dataFolder(dataFolder) {
    new ModemTally1Adaptor(this); // owned by this object; relays StatusLine and SessionEnded

    Program& p = m_program;
    connect(&p.status, &StatusList::lineAdded, this, &ScriptingService::StatusLine);
    connect(&p.dial, &DialState::phaseChanged, this, [this](Phase phase) {
        // A new dial or an adopted line starts its counts from zero.
        if (phase != Phase::Idle && m_phase == Phase::Idle)
            m_rx = m_tx = 0;
        m_phase = phase;
        publish();
    });
    connect(&p.dial, &DialState::profileChanged, this, &ScriptingService::publish);
    connect(&p.session, &SessionState::secondCounted, this, &ScriptingService::publish);
    connect(&p.session, &SessionState::clockReset, this, &ScriptingService::publish);
    connect(&p.session, &SessionState::bytesCounted, this,
            [this](quint64 received, quint64 sent) { setByteCounts(received, sent); });
    // The tariff may have changed, and with it the cost of the time on the clock.
    connect(&p, &Program::settingsRead, this, &ScriptingService::publish);
    connect(&p, &Program::configurationSaved, this, &ScriptingService::publish);
    connect(&p.session, &SessionState::sessionEnded, this,
            [this](const QString& profile, qint32 seconds, Money cost) {
                emit SessionEnded(profile, uint(qMax(0, seconds)), cost.toText(), m_rx, m_tx);
            });
    m_phase = p.dial.phase();
    m_published = properties();
}

ScriptingService::~ScriptingService() {
    unexport();
}

bool ScriptingService::exportOn(const QDBusConnection& connection) {
    unexport();
    m_connection = connection;
    m_exported = m_connection.registerObject(BusNames::objectPath(), this, QDBusConnection::ExportAdaptors);
    return m_exported;
}

void ScriptingService::unexport() {
    if (m_exported)
        m_connection.unregisterObject(BusNames::objectPath());
    m_exported = false;
}

void ScriptingService::setReady() {
    m_ready = true;
    const auto waiting = std::exchange(m_waiting, {});
    for (const auto& [call, action] : waiting)
        m_connection.send(action(call));
    if (std::exchange(m_activationWaiting, false))
        emit activationRequested(m_waitingArguments);
}

void ScriptingService::carryOut(Action action) {
    if (!calledFromDBus())
        return;
    setDelayedReply(true);
    if (m_ready)
        m_connection.send(action(message()));
    else
        m_waiting.append({message(), std::move(action)});
}

void ScriptingService::setByteCounts(quint64 received, quint64 sent) {
    m_rx = received;
    m_tx = sent;
    publish();
}

QString ScriptingService::state() const {
    return phaseName(m_program.dial.phase());
}

QString ScriptingService::profile() const {
    return m_program.dial.gDialedProfile;
}

uint ScriptingService::elapsedSeconds() const {
    return uint(qMax(0, m_program.session.elapsedSeconds()));
}

QString ScriptingService::cost() const {
    return SessionTimer::FinalCost(m_program, m_program.session.elapsedSeconds()).toText();
}

QVariantMap ScriptingService::properties() const {
    return {
        {QStringLiteral("State"), state()},
        {QStringLiteral("Profile"), profile()},
        {QStringLiteral("ElapsedSeconds"), elapsedSeconds()},
        {QStringLiteral("Cost"), cost()},
        {QStringLiteral("RxBytes"), rxBytes()},
        {QStringLiteral("TxBytes"), txBytes()},
    };
}

void ScriptingService::publish() {
    const QVariantMap now = properties();
    QVariantMap changed;
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        if (m_published.value(it.key()) != it.value())
            changed.insert(it.key(), it.value());
    }
    m_published = now;
    if (changed.isEmpty() || !m_exported)
        return;
    QDBusMessage signal =
        QDBusMessage::createSignal(BusNames::objectPath(), QStringLiteral("org.freedesktop.DBus.Properties"),
                                   QStringLiteral("PropertiesChanged"));
    signal << BusNames::interfaceName() << changed << QStringList();
    m_connection.send(signal);
}

namespace {
QDBusMessage refusal(const QDBusMessage& call, const char* error, const QString& text) {
    return call.createErrorReply(BusNames::interfaceName() + QStringLiteral(".Error.") + QLatin1String(error),
                                 text);
}

QDBusMessage closing(const QDBusMessage& call) {
    return refusal(call, "Closing", QStringLiteral("ModemTally is closing."));
}
} // namespace

void ScriptingService::Connect(const QString& name) {
    carryOut([this, name](const QDBusMessage& call) { return connectNow(call, name); });
}

QDBusMessage ScriptingService::connectNow(const QDBusMessage& call, const QString& name) {
    Program& p = m_program;
    if (p.finished())
        return closing(call);
    if (!p.dial.controls().connect) {
        return refusal(call, "Busy",
                       QStringLiteral("A dial or a connection is in progress (%1 %2): hang up first.")
                           .arg(state(), p.dial.gDialedProfile));
    }
    if (name.isEmpty()) {
        // The Connect button's flow: the default profile, or the prompt or picker it opens.
        DialFlows::connectButton(p);
        return call.createReply();
    }
    if (!p.listedEntries.contains(name)) {
        return refusal(
            call, "UnknownProfile",
            QStringLiteral("There is no profile \"%1\" in the phone book (Profiles lists them).").arg(name));
    }
    // A named profile dials at once with its stored credentials, as the dial dialog does when its
    // Dial is pressed without a change (the configuration console's "Dial selected..."). Like that
    // dialog, it needs something to log in with; the caller is told rather than a box opened.
    const ProfileStore& stored = p.settings.gProfiles;
    const QString user = stored.userName(name);
    const QString password = stored.password(name);
    const QString domain = stored.domain(name);
    if (user.isEmpty() && password.isEmpty() && domain.isEmpty()) {
        return refusal(call, "NoCredentials",
                       QStringLiteral("The profile \"%1\" has no user name, password or domain stored: "
                                      "enter them in the Configuration Console.")
                           .arg(name));
    }
    DialFlows::dialSelected(p, name, user, password, domain);
    return call.createReply();
}

void ScriptingService::HangUp() {
    carryOut([this](const QDBusMessage& call) { return hangUpNow(call); });
}

QDBusMessage ScriptingService::hangUpNow(const QDBusMessage& call) {
    if (m_program.finished())
        return closing(call);
    if (!m_program.dial.controls().hangUp)
        return refusal(call, "NotConnected", QStringLiteral("There is no dial or connection to hang up."));
    ::HangUp::hangUp(m_program, HangupEntry::Button);
    return call.createReply();
}

QStringList ScriptingService::Profiles() {
    return m_program.listedEntries;
}

QVariantMap ScriptingService::Status() {
    const Program& p = m_program;
    QVariantMap status = properties();
    status.insert(QStringLiteral("Elapsed"), p.session.elapsedText());
    status.insert(QStringLiteral("CanConnect"), p.dial.controls().connect);
    status.insert(QStringLiteral("CanHangUp"), p.dial.controls().hangUp);
    status.insert(QStringLiteral("StatusLines"), p.status.lines());
    status.insert(QStringLiteral("DataFolder"), m_dataFolder);
    return status;
}

bool ScriptingService::Quit() {
    carryOut([this](const QDBusMessage& call) {
        if (m_program.finished())
            return closing(call);
        // Exit's flow: it may ask whether to hang up, and the answer may be to stay.
        ::HangUp::exitProgram(m_program);
        return call.createReply(m_program.finished());
    });
    return false; // the delayed reply carries the answer
}

void ScriptingService::Activate(const QStringList& arguments) {
    // Answered at once, so that a second start made while start-up waits for the user (the first
    // run's welcome) is not kept waiting; the windows come forward once start-up is over.
    if (m_ready) {
        emit activationRequested(arguments);
    } else {
        m_activationWaiting = true;
        m_waitingArguments = arguments;
    }
}
