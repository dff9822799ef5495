// How long the event loop stalls while a keep-alive burst runs against a host that never answers:
// every echo then waits its full 2700 ms timeout, so any blocking wait would show as a pause of
// seconds. A 1 ms probe timer records the longest gap between two of its ticks.
//
// The silent host: as root the benchmark moves itself into a fresh network namespace of its own
// (unshare), brings its loopback up and sets net.ipv4.icmp_echo_ignore_all=1 there only, so 127.0.0.1
// stays silent without touching the machine's own network. `--no-namespace` skips that (for a run
// inside bench/silent-host.sh, or to measure against a 127.0.0.1 that answers). Whenever the echoes
// are answered, the figures say so.
#include "platform/PingEcho.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <net/if.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Moves this (still single-threaded) process into a new network namespace with a silent loopback.
bool enterSilentNamespace() {
    if (::unshare(CLONE_NEWNET) != 0)
        return false;
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    ifreq ifr{};
    std::strncpy(ifr.ifr_name, "lo", IFNAMSIZ - 1);
    bool ok = ::ioctl(fd, SIOCGIFFLAGS, &ifr) == 0;
    ifr.ifr_flags |= IFF_UP | IFF_RUNNING;
    ok = ok && ::ioctl(fd, SIOCSIFFLAGS, &ifr) == 0;
    ::close(fd);
    if (!ok)
        return false;
    // /proc/sys/net shows the namespace of the process that opens it.
    QFile ignore(QStringLiteral("/proc/sys/net/ipv4/icmp_echo_ignore_all"));
    return ignore.open(QIODevice::WriteOnly) && ignore.write("1\n") == 2;
}

} // namespace

int main(int argc, char* argv[]) {
    bool noNamespace = false;
    for (int i = 1; i < argc; ++i)
        noNamespace = noNamespace || std::strcmp(argv[i], "--no-namespace") == 0;
    const bool ownNamespace = !noNamespace && enterSilentNamespace();

    QCoreApplication app(argc, argv);
    if (!PingEcho::canOpenSocket()) {
        std::printf("keepalive_max_event_loop_pause: n/a ms (aim < 20 ms; skipped: no ICMP socket can be "
                    "opened here, ping sockets are off and there is no privilege for a raw socket)\n");
        return 0;
    }

    PingEcho echo;
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 maxGapNs = 0;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    probe.setInterval(1);
    QObject::connect(&probe, &QTimer::timeout, &app, [&] {
        const qint64 now = clock.nsecsElapsed();
        maxGapNs = qMax(maxGapNs, now - last);
        last = now;
    });
    // A silent host takes 13.5 s per burst; one that answers a fraction of a millisecond, so bursts
    // follow each other for a second at least, for the probe to have something to measure.
    int bursts = 0;
    int replies = 0;
    QObject::connect(&echo, &IcmpEcho::burstFinished, &app, [&](int r) {
        replies += r;
        ++bursts;
        if (clock.elapsed() >= 1000)
            app.quit();
        else
            echo.startBurst(QStringLiteral("127.0.0.1"));
    });
    QTimer::singleShot(0, &app, [&] {
        clock.start();
        probe.start();
        echo.startBurst(QStringLiteral("127.0.0.1"));
    });
    app.exec();
    const qint64 burstMs = clock.elapsed();

    if (replies > 0)
        std::fprintf(stderr, "bench_keepalive: measured against a 127.0.0.1 that answers (%d bursts; %s)\n",
                     bursts,
                     noNamespace ? "--no-namespace outside bench/silent-host.sh"
                                 : "no private network namespace could be made here");
    else
        std::fprintf(stderr, "bench_keepalive: measured against a silent 127.0.0.1 in %s\n",
                     ownNamespace ? "a network namespace of the benchmark's own"
                                  : "the namespace it was run in");
    std::printf("keepalive_burst_duration: %.1f ms (aim about 13500 ms from a silent host)\n",
                double(burstMs) / bursts);
    std::printf("keepalive_burst_replies: %.1f echoes (aim 0 from a silent host)\n",
                double(replies) / bursts);
    std::printf("keepalive_max_event_loop_pause: %.2f ms (aim < 20 ms)\n", double(maxGapNs) / 1e6);
    return 0;
}
