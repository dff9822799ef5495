#pragma once

#include <QDialog>

class Program;
class QListWidget;

class frmDeleteProfile : public QDialog {
    Q_OBJECT
public:
    explicit frmDeleteProfile(Program& program);
    ~frmDeleteProfile() override;

    // One checkable item per profile read from the settings file, in file order.
    QListWidget* listUpdateProfiles = nullptr;

private:
    Program& m_program;
};
