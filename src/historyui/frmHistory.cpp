#include "historyui/frmHistory.h"

#include "history/HistorySource.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPieSeries>
#include <QPieSlice>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <functional>

using History::Filter;
using History::Format;
using History::Session;
using History::Total;

namespace {

// A table cell shown as text and sorted by a key of its own (numbers as numbers, times in order).
class SortItem : public QTableWidgetItem {
public:
    SortItem(const QString& text, const QVariant& key) : QTableWidgetItem(text) {
        setData(Qt::UserRole, key);
        setFlags(flags() & ~Qt::ItemIsEditable);
    }
    bool operator<(const QTableWidgetItem& other) const override {
        const QVariant a = data(Qt::UserRole);
        const QVariant b = other.data(Qt::UserRole);
        if (a.typeId() == QMetaType::QString)
            return a.toString().localeAwareCompare(b.toString()) < 0;
        return a.toLongLong() < b.toLongLong();
    }
};

QString monthName(int month, const char* format = "MMMM yyyy") {
    return QLocale::c().toString(History::firstDayOfMonth(month), QString::fromLatin1(format));
}

QChartView* chartView(QWidget* parent, const char* name, const QString& accessibleName) {
    auto* v = new QChartView(parent);
    v->setObjectName(QLatin1String(name));
    v->setAccessibleName(accessibleName);
    v->viewport()->setAccessibleName(
        QCoreApplication::translate("frmHistory", "Chart: %1").arg(accessibleName));
    v->setRenderHint(QPainter::Antialiasing);
    v->setMinimumSize(420, 220);
    return v;
}

// Puts a fresh chart into the view (the one it replaces is deleted).
void setChart(QChartView* view, QChart* chart) {
    chart->setMargins(QMargins(6, 6, 6, 6));
    chart->setBackgroundRoundness(0);
    QChart* old = view->chart();
    view->setChart(chart);
    delete old;
}

// A bar chart of one value per category.
QBarSet* showBars(QChartView* view, const QString& title, const QStringList& categories,
                  const QList<qreal>& values, const QString& axisTitle, const char* labelFormat,
                  const QColor& colour, int labelAngle) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->legend()->hide();
    auto* set = new QBarSet(axisTitle);
    set->setColor(colour);
    set->setBorderColor(colour.darker(120));
    for (qreal v : values)
        *set << v;
    auto* series = new QBarSeries;
    series->setBarWidth(0.8);
    series->append(set);
    chart->addSeries(series);
    auto* x = new QBarCategoryAxis;
    x->append(categories);
    x->setLabelsAngle(labelAngle);
    chart->addAxis(x, Qt::AlignBottom);
    series->attachAxis(x);
    auto* y = new QValueAxis;
    y->setTitleText(axisTitle);
    y->setLabelFormat(QString::fromLatin1(labelFormat));
    const qreal top = values.isEmpty() ? 0 : *std::max_element(values.begin(), values.end());
    y->setRange(0, top > 0 ? top * 1.1 : 1);
    y->applyNiceNumbers();
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(y);
    setChart(view, chart);
    return set;
}

QTableWidget* table(QWidget* parent, const char* name, const QStringList& heads) {
    auto* t = new QTableWidget(0, int(heads.size()), parent);
    t->setObjectName(QLatin1String(name));
    t->setHorizontalHeaderLabels(heads);
    t->verticalHeader()->hide();
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setAlternatingRowColors(true);
    t->setWordWrap(false);
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

QLabel* label(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setBuddy(buddy);
    return l;
}

} // namespace

frmHistory::frmHistory(std::unique_ptr<HistorySource> source) : m_source(std::move(source)) {
    setObjectName(QStringLiteral("frmHistory"));
    setWindowTitle(tr("ModemTally - Usage History"));
    setAttribute(Qt::WA_DeleteOnClose, false);

    cboSpan = new QComboBox(this);
    cboSpan->setObjectName(QStringLiteral("cboSpan"));
    cboSpan->addItem(tr("Last 12 months"), 12);
    cboSpan->addItem(tr("Last 24 months"), 24);
    cboMonth = new QComboBox(this);
    cboMonth->setObjectName(QStringLiteral("cboMonth"));
    cboProfile = new QComboBox(this);
    cboProfile->setObjectName(QStringLiteral("cboProfile"));
    cboProfile->setMinimumContentsLength(16);
    cboPeriod = new QComboBox(this);
    cboPeriod->setObjectName(QStringLiteral("cboPeriod"));
    cboPeriod->addItem(tr("The chosen month"));
    cboPeriod->addItem(tr("All months shown"));
    cmdExportCsv = new QPushButton(tr("Export &CSV..."), this);
    cmdExportCsv->setObjectName(QStringLiteral("cmdExportCsv"));
    cmdExportCsv->setToolTip(tr("Save the sessions of the table as CSV, for a spreadsheet"));
    cmdExportJson = new QPushButton(tr("Export &JSON..."), this);
    cmdExportJson->setObjectName(QStringLiteral("cmdExportJson"));
    cmdExportJson->setToolTip(tr("Save the sessions of the table as JSON"));

    tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("tabs"));
    tabs->setAccessibleName(tr("Usage history views"));
    auto* months = new QWidget(tabs);
    chartMonthTime = chartView(months, "chartMonthTime", tr("Time online per month"));
    chartMonthCost = chartView(months, "chartMonthCost", tr("Cost per month"));
    auto* monthsBox = new QVBoxLayout(months);
    monthsBox->addWidget(chartMonthTime);
    monthsBox->addWidget(chartMonthCost);
    tabs->addTab(months, tr("By &month"));

    auto* days = new QWidget(tabs);
    chartDayTime = chartView(days, "chartDayTime", tr("Time online per day"));
    chartDayCost = chartView(days, "chartDayCost", tr("Cost per day"));
    labelDayNote = new QLabel(days);
    labelDayNote->setObjectName(QStringLiteral("labelDayNote"));
    labelDayNote->setWordWrap(true);
    auto* daysBox = new QVBoxLayout(days);
    daysBox->addWidget(chartDayTime);
    daysBox->addWidget(chartDayCost);
    daysBox->addWidget(labelDayNote);
    tabs->addTab(days, tr("By &day"));

    auto* profiles = new QWidget(tabs);
    chartProfiles = chartView(profiles, "chartProfiles", tr("Share of time online by profile"));
    tableProfiles = table(profiles, "tableProfiles",
                          {tr("Profile"), tr("Sessions"), tr("Time online"), tr("Cost"), tr("Share")});
    tableProfiles->setSortingEnabled(true);
    tableProfiles->sortByColumn(2, Qt::DescendingOrder);
    auto* profilesBox = new QHBoxLayout(profiles);
    profilesBox->addWidget(chartProfiles, 1);
    profilesBox->addWidget(tableProfiles, 1);
    tabs->addTab(profiles, tr("&Profiles"));

    tableSessions = table(tabs, "tableSessions",
                          {tr("Start"), tr("End"), tr("Duration"), tr("Cost"), tr("Profile"), tr("Backend"),
                           tr("Ended"), tr("Adopted"), tr("Warnings")});
    tableSessions->setSortingEnabled(true);
    tableSessions->sortByColumn(0, Qt::DescendingOrder);
    tabs->addTab(tableSessions, tr("&Sessions"));

    auto* plans = new QWidget(tabs);
    plans->setObjectName(QStringLiteral("tabPlans"));
    tablePlans = table(plans, "tablePlans",
                       {tr("Profile"), tr("Cycle"), tr("Used"), tr("Allowance"), tr("Projected"),
                        tr("Days left"), tr("Extra cost")});
    tablePlans->setSelectionMode(QAbstractItemView::SingleSelection);
    tablePlans->setMaximumHeight(150);
    chartCycles = chartView(plans, "chartCycles", tr("Use per billing cycle"));
    labelPlansNote = new QLabel(plans);
    labelPlansNote->setObjectName(QStringLiteral("labelPlansNote"));
    labelPlansNote->setWordWrap(true);
    auto* plansBox = new QVBoxLayout(plans);
    plansBox->addWidget(tablePlans);
    plansBox->addWidget(chartCycles, 1);
    plansBox->addWidget(labelPlansNote);
    tabs->addTab(plans, tr("P&lans"));
    connect(tablePlans, &QTableWidget::itemSelectionChanged, this, &frmHistory::showCycles);

    labelSummary = new QLabel(this);
    labelSummary->setObjectName(QStringLiteral("labelSummary"));
    labelSummary->setWordWrap(true);
    labelSummary->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* chooseRow = new QHBoxLayout;
    chooseRow->addWidget(label(tr("Months &shown:"), cboSpan, this));
    chooseRow->addWidget(cboSpan);
    chooseRow->addSpacing(12);
    chooseRow->addWidget(label(tr("M&onth:"), cboMonth, this));
    chooseRow->addWidget(cboMonth);
    chooseRow->addSpacing(12);
    chooseRow->addWidget(label(tr("P&rofile:"), cboProfile, this));
    chooseRow->addWidget(cboProfile);
    chooseRow->addStretch(1);
    auto* exportRow = new QHBoxLayout;
    exportRow->addWidget(label(tr("&Table and export:"), cboPeriod, this));
    exportRow->addWidget(cboPeriod);
    exportRow->addStretch(1);
    exportRow->addWidget(cmdExportCsv);
    exportRow->addWidget(cmdExportJson);
    auto* main = new QVBoxLayout(this);
    main->addLayout(chooseRow);
    main->addLayout(exportRow);
    main->addWidget(tabs, 1);
    main->addWidget(labelSummary);
    resize(980, 700);

    connect(cboSpan, &QComboBox::currentIndexChanged, this, [this] {
        if (m_filling)
            return;
        fillMonths();
        showMonths();
        showDays();
        showProfiles();
        showSessions();
    });
    connect(cboMonth, &QComboBox::currentIndexChanged, this, [this] {
        if (m_filling)
            return;
        showDays();
        showProfiles();
        showSessions();
    });
    connect(cboProfile, &QComboBox::currentIndexChanged, this, [this] {
        if (m_filling)
            return;
        showMonths();
        showDays();
        showSessions();
    });
    connect(cboPeriod, &QComboBox::currentIndexChanged, this, [this] {
        showProfiles();
        showSessions();
    });
    connect(cmdExportCsv, &QPushButton::clicked, this, [this] { chooseExport(Format::Csv); });
    connect(cmdExportJson, &QPushButton::clicked, this, [this] { chooseExport(Format::Json); });
    refresh();
}

frmHistory::~frmHistory() = default;

void frmHistory::refresh() {
    m_filling = true;
    const QString profile = cboProfile->currentData().toString();
    const bool all = cboProfile->currentIndex() <= 0;
    cboProfile->clear();
    cboProfile->addItem(tr("All profiles"));
    for (const QString& p : m_source->profiles())
        cboProfile->addItem(p, p);
    cboProfile->setCurrentIndex(all ? 0 : qMax(0, cboProfile->findData(profile)));
    m_filling = false;
    fillMonths();
    showMonths();
    showDays();
    showProfiles();
    showSessions();
    showPlans();
}

void frmHistory::fillMonths() {
    m_filling = true;
    const int chosen = cboMonth->count() ? chosenMonth() : History::monthIndex(m_source->today());
    const int last = History::monthIndex(m_source->today());
    const int span = cboSpan->currentData().toInt();
    cboMonth->clear();
    for (int m = last; m > last - span; --m)
        cboMonth->addItem(monthName(m), m);
    cboMonth->setCurrentIndex(qMax(0, cboMonth->findData(chosen)));
    m_filling = false;
}

int frmHistory::chosenMonth() const {
    return cboMonth->currentData().toInt();
}

std::optional<QString> frmHistory::chosenProfile() const {
    if (cboProfile->currentIndex() <= 0)
        return std::nullopt;
    return cboProfile->currentData().toString();
}

Filter frmHistory::filter() const {
    Filter f;
    const int last = History::monthIndex(m_source->today());
    const bool wholeSpan = cboPeriod->currentIndex() == 1;
    f.from = History::firstDayOfMonth(wholeSpan ? last - cboSpan->currentData().toInt() + 1 : chosenMonth());
    f.to = History::lastDayOfMonth(wholeSpan ? last : chosenMonth());
    f.profile = chosenProfile();
    return f;
}

void frmHistory::showMonths() {
    const int last = History::monthIndex(m_source->today());
    const int span = cboSpan->currentData().toInt();
    const QList<Total> totals = m_source->monthTotals(last - span + 1, last, chosenProfile());
    QStringList names;
    QList<qreal> hours, cost;
    for (const Total& t : totals) {
        names << monthName(int(t.key), "MMM yy");
        hours << t.seconds / 3600.0;
        cost << t.cost / 10000.0;
    }
    const int angle = span > 12 ? -90 : 0;
    QBarSet* time = showBars(chartMonthTime, tr("Time online per month"), names, hours, tr("Hours"), "%.1f",
                             QColor(0x2a, 0x6f, 0xb0), angle);
    QBarSet* money = showBars(chartMonthCost, tr("Cost per month"), names, cost, tr("Cost"), "%.2f",
                              QColor(0xcc, 0x88, 0x00), angle);
    // A click on a month's bar chooses that month.
    for (QBarSet* set : {time, money}) {
        connect(set, &QBarSet::clicked, this, [this, totals](int index) {
            if (index >= 0 && index < totals.size())
                cboMonth->setCurrentIndex(cboMonth->findData(int(totals.at(index).key)));
        });
    }
}

void frmHistory::showDays() {
    const int month = chosenMonth();
    Total undated;
    const QList<Total> totals = m_source->dayTotals(month, chosenProfile(), &undated);
    QStringList names;
    QList<qreal> hours, cost;
    for (const Total& t : totals) {
        names << QString::number(History::dateOfDay(t.key).day());
        hours << t.seconds / 3600.0;
        cost << t.cost / 10000.0;
    }
    showBars(chartDayTime, tr("Time online per day, %1").arg(monthName(month)), names, hours, tr("Hours"),
             "%.1f", QColor(0x2a, 0x6f, 0xb0), 0);
    showBars(chartDayCost, tr("Cost per day, %1").arg(monthName(month)), names, cost, tr("Cost"), "%.2f",
             QColor(0xcc, 0x88, 0x00), 0);
    labelDayNote->setText(
        undated.sessions == 0
            ? QString()
            : tr("%1 session(s) of this month (%2 online) came from its month file, which does not "
                 "keep their days: they count in the month's totals but not in any day's.")
                  .arg(undated.sessions)
                  .arg(History::durationText(undated.seconds)));
    labelDayNote->setVisible(undated.sessions != 0);
}

void frmHistory::showProfiles() {
    Filter f = filter();
    f.profile.reset(); // the shares are of every profile
    const QList<Total> totals = m_source->profileTotals(f);
    qint64 all = 0;
    for (const Total& t : totals)
        all += t.seconds;
    auto* chart = new QChart;
    chart->setTitle(tr("Share of time online by profile"));
    chart->legend()->setAlignment(Qt::AlignRight);
    auto* pie = new QPieSeries;
    for (const Total& t : totals) {
        const QString name = t.profile.isEmpty() ? tr("(imported)") : t.profile;
        if (t.seconds > 0)
            pie->append(name, qreal(t.seconds));
    }
    pie->setPieSize(0.75);
    chart->addSeries(pie);
    setChart(chartProfiles, chart);

    tableProfiles->setSortingEnabled(false);
    tableProfiles->setRowCount(int(totals.size()));
    for (int i = 0; i < totals.size(); ++i) {
        const Total& t = totals.at(i);
        const double share = all > 0 ? 100.0 * double(t.seconds) / double(all) : 0.0;
        const QString name = t.profile.isEmpty() ? tr("(imported)") : t.profile;
        tableProfiles->setItem(i, 0, new SortItem(name, name));
        tableProfiles->setItem(i, 1, new SortItem(QString::number(t.sessions), t.sessions));
        tableProfiles->setItem(i, 2, new SortItem(History::durationText(t.seconds), t.seconds));
        tableProfiles->setItem(i, 3, new SortItem(m_source->moneyText(t.cost), t.cost));
        tableProfiles->setItem(
            i, 4, new SortItem(QStringLiteral("%1 %").arg(share, 0, 'f', 1), qint64(share * 10)));
    }
    tableProfiles->setSortingEnabled(true);
    tableProfiles->resizeColumnsToContents();
}

void frmHistory::showSessions() {
    const Filter f = filter();
    const QList<Session> sessions = m_source->sessions(f);
    tableSessions->setSortingEnabled(false);
    tableSessions->setRowCount(0);
    tableSessions->setRowCount(int(sessions.size()));
    qint64 seconds = 0, cost = 0;
    const auto local = [](qint64 utc, int offset) {
        return QDateTime::fromSecsSinceEpoch(utc + offset, QTimeZone::utc())
            .toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    };
    for (int i = 0; i < sessions.size(); ++i) {
        const Session& s = sessions.at(i);
        const QString start = s.ended == History::Ended::Imported
                                  ? monthName(History::monthIndex(History::dateOfDay(s.day())))
                                  : local(s.startUtc, s.startOffset);
        tableSessions->setItem(i, 0, new SortItem(start, s.startUtc * 100000 + s.id % 100000));
        tableSessions->setItem(
            i, 1, new SortItem(s.endUtc ? local(*s.endUtc, s.endOffset) : QString(), s.endUtc.value_or(0)));
        tableSessions->setItem(i, 2, new SortItem(History::durationText(s.seconds), s.seconds));
        tableSessions->setItem(
            i, 3, new SortItem(s.cost ? m_source->moneyText(*s.cost) : QString(), s.cost.value_or(-1)));
        tableSessions->setItem(i, 4, new SortItem(s.profile, s.profile));
        tableSessions->setItem(i, 5, new SortItem(s.backend, s.backend));
        tableSessions->setItem(i, 6, new SortItem(History::endedText(s.ended), History::endedText(s.ended)));
        tableSessions->setItem(i, 7, new SortItem(s.adopted ? tr("yes") : QString(), s.adopted ? 1 : 0));
        auto* warnings = new SortItem(s.warnings.isEmpty() ? QString() : QString::number(s.warnings.size()),
                                      qint64(s.warnings.size()));
        warnings->setToolTip(s.warnings.join(QLatin1Char('\n')));
        tableSessions->setItem(i, 8, warnings);
        seconds += s.seconds;
        cost += s.cost.value_or(0);
    }
    tableSessions->setSortingEnabled(true);
    tableSessions->resizeColumnsToContents();

    const QString period =
        cboPeriod->currentIndex() == 1 ? cboSpan->currentText().toLower() : monthName(chosenMonth());
    const QString who = f.profile ? QStringLiteral(", %1").arg(*f.profile) : QString();
    if (!m_source->error().isEmpty())
        labelSummary->setText(tr("The usage history cannot be read: %1").arg(m_source->error()));
    else
        labelSummary->setText(tr("%1%2: %3 session(s), %4 online, cost %5")
                                  .arg(period.left(1).toUpper() + period.mid(1), who)
                                  .arg(sessions.size())
                                  .arg(History::durationText(seconds), m_source->moneyText(cost)));
}

bool frmHistory::exportTo(const QString& path, const QString& format) {
    QString error;
    const Format f = format == QLatin1String("json") ? Format::Json : Format::Csv;
    if (!m_source->exportTo(path, f, filter(), &error)) {
        labelSummary->setText(tr("The sessions were not exported: %1").arg(error));
        return false;
    }
    labelSummary->setText(tr("The sessions of the table were written to %1.").arg(path));
    return true;
}

void frmHistory::chooseExport(Format format) {
    const bool csv = format == Format::Csv;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString name =
        QStringLiteral("modemtally-sessions.%1").arg(csv ? QStringLiteral("csv") : QStringLiteral("json"));
    const QString path =
        QFileDialog::getSaveFileName(this, tr("Export the sessions"), QDir(folder).filePath(name),
                                     csv ? tr("CSV files (*.csv)") : tr("JSON files (*.json)"));
    if (!path.isEmpty())
        exportTo(path, csv ? QStringLiteral("csv") : QStringLiteral("json"));
}

namespace {
// Decimal megabytes and gigabytes, as plans count them.
QString dataText(double bytes) {
    const double mb = bytes / 1e6;
    return mb >= 1000 ? QStringLiteral("%1 GB").arg(mb / 1000, 0, 'f', 2)
                      : QStringLiteral("%1 MB").arg(mb, 0, 'f', 1);
}
QString hoursText(double seconds) {
    return QStringLiteral("%1 h").arg(seconds / 3600, 0, 'f', 1);
}
QString cycleText(const History::PlanCycle& c) {
    return QLocale::c().toString(c.first, QStringLiteral("d MMM")) + QStringLiteral(" - ") +
           QLocale::c().toString(c.last, QStringLiteral("d MMM yyyy"));
}
} // namespace

void frmHistory::showPlans() {
    m_cycles = m_source->planCycles(6);
    const QSignalBlocker block(tablePlans);
    tablePlans->setRowCount(0);
    int chosenRow = 0;
    for (const History::PlanCycle& c : std::as_const(m_cycles)) {
        if (!c.current)
            continue;
        // A profile with both allowances has a row for each.
        for (bool data : {true, false}) {
            if (data ? c.allowanceBytes == 0 : c.allowanceSeconds == 0)
                continue;
            const int row = tablePlans->rowCount();
            tablePlans->insertRow(row);
            const auto put = [&](int col, const QString& text) {
                auto* item = new QTableWidgetItem(text);
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
                item->setData(Qt::UserRole, c.profile);
                item->setData(Qt::UserRole + 1, data);
                tablePlans->setItem(row, col, item);
            };
            put(0, c.profile);
            put(1, cycleText(c));
            put(2, data ? dataText(double(c.bytes)) : hoursText(double(c.seconds)));
            put(3, data ? dataText(double(c.allowanceBytes)) : hoursText(double(c.allowanceSeconds)));
            put(4, data ? dataText(c.projectedBytes) : hoursText(c.projectedSeconds));
            put(5, QString::number(c.daysLeft));
            // The megabytes past the allowance at the plan's price: what they cost so far, and at the
            // cycle's end at this pace.
            put(6, data && c.extraCost ? tr("%1 (%2 projected)")
                                             .arg(m_source->moneyText(*c.extraCost),
                                                  m_source->moneyText(c.projectedExtraCost))
                                       : QString());
            const bool over = data ? c.projectedBytes > double(c.allowanceBytes)
                                   : c.projectedSeconds > double(c.allowanceSeconds);
            if (over)
                tablePlans->item(row, 4)->setForeground(QColor(0xb2, 0x22, 0x22));
            if (chosenProfile() && *chosenProfile() == c.profile && chosenRow == 0)
                chosenRow = row;
        }
    }
    tablePlans->resizeColumnsToContents();
    labelPlansNote->setText(tablePlans->rowCount() == 0
                                ? tr("No profile has a plan. A profile's plan (its allowances and "
                                     "billing cycle) is set from the configuration console's "
                                     "Connection tab.")
                                : tr("Projected: the cycle's use at its end at the pace so far. A "
                                     "session still running counts with its last minute."));
    if (tablePlans->rowCount() > 0)
        tablePlans->selectRow(chosenRow);
    showCycles();
}

void frmHistory::showCycles() {
    const QList<QTableWidgetItem*> selected = tablePlans->selectedItems();
    const QString profile = selected.isEmpty() ? QString() : selected.first()->data(Qt::UserRole).toString();
    const bool time = !selected.isEmpty() && !selected.first()->data(Qt::UserRole + 1).toBool();
    QStringList names;
    QList<qreal> values;
    QString allowance;
    // Oldest cycle first.
    for (auto it = m_cycles.crbegin(); it != m_cycles.crend(); ++it) {
        if (it->profile != profile)
            continue;
        names << QLocale::c().toString(it->first, QStringLiteral("d MMM yy"));
        values << (time ? double(it->seconds) / 3600 : double(it->bytes) / 1e6);
        allowance = time ? hoursText(double(it->allowanceSeconds)) : dataText(double(it->allowanceBytes));
    }
    const QString title = profile.isEmpty()
                              ? tr("Use per billing cycle")
                              : tr("%1: %2 per billing cycle (allowance %3)")
                                    .arg(profile, time ? tr("time online") : tr("data"), allowance);
    showBars(chartCycles, title, names, values, time ? tr("Hours") : QStringLiteral("MB"), "%.1f",
             QColor(0x2e, 0x8b, 0x57), 0);
}
