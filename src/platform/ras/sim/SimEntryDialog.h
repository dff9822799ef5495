#pragma once

#include "platform/ras/sim/SimPhoneBook.h"

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QSpinBox;

// The simulator's own editor of one phone-book entry, used for both editing and creating.
// tryAccept() checks the fields and closes the dialog only when they make a valid entry; otherwise
// the reason shows in the dialog and it stays open.
class SimEntryDialog final : public QDialog {
    Q_OBJECT
public:
    explicit SimEntryDialog(QWidget* parent = nullptr);

    void setEntry(const SimEntry& entry);
    // The entry the fields describe, or false with the reason.
    bool readEntry(SimEntry* entry, QString* error) const;
    // Checks the entry against the rest of the phone book; returns the problem or empty.
    using Checker = std::function<QString(const SimEntry&)>;
    void setChecker(Checker checker) { m_check = std::move(checker); }

    bool tryAccept();
    QString errorText() const;

    QLineEdit* textName = nullptr;
    QLineEdit* textNumber = nullptr;
    QLineEdit* textOutcomes = nullptr;
    QLineEdit* textStepMs = nullptr;
    QSpinBox* spinDropAfter = nullptr;
    QLineEdit* textUserName = nullptr;
    QLineEdit* textPassword = nullptr;
    QLabel* labelError = nullptr;

private:
    SimEntry m_base; // keeps what the dialog does not show (comments)
    Checker m_check;
};
