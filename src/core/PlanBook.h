#pragma once

#include "core/Plans.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

// A warning of the plans: an allowance's threshold reached, or the projection past the allowance.
struct PlanWarning {
    enum class Kind { Threshold, Projection };
    QString profile;
    Kind kind = Kind::Threshold;
    bool data = true; // the data allowance (else the time allowance)
    int percent = 0;  // the threshold reached (Threshold)
    QDate cycleFirst; // the cycle it belongs to
    QDate runsOut;    // the day the allowance would be used up at this pace (Projection)
    QString title;
    QString message;
};

// The profiles' plans, kept in the program's INI file (never in the settings file of the data
// folder), and the warnings they give while a session runs: each threshold of each allowance once
// per cycle, and once per cycle the projection past an allowance. What was warned of is kept in the
// INI file too, so a new session (or a new start) in the same cycle does not warn again.
//
// Used so far in a cycle = the profile's earlier sessions in the cycle (from the usage journal,
// asked for with usageWanted and answered with setUsedBefore) + the running session.
class PlanBook : public QObject {
    Q_OBJECT
public:
    // The projection warns only once this much of the cycle has passed: a pace taken from the first
    // hours of a cycle says little.
    static constexpr qint64 kProjectionAfterMs = 24 * 3600 * 1000LL;

    using QObject::QObject;

    // The INI file ("" keeps the plans in memory only). Reads the plans from it.
    void setFile(const QString& path);
    QString file() const { return m_file; }

    std::optional<Plan> plan(const QString& profile) const;
    // Sets (or with no allowance and no price, removes) a profile's plan and writes the file. False
    // with the reason when the file could not be written.
    bool setPlan(const QString& profile, const Plan& plan, QString* error = nullptr);
    // The profiles that have a plan, sorted.
    QStringList profiles() const;

    // The running session's checks, once a tick. `session` is what the session used so far.
    void check(const QString& profile, qint64 nowMs, const PlanUsage& session);
    // A new session: the next check starts from the journal's figures again.
    void sessionStarted();
    // The journal's answer to usageWanted (ignored when it is not about the cycle being checked).
    void setUsedBefore(const QString& profile, const QDate& cycleFirst, const PlanUsage& used);
    // The use in the cycle being checked before the running session, or nothing before the journal
    // answered.
    std::optional<PlanUsage> usedBefore() const;

    // The warning's texts for this profile's plan.
    static QString dataText(quint64 bytes);
    static QString timeText(qint64 seconds);

signals:
    // A session of this profile runs in this cycle: the profile's use in the cycle before it is
    // wanted (setUsedBefore).
    void usageWanted(const QString& profile, const QDate& cycleFirst, const QDate& cycleNext);
    void planWarningDue(const PlanWarning& warning);

private:
    struct Entry {
        Plan plan;
        QDate warnedCycle;    // the cycle `warned` belongs to
        QSet<QString> warned; // "d80", "t100", "pd", "pt"...
    };
    struct Run {
        bool valid = false;
        QString profile;
        PlanMath::Cycle cycle;
        qint64 beginsMs = 0;
        qint64 endsMs = 0;
        bool known = false;    // usedBefore is the journal's answer
        PlanUsage usedBefore;  // the cycle's use before the session (or before the cycle began)
        PlanUsage sessionBase; // the session's use when this cycle began within it
    };

    void load();
    bool write(const QString& profile, QString* error);
    void warn(Entry& e, const Run& run, const QString& key, PlanWarning w);
    void checkAllowance(Entry& e, qint64 nowMs, double used, double allowance, bool data);

    QString m_file;
    QHash<QString, Entry> m_entries;
    Run m_run;
};
