// The session tick and the monthly record: one tick with every check, the reminder, the byte counters
// and a plan's checks on, a ten-hour session of ticks, and the begin and end of a session with a long
// month file.
#include "config/frmConfig.h"
#include "console/Windows.h"
#include "console/frmStart.h"
#include "core/Program.h"
#include "core/SessionTimer.h"
#include "core/YesNo.h"
#include "core/formRAS.h"
#include "platform/RasControl.h"
#include "support/Fakes.h"
#include "support/Ticks.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>

namespace {
// A control whose line stays up: every poll reports the connection, and its counters grow by 5 kB
// each time they are read.
class SteadyRas final : public RasControl {
public:
    std::optional<ByteCounts> byteCounts() override {
        m_counts.received += 4500;
        m_counts.sent += 500;
        return m_counts;
    }
    void EnumEntries() override {}
    void EnumConnections() override { emit EnumConnection(QStringLiteral("Home")); }
    void EditEntry(const QString&) override {}
    bool IsConnected() override { return true; }
    void CreateEntry() override {}
    void HangUp(const QString&) override {}
    void Dial() override {}
    void connected() { emit ConnectionStatus(QStringLiteral("Connected"), 0); }

private:
    ByteCounts m_counts;
};

double cpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

struct Bench {
    QTemporaryDir dir;
    FakeClock* clock = nullptr;
    SteadyRas* ras = nullptr;
    std::unique_ptr<Program> program;
    std::unique_ptr<Windows> windows;

    Bench() {
        Seams seams;
        auto c = std::make_unique<FakeClock>();
        auto r = std::make_unique<SteadyRas>();
        clock = c.get();
        ras = r.get();
        seams.clock = std::move(c);
        seams.ras = std::move(r);
        seams.boxes = std::make_unique<FakeMessageBoxes>();
        program = std::make_unique<Program>(std::move(seams), dir.path());
        windows = std::make_unique<Windows>(*program);
        Program& p = *program;
        Windows& w = *windows;
        w.frmStart();
        w.frmConfig();
        Settings& s = p.settings;
        s.gProfiles.addProfile(QStringLiteral("Home"), QStringLiteral("u"), QStringLiteral("p"), QString());
        s.gDefaultProfile = QStringLiteral("Home");
        s.gConnectDefault = kTrue;
        s.gPromptPassword = kFalse;
        s.gTrayOnConnect = kTrue;
        s.gReminderOn = kTrue;
        s.gReminderInMinutes = kTrue;
        s.gReminderInterval = 30;
        s.gCostPerHour = kTrue;
        s.gCostDollars = QStringLiteral("1");
        s.gCostCents = QStringLiteral("50");
        s.gWarnTimePC = s.gWarnTimePM = s.gWarnCostPC = s.gWarnCostPM = s.gWarnFreeTime = kTrue;
        s.gWarnTimePCHours = s.gWarnTimePMHours = QStringLiteral("999");
        s.gWarnCostPCDollars = s.gWarnCostPMDollars = QStringLiteral("999");
        s.gFreeHours = QStringLiteral("999");
        // A plan whose allowances are never reached: every tick checks the thresholds and works out
        // the projection (the cycle is two weeks old), and none warns.
        Plan plan;
        plan.dataAllowanceBytes = quint64(1) << 60;
        plan.timeAllowanceSeconds = qint64(1) << 40;
        p.plans.setPlan(QStringLiteral("Home"), plan);
    }

    void connect() {
        windows->frmStart().cmdConnectDefault_Click();
        ras->connected();
    }
    // The first tick asks for the plan's earlier use in the cycle; this answers as the journal would.
    void answerPlan() {
        tick();
        const PlanMath::Cycle c = PlanMath::cycleOf(clock->now().date(), 1);
        program->plans.setUsedBefore(QStringLiteral("Home"), c.first, PlanUsage{1000000, 3600});
    }
    void tick() { tickSeconds(*program, *clock); }
};
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    {
        Bench b;
        b.connect();
        b.answerPlan();
        for (int i = 0; i < 1000; ++i)
            b.tick();
        const int n = 100000;
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < n; ++i)
            b.tick();
        std::printf("session_tick: %.2f us (aim < 20 us)\n", double(t.nsecsElapsed()) / 1e3 / n);
        if (!b.program->plans.usedBefore() || b.program->session.gBytesReceived == 0)
            std::fprintf(stderr, "bench_tick: the plan was not checked or no bytes were counted\n");
    }
    {
        Bench b;
        b.connect();
        const double start = cpuMs();
        for (int i = 0; i < 36000; ++i)
            b.tick();
        const double used = cpuMs() - start;
        if (b.program->session.elapsedSeconds() != 36000)
            std::fprintf(stderr, "bench_tick: the clock shows %d s after a ten-hour session, not 36000\n",
                         b.program->session.elapsedSeconds());
        std::printf("ten_hour_session_cpu: %.1f ms (aim < 1000 ms)\n", used);
    }
    {
        Bench b;
        QFile f(b.dir.filePath(SessionTimer::MonthFileName(b.clock->now().date())));
        if (!f.open(QIODevice::WriteOnly))
            return 1;
        QByteArray data;
        for (int i = 0; i < 100000; ++i)
            data += QByteArray::number(60 + i % 3600) + "\r\n";
        f.write(data);
        f.close();
        Program& p = *b.program;
        const int rounds = 10;
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < rounds; ++i) {
            SessionTimer::BeginSessionAccounting(p);
            p.dial.gConnected = true;
            p.session.gSessionStart = b.clock->now();
            b.clock->advance(60000);
            SessionTimer::EndSessionAccounting(p);
            p.dial.gConnected = false;
        }
        std::printf("month_file_begin_end_100k_lines: %.1f ms (aim < 100 ms)\n",
                    double(t.nsecsElapsed()) / 1e6 / rounds);
    }
    return 0;
}
