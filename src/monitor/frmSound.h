#pragma once

#include <QDialog>

class Program;
class QGroupBox;
class QLineEdit;
class QRadioButton;

class frmSound : public QDialog {
    Q_OBJECT
public:
    explicit frmSound(Program& program);
    ~frmSound() override;

    QRadioButton* optionPlayDefaultSound = nullptr;
    QRadioButton* optionPlayCustomSound = nullptr;
    QGroupBox* frameCustom = nullptr;
    QLineEdit* textSelectedSound = nullptr;

private:
    Program& m_program;
};
