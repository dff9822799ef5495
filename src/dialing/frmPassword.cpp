#include "dialing/frmPassword.h"

#include "core/DialFlows.h"
#include "core/Program.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmPassword::frmPassword(Program& program) : m_program(program) {
    setObjectName(QStringLiteral("frmPassword"));
    setWindowTitle(tr("Authentication in Progress..."));

    Label1 = new QLabel(tr("Enter the Profile Password :"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    textPassword = new QLineEdit(this);
    textPassword->setObjectName(QStringLiteral("textPassword"));
    textPassword->setEchoMode(QLineEdit::Password);
    textPassword->setToolTip(tr("The password of your default connection profile"));
    textPassword->setAccessibleName(tr("The password of your default connection profile"));
    Label1->setBuddy(textPassword);
    cmdOKPassword = new QPushButton(tr("OK"), this);
    cmdOKPassword->setObjectName(QStringLiteral("cmdOKPassword"));
    cmdOKPassword->setToolTip(tr("Dial"));
    cmdOKPassword->setDefault(true);
    cmdCancelPassword = new QPushButton(tr("Cancel"), this);
    cmdCancelPassword->setObjectName(QStringLiteral("cmdCancelPassword"));
    cmdCancelPassword->setToolTip(tr("Cancel Dialing"));
    cmdCancelPassword->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOKPassword);
    buttons->addWidget(cmdCancelPassword);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(textPassword);
    layout->addLayout(buttons);
    setMinimumWidth(320);

    connect(cmdOKPassword, &QPushButton::clicked, this, &frmPassword::cmdOKPassword_Click);
    connect(cmdCancelPassword, &QPushButton::clicked, this, &frmPassword::cmdCancelPassword_Click);
}

frmPassword::~frmPassword() = default;

void frmPassword::cmdOKPassword_Click() {
    if (DialFlows::dialWithPassword(m_program, textPassword->text())) {
        hide();
        return;
    }
    textPassword->clear();
    textPassword->setFocus();
}

void frmPassword::cmdCancelPassword_Click() {
    hide();
}

void frmPassword::reject() {
    cmdCancelPassword_Click();
}
