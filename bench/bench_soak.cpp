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

// The heap that lines from..to of the month record take when appended to a list already holding the
// lines before them, as the program holds them.
double monthRecordShare(const QStringList& sample, qsizetype from, qsizetype to) {
    QStringList copy;
    for (qsizetype i = 0; i < from; ++i)
        copy << QString(sample.at(i).constData(), sample.at(i).size());
    const double atFrom = heapInUse();
    for (qsizetype i = from; i < to; ++i)
        copy << QString(sample.at(i).constData(), sample.at(i).size());
    const double atTo = heapInUse();
    return atTo - atFrom;
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
    const qsizetype firstLines = d.p().session.gMonthDurations.size();
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
    const QStringList& month = d.p().session.gMonthDurations;
    const double share = monthRecordShare(month, firstLines, month.size());
    const double growth = last - first;
    std::printf("soak_heap_growth_cycles_100_to_400: %.1f KB (aim about 0)\n", (growth - share) / 1024.0);
    std::printf("soak_heap_growth_with_month_record: %.1f KB (aim about %.1f KB for %lld lines of record)\n",
                growth / 1024.0, share / 1024.0, static_cast<long long>(month.size() - firstLines));
    return 0;
}
