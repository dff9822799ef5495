#include "platform/ras/sim/SimEntryDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

SimEntryDialog::SimEntryDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("SimEntryDialog"));
    setModal(true);
    auto* form = new QFormLayout;
    auto line = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QLatin1String(name));
        return e;
    };
    textName = line("textName");
    textNumber = line("textNumber");
    textOutcomes = line("textOutcomes");
    textOutcomes->setToolTip(QStringLiteral("What the 1st, 2nd, 3rd... dial attempt does, separated by "
                                            "commas; the last one repeats. Outcomes: connect, busy, no "
                                            "carrier, no dial tone, authentication failure."));
    textStepMs = line("textStepMs");
    textStepMs->setToolTip(QStringLiteral("Milliseconds each progress step takes, separated by commas; "
                                          "the last value repeats."));
    spinDropAfter = new QSpinBox(this);
    spinDropAfter->setObjectName(QStringLiteral("spinDropAfter"));
    spinDropAfter->setRange(0, SimEntry::kMaxDropAfterSeconds);
    spinDropAfter->setSpecialValueText(QStringLiteral("never"));
    spinDropAfter->setSuffix(QStringLiteral(" s"));
    spinDropAfter->setToolTip(QStringLiteral("Seconds after which a connected line drops by itself."));
    textUserName = line("textUserName");
    textPassword = line("textPassword");
    textUserName->setPlaceholderText(QStringLiteral("any"));
    textPassword->setPlaceholderText(QStringLiteral("any"));

    form->addRow(QStringLiteral("&Name:"), textName);
    form->addRow(QStringLiteral("Phone n&umber:"), textNumber);
    form->addRow(QStringLiteral("&Outcomes:"), textOutcomes);
    form->addRow(QStringLiteral("&Step time (ms):"), textStepMs);
    form->addRow(QStringLiteral("&Drops after:"), spinDropAfter);
    form->addRow(QStringLiteral("Required &user name:"), textUserName);
    form->addRow(QStringLiteral("Required &password:"), textPassword);

    labelError = new QLabel(this);
    labelError->setObjectName(QStringLiteral("labelError"));
    labelError->setWordWrap(true);
    labelError->hide();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { tryAccept(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* outer = new QVBoxLayout(this);
    outer->addLayout(form);
    outer->addWidget(labelError);
    outer->addWidget(buttons);
    setEntry(SimEntry{});
}

void SimEntryDialog::setEntry(const SimEntry& entry) {
    m_base = entry;
    textName->setText(entry.name);
    textNumber->setText(entry.number);
    textOutcomes->setText(SimPhoneBook::outcomesText(entry.outcomes));
    textStepMs->setText(SimPhoneBook::stepMsText(entry.stepMs));
    spinDropAfter->setValue(entry.dropAfterSeconds);
    textUserName->setText(entry.userName);
    textPassword->setText(entry.password);
    labelError->clear();
    labelError->hide();
}

bool SimEntryDialog::readEntry(SimEntry* entry, QString* error) const {
    SimEntry e = m_base;
    e.name = textName->text().trimmed();
    e.number = textNumber->text().trimmed();
    e.userName = textUserName->text().trimmed();
    e.password = textPassword->text().trimmed();
    e.dropAfterSeconds = spinDropAfter->value();
    QString why;
    if (!SimPhoneBook::parseOutcomes(textOutcomes->text(), &e.outcomes, &why)) {
        *error = QStringLiteral("Outcomes: %1.").arg(why);
        return false;
    }
    if (!SimPhoneBook::parseStepMs(textStepMs->text(), &e.stepMs, &why)) {
        *error = QStringLiteral("Step time: %1.").arg(why);
        return false;
    }
    *entry = e;
    return true;
}

bool SimEntryDialog::tryAccept() {
    SimEntry e;
    QString error;
    if (readEntry(&e, &error) && m_check)
        error = m_check(e);
    if (!error.isEmpty()) {
        labelError->setText(error);
        labelError->show();
        return false;
    }
    accept();
    return true;
}

QString SimEntryDialog::errorText() const {
    return labelError->text();
}
