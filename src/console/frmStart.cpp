#include "console/frmStart.h"

#include "console/TrayBehaviour.h"
#include "core/DataSize.h"
#include "core/DialFlows.h"
#include "core/HangUp.h"
#include "core/Program.h"
#include "platform/RasControl.h"
#include "platform/desktop/GroupBox.h"
#include "platform/desktop/Icons.h"

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtMath>

namespace {
QPushButton* pictureButton(QWidget* parent, const char* name, const QString& tip, const QIcon& icon) {
    return ::pictureButton(parent, name, tip, icon, QSize(32, 32), QSize(48, 48));
}

// The elapsed-time clock, larger than the text around it and heavy (drawHeavyText says why not in
// the bold face). A label still: its text is what screen readers and the tests read.
class ClockLabel final : public QLabel {
public:
    using QLabel::QLabel;
    QSize sizeHint() const override {
        const QMargins m = contentsMargins();
        return heavyTextSize(font(), text()).toSize() + QSize(m.left() + m.right(), m.top() + m.bottom());
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(palette().color(isEnabled() ? QPalette::Normal : QPalette::Disabled, foregroundRole()));
        drawHeavyText(p, contentsRect(), alignment(), font(), text());
    }
};
} // namespace

frmStart::frmStart(Program& program) : m_program(program) {
    setObjectName(QStringLiteral("frmStart"));
    setWindowTitle(tr("Welcome to ModemTally Deluxe!"));

    // Its frame is drawn without Fusion's frame picture: the console's first paint then starts no
    // worker thread and loads no image plugin.
    Frame1 = new LineFrameGroupBox(tr("ModemTally Menu"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    cmdConnectDefault = pictureButton(Frame1, "cmdConnectDefault", tr("Connect to your connection profile"),
                                      themedIcon(Picture::Connect));
    cmdConnectDefault->setText(tr("Connect"));
    // Its caption names the profile it dials: screen readers read the caption as the name, and the
    // tip as the description.
    cmdConnectDefault->setAccessibleName(QString());
    cmdConnectDefault->setAccessibleDescription(cmdConnectDefault->toolTip());
    cmdHangup = pictureButton(Frame1, "cmdHangup", tr("Hang up on your current active connection"),
                              themedIcon(Picture::HangUp));
    cmdHangup->setText(tr("Hang Up"));
    cmdConfiguration = pictureButton(Frame1, "cmdConfiguration", tr("Configuration Console"),
                                     themedIcon(Picture::Configuration));
    cmdStartHelp = pictureButton(Frame1, "cmdStartHelp", tr("Help"), themedIcon(Picture::Help));
    cmdAbout = pictureButton(Frame1, "cmdAbout", tr("About ModemTally"), themedIcon(Picture::About));
    cmdExit = pictureButton(Frame1, "cmdExit", tr("Exit ModemTally"), themedIcon(Picture::Exit));
    Command1 =
        pictureButton(Frame1, "Command1", tr("Place ModemTally to System Tray"), themedIcon(Picture::ToTray));
    Command2 = pictureButton(Frame1, "Command2",
                             tr("Scan for any active connections established externally of ModemTally"),
                             themedIcon(Picture::Scan));
    cmdHistory = pictureButton(Frame1, "cmdHistory",
                               tr("Usage History: time online and cost by month, day and profile"),
                               themedIcon(Picture::History));
    cmdHangup->setEnabled(false);

    auto* grid = new QGridLayout(Frame1);
    grid->addWidget(cmdConnectDefault, 0, 0, 1, 2);
    grid->addWidget(cmdHangup, 1, 0, 1, 2);
    grid->addWidget(cmdConfiguration, 2, 0);
    grid->addWidget(Command2, 2, 1);
    grid->addWidget(cmdStartHelp, 3, 0);
    grid->addWidget(cmdAbout, 3, 1);
    grid->addWidget(Command1, 4, 0);
    grid->addWidget(cmdExit, 4, 1);
    grid->addWidget(cmdHistory, 5, 0);
    grid->setRowStretch(6, 1);

    Label1 = new QLabel(tr("Connection Status :"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    listConnectionStatus = new QListView(this);
    listConnectionStatus->setObjectName(QStringLiteral("listConnectionStatus"));
    listConnectionStatus->setToolTip(tr("Connection Status Window"));
    listConnectionStatus->setAccessibleName(tr("Connection Status Window"));
    listConnectionStatus->setMinimumSize(320, 200);
    Label1->setBuddy(listConnectionStatus);
    Label2 = new QLabel(tr("Time Elapsed :"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    labelTime = new ClockLabel(QStringLiteral("0 : 0 : 0"), this);
    labelTime->setObjectName(QStringLiteral("labelTime"));
    labelTime->setToolTip(tr("Time elapsed in Hour:Minute:Second"));
    QFont tf = labelTime->font();
    tf.setPointSizeF(tf.pointSizeF() * 1.6);
    labelTime->setFont(tf);
    // Room for a long session's clock from the start, so the text is never cut off while it grows.
    labelTime->setMinimumWidth(qCeil(heavyTextSize(tf, QStringLiteral("000 : 00 : 00")).width()) + 8);

    labelData = new QLabel(this);
    labelData->setObjectName(QStringLiteral("labelData"));
    labelData->setAccessibleName(tr("Data this session"));
    // A line of its own under the clock, as wide as the column: a growing text never widens the
    // console nor squeezes its buttons.
    labelData->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    labelData->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* right = new QVBoxLayout;
    right->addWidget(Label1);
    right->addWidget(listConnectionStatus, 1);
    auto* timeRow = new QHBoxLayout;
    timeRow->addWidget(Label2);
    timeRow->addWidget(labelTime);
    timeRow->addStretch(1);
    right->addLayout(timeRow);
    right->addWidget(labelData);
    auto* main = new QHBoxLayout(this);
    main->addWidget(Frame1);
    main->addLayout(right, 1);

    mPopupSys = new QMenu(tr("&SysTray"), this);
    mPopupSys->setObjectName(QStringLiteral("mPopupSys"));
    auto item = [this](const char* name, const QString& caption) {
        QAction* a = mPopupSys->addAction(caption);
        a->setObjectName(QLatin1String(name));
        return a;
    };
    mPopRestore = item("mPopRestore", tr("&Restore"));
    mPopExit = item("mPopExit", tr("&Exit"));
    mPopupSys->addSeparator()->setObjectName(QStringLiteral("asd"));
    mMin = item("mMin", tr("&Hide ModemTally"));
    mPopupSys->addSeparator()->setObjectName(QStringLiteral("sep"));
    mConfiguration = item("mConfiguration", tr("&Configuration"));
    mPopupSys->addSeparator()->setObjectName(QStringLiteral("erw"));
    mPopHangup = item("mPopHangup", tr("&Hang Up"));
    mPopHangup->setEnabled(false);
    mPopupSys->addSeparator()->setObjectName(QStringLiteral("sepHistory"));
    mHistory = item("mHistory", tr("Usage Histor&y..."));

    connect(cmdConnectDefault, &QPushButton::clicked, this, &frmStart::cmdConnectDefault_Click);
    connect(cmdHangup, &QPushButton::clicked, this, &frmStart::cmdHangup_Click);
    connect(cmdConfiguration, &QPushButton::clicked, this, &frmStart::cmdConfiguration_Click);
    connect(cmdStartHelp, &QPushButton::clicked, this, &frmStart::cmdStartHelp_Click);
    connect(cmdAbout, &QPushButton::clicked, this, &frmStart::cmdAbout_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmStart::cmdExit_Click);
    connect(Command1, &QPushButton::clicked, this, &frmStart::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmStart::Command2_Click);
    connect(mPopRestore, &QAction::triggered, this, &frmStart::mPopRestore_Click);
    connect(mPopExit, &QAction::triggered, this, &frmStart::mPopExit_Click);
    connect(mMin, &QAction::triggered, this, &frmStart::mMin_Click);
    connect(mConfiguration, &QAction::triggered, this, &frmStart::mConfiguration_Click);
    connect(mPopHangup, &QAction::triggered, this, &frmStart::mPopHangup_Click);
    connect(cmdHistory, &QPushButton::clicked, this, &frmStart::historyRequested);
    connect(mHistory, &QAction::triggered, this, &frmStart::historyRequested);

    // What the model says, as it says it.
    Program& p = m_program;
    listConnectionStatus->setModel(&p.status);
    // Scrolled once the event loop runs: the view lays out all its lines to scroll, and lines added
    // together (the welcome, a dialling's steps) then cost one layout instead of one each.
    connect(&p.status, &StatusList::lineAdded, listConnectionStatus, &QListView::scrollToBottom,
            Qt::QueuedConnection);
    labelTime->setText(p.session.elapsedText());
    connect(&p.session, &SessionState::secondCounted, labelTime, &QLabel::setText);
    connect(&p.session, &SessionState::clockReset, labelTime, &QLabel::setText);
    connect(&p.session, &SessionState::bytesCounted, this, [this](quint64 rx, quint64 tx, quint64 rate) {
        if (!m_program.dial.gConnected)
            return;
        labelData->setText(DataSize::sessionText(rx, tx, rate));
        labelData->setToolTip(DataSize::sessionDetail(rx, tx));
    });
    connect(&p.dial, &DialState::phaseChanged, this, [this](Phase phase) {
        if (phase != Phase::Connected) {
            labelData->clear();
            labelData->setToolTip(QString());
        }
    });
    showControls();
    connect(&p.dial, &DialState::controlsChanged, this, &frmStart::showControls);
    cmdConnectDefault->setText(p.connectCaption());
    connect(&p, &Program::connectCaptionChanged, cmdConnectDefault, &QPushButton::setText);
    // After a save, Enter presses Connect and the console comes up.
    connect(&p, &Program::configurationSaved, this, [this] {
        cmdConnectDefault->setDefault(true);
        show();
    });
}

frmStart::~frmStart() = default;

void frmStart::showControls() {
    const Controls& c = m_program.dial.controls();
    cmdConnectDefault->setEnabled(c.connect);
    cmdHangup->setEnabled(c.hangUp);
    mPopHangup->setEnabled(c.trayHangUp);
}

QStringList frmStart::statusLines() const {
    // As the list box shows them: read through its model.
    const QAbstractItemModel* model = listConnectionStatus->model();
    QStringList lines;
    for (int i = 0; i < model->rowCount(); ++i)
        lines << model->index(i, 0).data().toString();
    return lines;
}

void frmStart::cmdConnectDefault_Click() {
    DialFlows::connectButton(m_program);
}
void frmStart::cmdHangup_Click() {
    HangUp::hangUp(m_program, HangupEntry::Button);
}
void frmStart::cmdConfiguration_Click() {
    emit configurationRequested();
}
void frmStart::cmdStartHelp_Click() {
    emit helpRequested();
}
void frmStart::cmdAbout_Click() {
    emit aboutRequested();
}
void frmStart::cmdExit_Click() {
    HangUp::exitProgram(m_program);
}
void frmStart::Command1_Click() {
    TrayBehaviour::putInTray(m_program, *this);
}
void frmStart::Command2_Click() {
    m_program.ras().EnumConnections();
}
void frmStart::mPopRestore_Click() {
    TrayBehaviour::restore(*this);
}
void frmStart::mPopExit_Click() {
    HangUp::exitProgram(m_program);
}
void frmStart::mMin_Click() {
    TrayBehaviour::hideConsole(m_program, *this);
}
void frmStart::mConfiguration_Click() {
    emit configurationRequested();
}
void frmStart::mPopHangup_Click() {
    HangUp::hangUp(m_program, HangupEntry::TrayMenu);
}

void frmStart::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMinimized))
        TrayBehaviour::minimized(m_program, *this);
}

void frmStart::keyPressEvent(QKeyEvent* event) {
    // A plain window has no default button of its own: Enter presses the Connect button once Save
    // made it the default, as long as it can be pressed. A focused button that did not take the key
    // (it is not the default) is pressed instead, as Enter on a focused button does in a dialog.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        if (focused && focused != cmdConnectDefault && focused->isEnabled() && focused->isVisible()) {
            focused->click();
            return;
        }
        if (cmdConnectDefault->isDefault() && cmdConnectDefault->isEnabled()) {
            cmdConnectDefault->click();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void frmStart::closeEvent(QCloseEvent* event) {
    // Closing the main console by its frame is the same as Exit; Exit itself closes it for real.
    if (!m_program.flags.gExiting) {
        event->ignore();
        HangUp::exitProgram(m_program);
        return;
    }
    if (!m_unloaded) {
        m_unloaded = true;
        TrayBehaviour::unload(m_program);
    }
    event->accept();
}
