// Memory over a month of use: the soak test's cycles (dial with busy lines and redials, lines that
// drop, connections taken up from another program, warnings), with the heap in use measured after
// cycle 100 and after cycle 400. The month record in memory grows by one line per session by design;
// its share is measured on its own and taken off, so the first figure is what else grew.
//
// For the full picture run it under heaptrack or valgrind's massif:
//   QT_QPA_PLATFORM=offscreen heaptrack build/release/bench/bench_soak
//   QT_QPA_PLATFORM=offscreen valgrind --tool=massif build/release/bench/bench_soak
#include "robustness/SoakDriver.h"

#include <QApplication>

#include <cstdio>
#include <malloc.h>

namespace {
double heapInUse() {
    malloc_trim(0);
    return double(mallinfo2().uordblks);
}

// What the month record itself grew by over the measured cycles: the bytes of its lines added.
double monthRecordShare(const MonthFile::Record& record, qsizetype firstBytes) {
    return double(record.lines.capacity() - firstBytes);
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    SoakDriver d;
    d.keepRecord = false;
    d.closeWarnings = false;
    // 400 cycles within one month, so the month record is never reset by a new month.
    d.idleBase = 2400;
    d.idleSpread = 1200;

    d.run(100);
    const qsizetype firstLines = d.p().session.gMonthDurations.count;
    const qsizetype firstBytes = d.p().session.gMonthDurations.lines.capacity();
    const double first = heapInUse();
    for (int n = 100; n < 400 && d.failure.isEmpty(); ++n)
        d.cycle(n);
    const double last = heapInUse();
    if (!d.failure.isEmpty()) {
        std::fprintf(stderr, "soak failed: %s\n", qPrintable(d.failure));
        return 1;
    }
    if (first <= 0) {
        // Under valgrind or heaptrack malloc is replaced and mallinfo2() tells nothing: their own
        // records hold the figures.
        std::printf("soak_heap_growth_cycles_100_to_400: n/a KB (aim about 0; see the tool's record)\n");
        return 0;
    }
    const MonthFile::Record& month = d.p().session.gMonthDurations;
    const double share = monthRecordShare(month, firstBytes);
    const double growth = last - first;
    std::printf("soak_heap_growth_cycles_100_to_400: %.1f KB (aim about 0)\n", (growth - share) / 1024.0);
    std::printf("soak_heap_growth_with_month_record: %.1f KB (aim about %.1f KB for %lld lines of record)\n",
                growth / 1024.0, share / 1024.0, static_cast<long long>(month.count - firstLines));
    return 0;
}
