#include "monitor/frmReminder.h"

#include "core/HangUp.h"
#include "core/Program.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmReminder::frmReminder(Program& program) : m_program(program) {
    setObjectName(QStringLiteral("frmReminder"));
    setWindowTitle(tr("ModemTally Reminder"));
    setModal(false);

    Label1 = new QLabel(tr("Total Elapsed time :"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    textReminderTime = new QLineEdit(this);
    textReminderTime->setObjectName(QStringLiteral("textReminderTime"));
    textReminderTime->setEnabled(false);
    // Display only, but as readable as enabled text.
    QPalette pal = textReminderTime->palette();
    pal.setColor(QPalette::Disabled, QPalette::Text, pal.color(QPalette::Active, QPalette::Text));
    textReminderTime->setPalette(pal);
    textReminderTime->setReadOnly(true);
    textReminderTime->setAlignment(Qt::AlignCenter);
    Label1->setBuddy(textReminderTime);

    cmdReminderClose = new QPushButton(tr("&Ignore"), this);
    cmdReminderClose->setObjectName(QStringLiteral("cmdReminderClose"));
    cmdReminderClose->setToolTip(tr("Ignore this reminder and continue with the current session"));
    cmdReminderHangup = new QPushButton(tr("&Hang Up"), this);
    cmdReminderHangup->setObjectName(QStringLiteral("cmdReminderHangup"));
    cmdReminderHangup->setToolTip(tr("Hang up your current session"));
    cmdReminderClose->setDefault(true);

    auto* timeRow = new QHBoxLayout;
    timeRow->addWidget(Label1);
    timeRow->addWidget(textReminderTime, 1);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(cmdReminderClose);
    buttonRow->addWidget(cmdReminderHangup);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(timeRow);
    layout->addLayout(buttonRow);

    connect(cmdReminderClose, &QPushButton::clicked, this, &frmReminder::cmdReminderClose_Click);
    connect(cmdReminderHangup, &QPushButton::clicked, this, &frmReminder::cmdReminderHangup_Click);
}

frmReminder::~frmReminder() = default;

void frmReminder::showReminder(const QString& elapsedText) {
    textReminderTime->setText(elapsedText);
    show();
    raise();
}

void frmReminder::cmdReminderClose_Click() {
    hide();
}

void frmReminder::cmdReminderHangup_Click() {
    // The reminder's own hang-up sequence; it ends by hiding this window.
    HangUp::hangUp(m_program, HangupEntry::Reminder);
    hide();
}
