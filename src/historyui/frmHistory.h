#pragma once

#include "history/HistoryTypes.h"

#include <QWidget>

#include <memory>

class HistorySource;
class QChartView;
class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;

// The usage history: time online and cost per month (the last 12 or 24) and per day of a chosen
// month as bar charts, each profile's share, and the sessions of the chosen period in a sortable
// table, all narrowed to one profile when one is picked; the period's sessions can be exported as
// CSV or JSON. Everything shown is read from the journal through a HistorySource.
class frmHistory : public QWidget {
    Q_OBJECT
public:
    explicit frmHistory(std::unique_ptr<HistorySource> source);
    ~frmHistory() override;

    // The sessions the window shows (the chosen period and profile).
    History::Filter filter() const;
    // Writes the table's sessions to `path` as "csv" or "json" (what the export buttons do after
    // their file dialog); false with the reason shown in the window.
    Q_INVOKABLE bool exportTo(const QString& path, const QString& format);
    // Reads the journal again and redraws everything.
    Q_INVOKABLE void refresh();

private:
    void fillMonths();
    void showMonths();
    void showDays();
    void showProfiles();
    void showSessions();
    // The plans: each profile's current cycle in the table, the chosen one's cycles in the chart.
    void showPlans();
    void showCycles();
    void chooseExport(History::Format format);
    int chosenMonth() const;
    std::optional<QString> chosenProfile() const;

    std::unique_ptr<HistorySource> m_source;
    QComboBox* cboSpan;
    QComboBox* cboMonth;
    QComboBox* cboProfile;
    QComboBox* cboPeriod;
    QPushButton* cmdExportCsv;
    QPushButton* cmdExportJson;
    QTabWidget* tabs;
    QChartView* chartMonthTime;
    QChartView* chartMonthCost;
    QChartView* chartDayTime;
    QChartView* chartDayCost;
    QChartView* chartProfiles;
    QTableWidget* tableProfiles;
    QTableWidget* tableSessions;
    QTableWidget* tablePlans;
    QChartView* chartCycles;
    QLabel* labelPlansNote;
    QList<History::PlanCycle> m_cycles;
    QLabel* labelSummary;
    QLabel* labelDayNote;
    bool m_filling = false;
};
