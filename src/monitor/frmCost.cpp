#include "monitor/frmCost.h"

#include "core/Program.h"
#include "platform/desktop/Icons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmCost::frmCost(Program&) {
    setObjectName(QStringLiteral("frmCost"));
    setWindowTitle(tr("Connection Cost"));
    setModal(false);

    Label1 = new QLabel(tr("Total Cost for Current Connection : $"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    labelCost = new QLabel(QStringLiteral("0.00"), this);
    labelCost->setObjectName(QStringLiteral("labelCost"));
    labelCost->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont f = labelCost->font();
    f.setBold(true);
    labelCost->setFont(f);
    labelDisc = new QLabel(this);
    labelDisc->setObjectName(QStringLiteral("labelDisc"));
    labelDisc->setWordWrap(true);

    Command1 = closePictureButton(this, "Command1", tr("Close"), Picture::Close);

    auto* costRow = new QHBoxLayout;
    costRow->addWidget(Label1);
    costRow->addWidget(labelCost);
    costRow->addStretch(1);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(Command1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(costRow);
    layout->addWidget(labelDisc);
    layout->addLayout(buttonRow);

    connect(Command1, &QPushButton::clicked, this, &frmCost::Command1_Click);
    nameCost();
}

// A screen reader reads the amount with what it is, not a bare number.
void frmCost::nameCost() {
    labelCost->setAccessibleName(Label1->text() + labelCost->text());
}

frmCost::~frmCost() = default;

void frmCost::showCost(const QString& amountText, const QString& note) {
    labelCost->setText(amountText);
    nameCost();
    if (!note.isEmpty())
        labelDisc->setText(note);
    show();
    raise();
}

void frmCost::Command1_Click() {
    emit dismissed();
}

void frmCost::reject() {
    emit dismissed();
}
