// Memory over a month of use: the soak test's cycles (dial with busy lines and redials, lines that
// drop, connections taken up from another program, warnings), with the heap in use measured after
// cycle 100 and after cycle 400. Run under heaptrack or valgrind's massif for the full picture
// (bench/README or the report give the commands).
#include "robustness/SoakDriver.h"

#include <QApplication>

#include <cstdio>
#include <malloc.h>

namespace {
size_t heapInUse() {
    malloc_trim(0);
    return mallinfo2().uordblks;
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool quiet = argc > 1 && qstrcmp(argv[1], "--quiet") == 0;
    SoakDriver d;
    d.keepRecord = false;
    // 400 cycles within one month, so the month record is never reset by a new month.
    d.idleBase = 2400;
    d.idleSpread = 1200;

    d.run(100);
    const size_t first = heapInUse();
    for (int n = 100; n < 400 && d.failure.isEmpty(); ++n)
        d.cycle(n);
    const size_t last = heapInUse();
    if (!d.failure.isEmpty()) {
        std::fprintf(stderr, "soak failed: %s\n", qPrintable(d.failure));
        return 1;
    }
    // The month record in memory holds one line per session: that part grows by design.
    const qsizetype monthLines = d.p().session.gMonthDurations.size();
    const double growthKb = (double(last) - double(first)) / 1024.0;
    std::printf("soak memory growth first->last 100 cycles: %.1f KB (aim ~0)\n", growthKb);
    if (!quiet)
        std::printf("soak month record lines held: %lld lines (aim = sessions of the month)\n",
                    static_cast<long long>(monthLines));
    return 0;
}
