#include "monitor/frmTimerConsole.h"

#include "core/DataSize.h"
#include "core/Program.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmTimerConsole::frmTimerConsole(Program& program) {
    setObjectName(QStringLiteral("frmTimerConsole"));
    setWindowTitle(tr("Timer"));
    setModal(false);

    textTimerValue = new QLineEdit(QStringLiteral("0 : 0 : 0"), this);
    textTimerValue->setObjectName(QStringLiteral("textTimerValue"));
    textTimerValue->setEnabled(false);
    // Display only, but as readable as enabled text.
    QPalette pal = textTimerValue->palette();
    pal.setColor(QPalette::Disabled, QPalette::Text, pal.color(QPalette::Active, QPalette::Text));
    textTimerValue->setPalette(pal);
    textTimerValue->setReadOnly(true);
    textTimerValue->setAlignment(Qt::AlignCenter);
    textTimerValue->setToolTip(tr("Elapsed Time"));
    textTimerValue->setAccessibleName(tr("Elapsed Time"));
    QFont f = textTimerValue->font();
    f.setPointSizeF(f.pointSizeF() * 1.4);
    f.setBold(true);
    textTimerValue->setFont(f);

    labelTimerData = new QLabel(this);
    labelTimerData->setObjectName(QStringLiteral("labelTimerData"));
    labelTimerData->setAlignment(Qt::AlignCenter);
    labelTimerData->setAccessibleName(tr("Data this session"));

    cmdTimerClose = new QPushButton(tr("&Close"), this);
    cmdTimerClose->setObjectName(QStringLiteral("cmdTimerClose"));
    cmdTimerClose->setToolTip(tr("Close this Timer Console"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(textTimerValue);
    layout->addWidget(labelTimerData);
    layout->addWidget(cmdTimerClose);

    connect(cmdTimerClose, &QPushButton::clicked, this, &frmTimerConsole::cmdTimerClose_Click);

    const auto showData = [this, &program] {
        const SessionState& s = program.session;
        const bool up = program.dial.gConnected;
        labelTimerData->setText(up ? DataSize::sessionText(s.gBytesReceived, s.gBytesSent, s.gBytesPerSecond)
                                   : QString());
        labelTimerData->setToolTip(up ? DataSize::sessionDetail(s.gBytesReceived, s.gBytesSent) : QString());
    };
    showData();
    connect(&program.session, &SessionState::bytesCounted, this, showData);
    connect(&program.dial, &DialState::phaseChanged, this, showData);
}

frmTimerConsole::~frmTimerConsole() = default;

void frmTimerConsole::showClock(const QString& elapsedText) {
    textTimerValue->setText(elapsedText);
    if (isMinimized())
        setWindowTitle(elapsedText);
}

void frmTimerConsole::cmdTimerClose_Click() {
    hide();
}
