#include "config/frmPlan.h"

#include "core/Program.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

frmPlan::frmPlan(Program& program) : m_program(program) {
    setObjectName(QStringLiteral("frmPlan"));
    setWindowTitle(QStringLiteral("Data Plan"));
    setModal(false);

    comboPlanProfile = new QComboBox(this);
    comboPlanProfile->setObjectName(QStringLiteral("comboPlanProfile"));
    comboPlanProfile->setAccessibleName(QStringLiteral("Profile"));

    spinDataAllowance = new QDoubleSpinBox(this);
    spinDataAllowance->setObjectName(QStringLiteral("spinDataAllowance"));
    spinDataAllowance->setRange(0, 1e9);
    spinDataAllowance->setDecimals(1);
    spinDataAllowance->setSuffix(QStringLiteral(" MB"));
    spinDataAllowance->setSpecialValueText(QStringLiteral("none"));
    spinDataAllowance->setToolTip(QStringLiteral("Data included in each billing cycle, received and sent "
                                                 "together (1 MB = 1,000,000 bytes); 0: no data allowance"));

    spinTimeAllowance = new QSpinBox(this);
    spinTimeAllowance->setObjectName(QStringLiteral("spinTimeAllowance"));
    spinTimeAllowance->setRange(0, 1000000);
    spinTimeAllowance->setSuffix(QStringLiteral(" h"));
    spinTimeAllowance->setSpecialValueText(QStringLiteral("none"));
    spinTimeAllowance->setToolTip(
        QStringLiteral("Connection time included in each billing cycle, in hours; 0: no time allowance"));

    spinCycleDay = new QSpinBox(this);
    spinCycleDay->setObjectName(QStringLiteral("spinCycleDay"));
    spinCycleDay->setRange(1, 31);
    spinCycleDay->setToolTip(QStringLiteral("The day of the month each billing cycle begins; in a month "
                                            "with fewer days, its last day"));

    textExtraPrice = new QLineEdit(this);
    textExtraPrice->setObjectName(QStringLiteral("textExtraPrice"));
    textExtraPrice->setToolTip(QStringLiteral("What each megabyte past the data allowance costs"));

    textThresholds = new QLineEdit(this);
    textThresholds->setObjectName(QStringLiteral("textThresholds"));
    textThresholds->setToolTip(QStringLiteral("Percentages of an allowance that warn, once each per cycle, "
                                              "separated by commas"));

    labelCycle = new QLabel(this);
    labelCycle->setObjectName(QStringLiteral("labelCycle"));
    labelPlanError = new QLabel(this);
    labelPlanError->setObjectName(QStringLiteral("labelPlanError"));
    labelPlanError->setWordWrap(true);
    labelPlanError->hide();

    cmdPlanSave = new QPushButton(QStringLiteral("&Save"), this);
    cmdPlanSave->setObjectName(QStringLiteral("cmdPlanSave"));
    cmdPlanSave->setToolTip(QStringLiteral("Save this profile's plan"));
    cmdPlanSave->setDefault(true);
    cmdPlanClose = new QPushButton(QStringLiteral("&Close"), this);
    cmdPlanClose->setObjectName(QStringLiteral("cmdPlanClose"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("P&rofile:"), comboPlanProfile);
    form->addRow(QStringLiteral("&Data per cycle:"), spinDataAllowance);
    form->addRow(QStringLiteral("&Time per cycle:"), spinTimeAllowance);
    form->addRow(QStringLiteral("C&ycle begins on day:"), spinCycleDay);
    form->addRow(QStringLiteral("Price per e&xtra MB:"), textExtraPrice);
    form->addRow(QStringLiteral("&Warn at (%):"), textThresholds);
    form->addRow(QString(), labelCycle);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdPlanSave);
    buttons->addWidget(cmdPlanClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(labelPlanError);
    layout->addLayout(buttons);

    connect(comboPlanProfile, &QComboBox::currentTextChanged, this, &frmPlan::showPlan);
    connect(spinCycleDay, &QSpinBox::valueChanged, this, &frmPlan::showCycle);
    connect(cmdPlanSave, &QPushButton::clicked, this, &frmPlan::cmdPlanSave_Click);
    connect(cmdPlanClose, &QPushButton::clicked, this, &frmPlan::cmdPlanClose_Click);
}

frmPlan::~frmPlan() = default;

void frmPlan::open(const QString& profile) {
    QStringList names = m_program.listedEntries;
    for (const QString& withPlan : m_program.plans.profiles())
        if (!names.contains(withPlan))
            names << withPlan;
    {
        const QSignalBlocker block(comboPlanProfile);
        comboPlanProfile->clear();
        comboPlanProfile->addItems(names);
        const int at = comboPlanProfile->findText(profile);
        comboPlanProfile->setCurrentIndex(at >= 0 ? at : 0);
    }
    showPlan();
    show();
    raise();
    activateWindow();
}

void frmPlan::showPlan() {
    const Plan plan = m_program.plans.plan(comboPlanProfile->currentText()).value_or(Plan{});
    spinDataAllowance->setValue(double(plan.dataAllowanceBytes) / double(Plan::kBytesPerMB));
    spinTimeAllowance->setValue(int(plan.timeAllowanceSeconds / 3600));
    spinCycleDay->setValue(plan.cycleFirstDay);
    textExtraPrice->setText(plan.pricePerExtraMB.toText());
    textThresholds->setText(PlanMath::thresholdsText(plan.thresholds));
    labelPlanError->hide();
    showCycle();
}

void frmPlan::showCycle() {
    const PlanMath::Cycle c = PlanMath::cycleOf(m_program.clock().now().date(), spinCycleDay->value());
    const QLocale locale;
    labelCycle->setText(QStringLiteral("This cycle: %1 to %2")
                            .arg(locale.toString(c.first, QLocale::ShortFormat),
                                 locale.toString(c.last(), QLocale::ShortFormat)));
}

bool frmPlan::cmdPlanSave_Click() {
    const QString profile = comboPlanProfile->currentText();
    const auto refuse = [this](const QString& why) {
        labelPlanError->setText(why);
        labelPlanError->show();
        return false;
    };
    if (profile.isEmpty())
        return refuse(QStringLiteral("There is no profile to give a plan to."));
    Plan plan;
    plan.dataAllowanceBytes = quint64(spinDataAllowance->value() * double(Plan::kBytesPerMB) + 0.5);
    plan.timeAllowanceSeconds = qint64(spinTimeAllowance->value()) * 3600;
    plan.cycleFirstDay = spinCycleDay->value();
    bool ok = true;
    const QString price = textExtraPrice->text().trimmed();
    plan.pricePerExtraMB = price.isEmpty() ? Money() : Money::fromText(price, &ok);
    if (!ok || plan.pricePerExtraMB < Money())
        return refuse(QStringLiteral("The price per extra MB is not an amount of money."));
    if (!PlanMath::parseThresholds(textThresholds->text(), &plan.thresholds))
        return refuse(QStringLiteral("Give the warnings as whole percentages from 1 to 1000, separated by "
                                     "commas (for example 80, 100)."));
    QString error;
    if (!m_program.plans.setPlan(profile, plan, &error))
        return refuse(QStringLiteral("The plan could not be saved: %1.").arg(error));
    labelPlanError->hide();
    textThresholds->setText(PlanMath::thresholdsText(plan.thresholds));
    return true;
}

void frmPlan::cmdPlanClose_Click() {
    emit dismissed();
}

void frmPlan::reject() {
    emit dismissed();
}
