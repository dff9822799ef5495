#pragma once

#include <QWidget>

class Program;

class frmConfig : public QWidget {
    Q_OBJECT
public:
    explicit frmConfig(Program& program);
    ~frmConfig() override;

    // Hides Label2, Label6, Frame2, Label7 and both connect-default options (default "None").
    void hideConnectDefaultGroup();
    // Enables or disables cmdCloseConfigurationConsole.
    void setCloseEnabled(bool enabled);

private:
    Program& m_program;
};
