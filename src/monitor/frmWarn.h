#pragma once

#include "monitor/WarningWindow.h"

class Program;

// The limit warning: one message and a close button.
class frmWarn : public WarningWindow {
    Q_OBJECT
public:
    explicit frmWarn(Program& program);

    // Shows the window with this message.
    void showWarning(const QString& message);
};
