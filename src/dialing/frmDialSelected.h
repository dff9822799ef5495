#pragma once

#include <QDialog>

class Program;
class QLineEdit;

class frmDialSelected : public QDialog {
    Q_OBJECT
public:
    explicit frmDialSelected(Program& program);
    ~frmDialSelected() override;

    QLineEdit* textDialProfilename = nullptr;
    QLineEdit* textDialUsername = nullptr;
    QLineEdit* textDialPassword = nullptr;
    QLineEdit* textDialDomain = nullptr;

private:
    Program& m_program;
};
