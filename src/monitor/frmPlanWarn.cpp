#include "monitor/frmPlanWarn.h"

#include "core/Program.h"
#include "platform/desktop/Icons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmPlanWarn::frmPlanWarn(Program&) {
    setObjectName(QStringLiteral("frmPlanWarn"));
    setWindowTitle(tr("Plan Allowance Warning"));
    setModal(false);

    labelPlanWarn = new QLabel(this);
    labelPlanWarn->setObjectName(QStringLiteral("labelPlanWarn"));
    labelPlanWarn->setWordWrap(true);
    labelPlanWarn->setMinimumWidth(320);
    QFont f = labelPlanWarn->font();
    f.setBold(true);
    labelPlanWarn->setFont(f);

    cmdPlanWarnClose = new QPushButton(this);
    cmdPlanWarnClose->setObjectName(QStringLiteral("cmdPlanWarnClose"));
    cmdPlanWarnClose->setToolTip(tr("Close"));
    cmdPlanWarnClose->setAccessibleName(tr("Close"));
    cmdPlanWarnClose->setIcon(
        themedIcon(QStringLiteral("window-close"), QStringLiteral("\u2715"), QColor(0xb2, 0x22, 0x22)));
    cmdPlanWarnClose->setIconSize(QSize(24, 24));
    cmdPlanWarnClose->setDefault(true);

    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(cmdPlanWarnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(labelPlanWarn, 1);
    layout->addLayout(row);

    connect(cmdPlanWarnClose, &QPushButton::clicked, this, &frmPlanWarn::cmdPlanWarnClose_Click);
}

frmPlanWarn::~frmPlanWarn() = default;

void frmPlanWarn::showWarning(const QString& message) {
    const QString shown = labelPlanWarn->text();
    labelPlanWarn->setText(isVisible() && !shown.isEmpty() ? shown + QStringLiteral("\n\n") + message
                                                           : message);
    show();
    raise();
}

void frmPlanWarn::cmdPlanWarnClose_Click() {
    emit dismissed();
}

void frmPlanWarn::reject() {
    emit dismissed();
}
