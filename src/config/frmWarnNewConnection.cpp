#include "config/frmWarnNewConnection.h"

#include "core/Program.h"
#include "core/formRAS.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmWarnNewConnection::frmWarnNewConnection(Program& program) : m_program(program) {
    setObjectName(QStringLiteral("frmWarnNewConnection"));
    setWindowTitle(tr("Notice for Creating New Connection"));

    Label1 = new QLabel(tr("Notice"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont heading = Label1->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.3);
    Label1->setFont(heading);
    Label2 =
        new QLabel(tr("ModemTally would launch Windows 95/NT dialup networking program and would place "
                      "ModemTally in active process intended to acquire your new dialup profile data. It is "
                      "not advisable to cancel the process of creating a new dialup profile as this would "
                      "result in a slight loss of memory data."),
                   this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);
    Label3 = new QLabel(tr("If you are sure you want to create a new dialup profile, then click on "
                           "the \"Proceed\" button. Otherwise, click on the \"Cancel\" button."),
                        this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setWordWrap(true);

    cmdProceed = new QPushButton(tr("&Proceed"), this);
    cmdProceed->setObjectName(QStringLiteral("cmdProceed"));
    cmdCancel = new QPushButton(tr("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdProceed);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    layout->addWidget(Label3);
    layout->addLayout(buttons);
    setMinimumWidth(440);

    connect(cmdCancel, &QPushButton::clicked, this, &frmWarnNewConnection::cmdCancel_Click);
    connect(cmdProceed, &QPushButton::clicked, this, &frmWarnNewConnection::cmdProceed_Click);
}

frmWarnNewConnection::~frmWarnNewConnection() = default;

void frmWarnNewConnection::cmdCancel_Click() {
    hide();
}

void frmWarnNewConnection::cmdProceed_Click() {
    hide();
    m_program.formRAS().createEntry();
}
