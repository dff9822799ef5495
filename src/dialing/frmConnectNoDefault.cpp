#include "dialing/frmConnectNoDefault.h"

#include "core/Program.h"
#include "platform/MessageBoxes.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

frmConnectNoDefault::frmConnectNoDefault(Program& program) : m_program(program) {
    setObjectName(QStringLiteral("frmConnectNoDefault"));
    setWindowTitle(tr("Dialing to..."));

    Label1 = new QLabel(tr("Select the connection profile to dial :"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    listdialchoose = new QListWidget(this);
    listdialchoose->setObjectName(QStringLiteral("listdialchoose"));
    listdialchoose->setAccessibleName(tr("Select the connection profile to dial :"));
    Label1->setBuddy(listdialchoose);
    cmdDial = new QPushButton(tr("Dial"), this);
    cmdDial->setObjectName(QStringLiteral("cmdDial"));
    cmdDial->setToolTip(tr("Dial the selected connection profile"));
    cmdDial->setDefault(true);
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setToolTip(tr("Cancel dialup process"));
    cmdCancel->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdDial);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(listdialchoose, 1);
    layout->addLayout(buttons);

    connect(cmdDial, &QPushButton::clicked, this, &frmConnectNoDefault::cmdDial_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmConnectNoDefault::cmdCancel_Click);
    connect(listdialchoose, &QListWidget::itemDoubleClicked, this, &frmConnectNoDefault::cmdDial_Click);

    // The phone book's entries as listed so far, and each one listed from now on.
    listdialchoose->addItems(program.listedEntries);
    connect(&program, &Program::entryListed, listdialchoose,
            [this](const QString& entry) { listdialchoose->addItem(entry); });
}

frmConnectNoDefault::~frmConnectNoDefault() = default;

void frmConnectNoDefault::cmdDial_Click() {
    Program& p = m_program;
    // The chosen entry is the selected one: the list gets a current row as soon as it takes the
    // focus, without anything being shown as chosen.
    const QList<QListWidgetItem*> chosen = listdialchoose->selectedItems();
    const QString name = chosen.isEmpty() ? QString() : chosen.first()->text();
    if (name.isEmpty()) {
        p.boxes().msgBox(tr("Select a Connection Profile first"), BoxButtons::Ok, BoxIcon::Exclamation);
        return;
    }
    emit dialRequested(name);
    hide();
}

void frmConnectNoDefault::cmdCancel_Click() {
    hide();
}

void frmConnectNoDefault::reject() {
    cmdCancel_Click();
}
