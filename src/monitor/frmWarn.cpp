#include "monitor/frmWarn.h"

#include <QLabel>

frmWarn::frmWarn(Program&) : WarningWindow("frmWarn", "labelWarn", "cmdWarnClose", 280) {
    setWindowTitle(tr("Warning"));
}

void frmWarn::showWarning(const QString& message) {
    m_message->setText(message);
    show();
    raise();
}
