#include "monitor/frmPlanWarn.h"

#include <QLabel>

frmPlanWarn::frmPlanWarn(Program&) : WarningWindow("frmPlanWarn", "labelPlanWarn", "cmdPlanWarnClose", 320) {
    setWindowTitle(tr("Plan Allowance Warning"));
}

void frmPlanWarn::showWarning(const QString& message) {
    const QString shown = m_message->text();
    m_message->setText(isVisible() && !shown.isEmpty() ? shown + QStringLiteral("\n\n") + message : message);
    show();
    raise();
}
