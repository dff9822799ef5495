#include "monitor/frmWarn.h"

#include "core/Program.h"
#include "platform/desktop/Icons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmWarn::frmWarn(Program&) {
    setObjectName(QStringLiteral("frmWarn"));
    setWindowTitle(tr("Warning"));
    setModal(false);

    labelWarn = new QLabel(this);
    labelWarn->setObjectName(QStringLiteral("labelWarn"));
    labelWarn->setWordWrap(true);
    labelWarn->setMinimumWidth(280);
    QFont f = labelWarn->font();
    f.setBold(true);
    labelWarn->setFont(f);

    cmdWarnClose = new QPushButton(this);
    cmdWarnClose->setObjectName(QStringLiteral("cmdWarnClose"));
    cmdWarnClose->setToolTip(tr("Close"));
    cmdWarnClose->setAccessibleName(tr("Close"));
    cmdWarnClose->setIcon(
        themedIcon(QStringLiteral("window-close"), QStringLiteral("\u2715"), QColor(0xb2, 0x22, 0x22)));
    cmdWarnClose->setIconSize(QSize(24, 24));
    cmdWarnClose->setDefault(true);

    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(cmdWarnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(labelWarn, 1);
    layout->addLayout(row);

    connect(cmdWarnClose, &QPushButton::clicked, this, &frmWarn::cmdWarnClose_Click);
}

frmWarn::~frmWarn() = default;

void frmWarn::showWarning(const QString& message) {
    labelWarn->setText(message);
    show();
    raise();
}

void frmWarn::cmdWarnClose_Click() {
    emit dismissed();
}

void frmWarn::reject() {
    emit dismissed();
}
