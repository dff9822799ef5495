#include "monitor/frmHelpStart.h"

#include "core/Program.h"
#include "monitor/HelpWindow.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

frmHelpStart::frmHelpStart(Program&) {
    setObjectName(QStringLiteral("frmHelpStart"));
    setWindowTitle(tr("ModemTally Help"));
    setMinimumWidth(400);
    setModal(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(HelpWindow::frame(
        this, tr("The Connect Button"),
        tr("Press Connect and ModemTally dials your default connection profile straight away. If you "
           "have not chosen a default profile, ModemTally shows you the list of your dial-up "
           "profiles so that you can pick the one to dial.")));
    layout->addWidget(HelpWindow::frame(
        this, tr("The Configuration Button"),
        tr("Configuration opens the ModemTally configuration console. Its four categories, "
           "Connection, Cost, Warnings and Options, hold everything ModemTally needs to know about "
           "your connections. Please set them up the first time you use ModemTally.")));
    layout->addWidget(HelpWindow::frame(
        this, tr("The Scan Button"),
        tr("Scan looks for a dial-up connection that is already active, even one started outside "
           "ModemTally, and takes it over as if you had dialed it from ModemTally. Only one active "
           "connection is taken over.")));
    Command1 = HelpWindow::closeButton(this);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(Command1);
    layout->addLayout(row);
    resize(440, 380);

    connect(Command1, &QPushButton::clicked, this, &frmHelpStart::Command1_Click);
}

frmHelpStart::~frmHelpStart() = default;

void frmHelpStart::Command1_Click() {
    emit dismissed();
}
