#include "monitor/frmHelpEdit.h"

#include "core/Program.h"
#include "monitor/HelpWindow.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

frmHelpEdit::frmHelpEdit(Program&) {
    setObjectName(QStringLiteral("frmHelpEdit"));
    setWindowTitle(tr("ModemTally Help"));
    setMinimumWidth(400);
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(HelpWindow::frame(
        this, tr("Modifying your connection profile"),
        tr("Enter the user name and the password that your Internet service provider or the remote "
           "server requires you to log on with. The domain is optional: you may leave it empty "
           "unless your provider asks for one.")));
    Command1 = HelpWindow::closeButton(this);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(Command1);
    layout->addLayout(row);
    resize(400, 200);

    connect(Command1, &QPushButton::clicked, this, &frmHelpEdit::Command1_Click);
}

frmHelpEdit::~frmHelpEdit() = default;

void frmHelpEdit::Command1_Click() {
    emit dismissed();
}
