#pragma once

#include "monitor/WarningWindow.h"

class Program;

// A plan's warning (an allowance's threshold reached, or the pace of the cycle past its allowance).
// A second warning while it is open is added below the first.
class frmPlanWarn : public WarningWindow {
    Q_OBJECT
public:
    explicit frmPlanWarn(Program& program);

    void showWarning(const QString& message);
};
