// Reading the simulator's phone book: a file of 100,000 entries, each checked against the ones
// before it (its name must be new), and the same file's writing. The figures are the CPU time of the
// thread that reads and writes, so that other work on a shared machine does not count.
#include "platform/ras/sim/SimPhoneBook.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {
constexpr int kEntries = 100000;
constexpr int kRounds = 5;

double threadCpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QString text;
    for (int i = 0; i < kEntries; ++i)
        text += QStringLiteral("; line %1\n[Line %1]\nNumber=555-%1\nOutcomes=busy, connect\nStepMs=400\n"
                               "UserName=user%1\nPassword=secret%1\n\n")
                    .arg(i);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("phonebook.ini"));

    std::vector<double> reads;
    std::vector<double> writes;
    for (int r = 0; r < kRounds; ++r) {
        SimPhoneBook book;
        QString error;
        double t = threadCpuMs();
        if (!SimPhoneBook::parse(text, QStringLiteral("bench"), &book, &error) ||
            book.entries.size() != kEntries) {
            std::fprintf(stderr, "read failed: %s\n", qPrintable(error));
            return 1;
        }
        reads.push_back(threadCpuMs() - t);
        t = threadCpuMs();
        if (!book.save(path, &error)) {
            std::fprintf(stderr, "write failed: %s\n", qPrintable(error));
            return 1;
        }
        writes.push_back(threadCpuMs() - t);
    }
    std::printf("phonebook_read_100k_entries_cpu: %.1f ms (aim < 1000 ms)\n", median(reads));
    std::printf("phonebook_write_100k_entries_cpu: %.1f ms (aim < 1000 ms)\n", median(writes));
    return 0;
}
