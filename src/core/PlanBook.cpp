#include "core/PlanBook.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace {

// A profile's group in the INI file: its name percent-encoded, so that any name (with "/" or "\")
// is one group.
QString groupOf(const QString& profile) {
    return QStringLiteral("Plans/") + QString::fromLatin1(QUrl::toPercentEncoding(profile));
}

QString dayText(const QDate& day) {
    return QLocale().toString(day, QLocale::LongFormat);
}

} // namespace

QString PlanBook::dataText(quint64 bytes) {
    const double mb = double(bytes) / double(Plan::kBytesPerMB);
    if (mb >= 1000.0)
        return QStringLiteral("%1 GB").arg(mb / 1000.0, 0, 'f', 2);
    return QStringLiteral("%1 MB").arg(mb, 0, 'f', mb < 10.0 ? 2 : 1);
}

QString PlanBook::timeText(qint64 seconds) {
    return QStringLiteral("%1 h %2 min")
        .arg(seconds / 3600)
        .arg((seconds % 3600) / 60, 2, 10, QLatin1Char('0'));
}

void PlanBook::setFile(const QString& path) {
    m_file = path;
    m_entries.clear();
    m_run = Run{};
    load();
}

void PlanBook::load() {
    // Most users keep no plan: without the file there is nothing to read, and QSettings is not
    // brought in at every start only to find that out.
    if (m_file.isEmpty() || !QFileInfo::exists(m_file))
        return;
    QSettings s(m_file, QSettings::IniFormat);
    s.beginGroup(QStringLiteral("Plans"));
    const QStringList groups = s.childGroups();
    s.endGroup();
    for (const QString& g : groups) {
        const QString profile = QUrl::fromPercentEncoding(g.toLatin1());
        s.beginGroup(groupOf(profile));
        Entry e;
        const double mb = s.value(QStringLiteral("DataAllowanceMB")).toDouble();
        e.plan.dataAllowanceBytes = mb > 0 && mb < 1e12 ? quint64(std::llround(mb * Plan::kBytesPerMB)) : 0;
        const double hours = s.value(QStringLiteral("TimeAllowanceHours")).toDouble();
        e.plan.timeAllowanceSeconds = hours > 0 && hours < 1e7 ? qint64(std::llround(hours * 3600)) : 0;
        e.plan.cycleFirstDay = qBound(1, s.value(QStringLiteral("CycleFirstDay"), 1).toInt(), 31);
        e.plan.pricePerExtraMB = Money::fromText(s.value(QStringLiteral("PricePerExtraMB")).toString());
        PlanMath::parseThresholds(s.value(QStringLiteral("Thresholds"), QStringLiteral("80, 100")).toString(),
                                  &e.plan.thresholds);
        e.warnedCycle = QDate::fromString(s.value(QStringLiteral("WarnedCycle")).toString(), Qt::ISODate);
        for (const QString& k :
             s.value(QStringLiteral("Warned")).toString().split(QLatin1Char(','), Qt::SkipEmptyParts))
            e.warned.insert(k.trimmed());
        s.endGroup();
        if (e.plan.hasAllowance() || e.plan.pricePerExtraMB != Money())
            m_entries.insert(profile, e);
    }
}

bool PlanBook::write(const QString& profile, QString* error) {
    if (m_file.isEmpty())
        return true;
    QSettings s(m_file, QSettings::IniFormat);
    s.remove(groupOf(profile));
    const auto it = m_entries.constFind(profile);
    if (it != m_entries.constEnd()) {
        const Plan& p = it->plan;
        s.beginGroup(groupOf(profile));
        s.setValue(QStringLiteral("DataAllowanceMB"),
                   double(p.dataAllowanceBytes) / double(Plan::kBytesPerMB));
        s.setValue(QStringLiteral("TimeAllowanceHours"), double(p.timeAllowanceSeconds) / 3600.0);
        s.setValue(QStringLiteral("CycleFirstDay"), p.cycleFirstDay);
        s.setValue(QStringLiteral("PricePerExtraMB"), p.pricePerExtraMB.toText());
        s.setValue(QStringLiteral("Thresholds"), PlanMath::thresholdsText(p.thresholds));
        if (it->warnedCycle.isValid()) {
            s.setValue(QStringLiteral("WarnedCycle"), it->warnedCycle.toString(Qt::ISODate));
            QStringList keys(it->warned.cbegin(), it->warned.cend());
            keys.sort();
            s.setValue(QStringLiteral("Warned"), keys.join(QLatin1Char(',')));
        }
        s.endGroup();
    }
    s.sync();
    if (s.status() != QSettings::NoError) {
        if (error)
            *error = QStringLiteral("\"%1\" could not be written").arg(m_file);
        return false;
    }
    return true;
}

std::optional<Plan> PlanBook::plan(const QString& profile) const {
    const auto it = m_entries.constFind(profile);
    if (it == m_entries.constEnd())
        return std::nullopt;
    return it->plan;
}

bool PlanBook::setPlan(const QString& profile, const Plan& plan, QString* error) {
    if (!plan.hasAllowance() && plan.pricePerExtraMB == Money()) {
        m_entries.remove(profile);
    } else {
        Entry& e = m_entries[profile];
        // A new cycle day or new allowances start the cycle's warnings afresh.
        if (e.plan.cycleFirstDay != plan.cycleFirstDay ||
            e.plan.dataAllowanceBytes != plan.dataAllowanceBytes ||
            e.plan.timeAllowanceSeconds != plan.timeAllowanceSeconds ||
            e.plan.thresholds != plan.thresholds) {
            e.warned.clear();
            e.warnedCycle = QDate();
        }
        e.plan = plan;
    }
    if (m_run.profile == profile)
        m_run.valid = false; // the cycle may have moved: the next check asks the journal again
    return write(profile, error);
}

QStringList PlanBook::profiles() const {
    QStringList names = m_entries.keys();
    names.sort(Qt::CaseInsensitive);
    return names;
}

void PlanBook::sessionStarted() {
    m_run = Run{};
}

void PlanBook::setUsedBefore(const QString& profile, const QDate& cycleFirst, const PlanUsage& used) {
    if (!m_run.valid || m_run.profile != profile || m_run.cycle.first != cycleFirst || m_run.known)
        return;
    m_run.usedBefore = used;
    m_run.known = true;
}

std::optional<PlanUsage> PlanBook::usedBefore() const {
    if (!m_run.valid || !m_run.known)
        return std::nullopt;
    return m_run.usedBefore;
}

void PlanBook::check(const QString& profile, qint64 nowMs, const PlanUsage& session) {
    const auto it = m_entries.find(profile);
    if (it == m_entries.end() || !it->plan.hasAllowance())
        return;
    Entry& e = *it;
    if (!m_run.valid || m_run.profile != profile || nowMs < m_run.beginsMs || nowMs >= m_run.endsMs) {
        const bool rolledOver = m_run.valid && m_run.profile == profile && nowMs >= m_run.endsMs;
        m_run.valid = true;
        m_run.profile = profile;
        m_run.cycle = PlanMath::cycleOf(QDateTime::fromMSecsSinceEpoch(nowMs).date(), e.plan.cycleFirstDay);
        m_run.beginsMs = m_run.cycle.begins().toMSecsSinceEpoch();
        m_run.endsMs = m_run.cycle.ends().toMSecsSinceEpoch();
        if (rolledOver) {
            // The session runs on into a new cycle: only what it uses from now on is this cycle's.
            m_run.sessionBase = session;
            m_run.usedBefore = PlanUsage{};
            m_run.known = true;
        } else {
            m_run.sessionBase = PlanUsage{};
            m_run.usedBefore = PlanUsage{};
            m_run.known = false;
            emit usageWanted(profile, m_run.cycle.first, m_run.cycle.next);
        }
    }
    if (!m_run.known)
        return;
    if (e.warnedCycle != m_run.cycle.first) {
        e.warnedCycle = m_run.cycle.first;
        e.warned.clear();
    }
    PlanUsage used = m_run.usedBefore;
    used.bytes += session.bytes >= m_run.sessionBase.bytes ? session.bytes - m_run.sessionBase.bytes : 0;
    used.seconds += qMax<qint64>(0, session.seconds - m_run.sessionBase.seconds);
    if (e.plan.dataAllowanceBytes > 0)
        checkAllowance(e, nowMs, double(used.bytes), double(e.plan.dataAllowanceBytes), true);
    if (e.plan.timeAllowanceSeconds > 0)
        checkAllowance(e, nowMs, double(used.seconds), double(e.plan.timeAllowanceSeconds), false);
}

void PlanBook::checkAllowance(Entry& e, qint64 nowMs, double used, double allowance, bool data) {
    const QString prefix = data ? QStringLiteral("d") : QStringLiteral("t");
    // The texts of a warning are made only when one is due: this runs every second of a session.
    const auto kindText = [data] {
        return data ? QCoreApplication::translate("PlanBook", "data")
                    : QCoreApplication::translate("PlanBook", "time");
    };
    const auto amount = [data](double v) { return data ? dataText(quint64(v)) : timeText(qint64(v)); };
    const auto endsText = [this] { return dayText(m_run.cycle.last()); };

    // The highest threshold reached and not yet warned of; the lower ones count as warned with it.
    const double percent = used * 100.0 / allowance;
    int reached = 0;
    for (int t : e.plan.thresholds) {
        if (percent >= double(t) && !e.warned.contains(prefix + QString::number(t)))
            reached = t;
    }
    if (reached > 0) {
        for (int t : e.plan.thresholds)
            if (t < reached)
                e.warned.insert(prefix + QString::number(t));
        PlanWarning w;
        w.profile = m_run.profile;
        w.kind = PlanWarning::Kind::Threshold;
        w.data = data;
        w.percent = reached;
        w.title = QCoreApplication::translate("PlanBook", "Plan Allowance Warning");
        w.message =
            QCoreApplication::translate(
                "PlanBook", "%1 has used %2% of this cycle's %3 allowance: %4 of %5. The cycle ends on %6.")
                .arg(m_run.profile)
                .arg(reached)
                .arg(kindText(), amount(used), amount(allowance), endsText());
        if (data && reached >= 100 && e.plan.pricePerExtraMB != Money())
            w.message += QCoreApplication::translate("PlanBook", " Each megabyte more costs %1.")
                             .arg(e.plan.pricePerExtraMB.toText());
        warn(e, m_run, prefix + QString::number(reached), w);
    }

    // The projection, once the cycle has run long enough to give a pace.
    const QString pkey = QStringLiteral("p") + prefix;
    if (e.warned.contains(pkey) || nowMs - m_run.beginsMs < kProjectionAfterMs || used >= allowance)
        return;
    const PlanMath::Projection p = PlanMath::project(used, allowance, m_run.beginsMs, m_run.endsMs, nowMs);
    if (p.atCycleEnd <= allowance || !p.runsOut.isValid())
        return;
    PlanWarning w;
    w.profile = m_run.profile;
    w.kind = PlanWarning::Kind::Projection;
    w.data = data;
    w.runsOut = p.runsOut.toLocalTime().date();
    w.title = QCoreApplication::translate("PlanBook", "Plan Allowance Warning");
    w.message =
        QCoreApplication::translate(
            "PlanBook", "At this pace %1 will use up this cycle's %2 allowance (%3) on %4, before the "
                        "cycle ends on %5: %6 by then.")
            .arg(m_run.profile, kindText(), amount(allowance), dayText(w.runsOut), endsText(),
                 amount(p.atCycleEnd));
    warn(e, m_run, pkey, w);
}

void PlanBook::warn(Entry& e, const Run& run, const QString& key, PlanWarning w) {
    e.warned.insert(key);
    e.warnedCycle = run.cycle.first;
    w.cycleFirst = run.cycle.first;
    // The warned flags are kept at once, so a crash or a new start does not warn again this cycle.
    write(run.profile, nullptr);
    emit planWarningDue(w);
}
