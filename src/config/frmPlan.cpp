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
    setWindowTitle(tr("Data Plan"));
    setModal(false);

    comboPlanProfile = new QComboBox(this);
    comboPlanProfile->setObjectName(QStringLiteral("comboPlanProfile"));
    comboPlanProfile->setAccessibleName(tr("Profile"));

    spinDataAllowance = new QDoubleSpinBox(this);
    spinDataAllowance->setObjectName(QStringLiteral("spinDataAllowance"));
    spinDataAllowance->setRange(0, 1e9);
    spinDataAllowance->setDecimals(1);
    spinDataAllowance->setSuffix(tr(" MB"));
    spinDataAllowance->setSpecialValueText(tr("none"));
    spinDataAllowance->setToolTip(tr("Data included in each billing cycle, received and sent "
                                     "together (1 MB = 1,000,000 bytes); 0: no data allowance"));

    spinTimeAllowance = new QSpinBox(this);
    spinTimeAllowance->setObjectName(QStringLiteral("spinTimeAllowance"));
    spinTimeAllowance->setRange(0, 1000000);
    spinTimeAllowance->setSuffix(tr(" h"));
    spinTimeAllowance->setSpecialValueText(tr("none"));
    spinTimeAllowance->setToolTip(
        tr("Connection time included in each billing cycle, in hours; 0: no time allowance"));

    spinCycleDay = new QSpinBox(this);
    spinCycleDay->setObjectName(QStringLiteral("spinCycleDay"));
    spinCycleDay->setRange(1, 31);
    spinCycleDay->setToolTip(tr("The day of the month each billing cycle begins; in a month "
                                "with fewer days, its last day"));

    textExtraPrice = new QLineEdit(this);
    textExtraPrice->setObjectName(QStringLiteral("textExtraPrice"));
    textExtraPrice->setToolTip(tr("What each megabyte past the data allowance costs"));

    textThresholds = new QLineEdit(this);
    textThresholds->setObjectName(QStringLiteral("textThresholds"));
    textThresholds->setToolTip(tr("Percentages of an allowance that warn, once each per cycle, "
                                  "separated by commas"));

    labelCycle = new QLabel(this);
    labelCycle->setObjectName(QStringLiteral("labelCycle"));
    labelPlanError = new QLabel(this);
    labelPlanError->setObjectName(QStringLiteral("labelPlanError"));
    labelPlanError->setWordWrap(true);
    labelPlanError->hide();

    cmdPlanSave = new QPushButton(tr("&Save"), this);
    cmdPlanSave->setObjectName(QStringLiteral("cmdPlanSave"));
    cmdPlanSave->setToolTip(tr("Save this profile's plan"));
    cmdPlanSave->setDefault(true);
    cmdPlanClose = new QPushButton(tr("&Close"), this);
    cmdPlanClose->setObjectName(QStringLiteral("cmdPlanClose"));

    auto* form = new QFormLayout;
    form->addRow(tr("P&rofile:"), comboPlanProfile);
    form->addRow(tr("&Data per cycle:"), spinDataAllowance);
    form->addRow(tr("&Time per cycle:"), spinTimeAllowance);
    form->addRow(tr("C&ycle begins on day:"), spinCycleDay);
    form->addRow(tr("Price per e&xtra MB:"), textExtraPrice);
    form->addRow(tr("&Warn at (%):"), textThresholds);
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
    labelCycle->setText(tr("This cycle: %1 to %2")
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
        return refuse(tr("There is no profile to give a plan to."));
    Plan plan;
    plan.dataAllowanceBytes = quint64(spinDataAllowance->value() * double(Plan::kBytesPerMB) + 0.5);
    plan.timeAllowanceSeconds = qint64(spinTimeAllowance->value()) * 3600;
    plan.cycleFirstDay = spinCycleDay->value();
    bool ok = true;
    const QString price = textExtraPrice->text().trimmed();
    plan.pricePerExtraMB = price.isEmpty() ? Money() : Money::fromText(price, &ok);
    if (!ok || plan.pricePerExtraMB < Money())
        return refuse(tr("The price per extra MB is not an amount of money."));
    if (!PlanMath::parseThresholds(textThresholds->text(), &plan.thresholds))
        return refuse(tr("Give the warnings as whole percentages from 1 to 1000, separated by "
                         "commas (for example 80, 100)."));
    QString error;
    if (!m_program.plans.setPlan(profile, plan, &error))
        return refuse(tr("The plan could not be saved: %1.").arg(error));
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
