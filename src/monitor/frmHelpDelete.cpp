#include "monitor/frmHelpDelete.h"

#include "core/Program.h"
#include "monitor/HelpWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmHelpDelete::frmHelpDelete(Program&) {
    setObjectName(QStringLiteral("frmHelpDelete"));
    setWindowTitle(tr("ModemTally Help"));
    setMinimumWidth(400);
    setModal(true);

    auto* text = new QLabel(
        tr("<p>Follow the steps below :</p>"
           "<ol>"
           "<li>Tick the connection profiles whose dial-up entries no longer exist.</li>"
           "<li>Press Delete. ModemTally removes the ticked profiles.</li>"
           "</ol>"
           "<p>If you press Ignore instead, ModemTally keeps all of its profiles. Its count of profiles "
           "then "
           "stays out of step with your dial-up entries, but you lose no feature of ModemTally.</p>"
           "<p>ModemTally shows this window only after dial-up entries have been deleted.</p>"),
        this);
    text->setTextFormat(Qt::RichText);
    text->setWordWrap(true);
    Command1 = HelpWindow::closeButton(this);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(Command1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(row);
    resize(400, 260);

    connect(Command1, &QPushButton::clicked, this, &frmHelpDelete::Command1_Click);
}

frmHelpDelete::~frmHelpDelete() = default;

void frmHelpDelete::Command1_Click() {
    emit dismissed();
}
