// The drive search for wave files against find(1) on the same generated tree, and how quickly Cancel
// stops a search running in the sound chooser.
#include "console/Windows.h"
#include "core/Program.h"
#include "monitor/SoundLists.h"
#include "monitor/SoundSearch.h"
#include "monitor/frmSound.h"
#include "support/Controls.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QListWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr int kTop = 100;
constexpr int kSub = 99;         // 100 + 100 * 99 = 10,000 directories
constexpr int kFilesPerDir = 10; // 100,000 files
constexpr int kRuns = 5;

int makeFiles(const QByteArray& dir, int salt) {
    int waves = 0;
    for (int i = 0; i < kFilesPerDir; ++i) {
        const char* ext = (i % 4 == 0) ? ".txt" : (i % 4 == 1) ? ".WAV" : ".wav";
        waves += i % 4 != 0;
        const QByteArray name = dir + "/sound" + QByteArray::number(salt) + '_' + QByteArray::number(i) + ext;
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd >= 0)
            ::close(fd);
    }
    return waves;
}

int generate(const QString& root) {
    int waves = 0;
    const QByteArray r = QFile::encodeName(root);
    for (int t = 0; t < kTop; ++t) {
        const QByteArray top = r + "/dir" + QByteArray::number(t);
        ::mkdir(top.constData(), 0755);
        waves += makeFiles(top, t * 1000);
        for (int s = 0; s < kSub; ++s) {
            const QByteArray sub = top + "/sub" + QByteArray::number(s);
            ::mkdir(sub.constData(), 0755);
            waves += makeFiles(sub, t * 1000 + s + 1);
        }
    }
    return waves;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double timeFind(const QString& root) {
    QElapsedTimer t;
    QProcess find;
    find.setStandardOutputFile(QProcess::nullDevice());
    t.start();
    find.start(QStringLiteral("find"), {root, QStringLiteral("-iname"), QStringLiteral("*.wav")});
    find.waitForFinished(-1);
    return double(t.nsecsElapsed()) / 1e6;
}

double timeSearch(const QString& root, qsizetype* found) {
    QElapsedTimer t;
    t.start();
    SoundSearch s(root);
    s.runToEnd();
    const QStringList paths = s.takeFound();
    const double ms = double(t.nsecsElapsed()) / 1e6;
    *found = paths.size();
    return ms;
}
} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QTemporaryDir tree(QStringLiteral("/tmp/mt-bench-search-XXXXXX"));
    if (!tree.isValid()) {
        std::fprintf(stderr, "bench_search: cannot make a folder under /tmp\n");
        return 1;
    }
    const QString root = tree.path();
    const int waves = generate(root);

    // Warm the directory cache for both before timing.
    qsizetype found = 0;
    timeFind(root);
    timeSearch(root, &found);
    if (found != waves) {
        std::fprintf(stderr, "bench_search: found %lld of %d wave files\n", static_cast<long long>(found),
                     waves);
        return 1;
    }
    std::vector<double> findMs;
    std::vector<double> searchMs;
    for (int i = 0; i < kRuns; ++i) {
        findMs.push_back(timeFind(root));
        searchMs.push_back(timeSearch(root, &found));
    }
    const double f = median(findMs);
    const double s = median(searchMs);
    std::printf("sound_search_100k_files: %.1f ms (aim <= 1.5 x find; ratio %.2f x find)\n", s, s / f);
    std::printf("find_100k_files: %.1f ms (aim: none, the peer of sound_search_100k_files)\n", f);
    std::printf("sound_search_vs_find: %.2f x (aim <= 1.5)\n", s / f);

    // The sound chooser's own search (with its found list filling), and Cancel pressed during it.
    Program program(Seams{}, root);
    Windows windows(program);
    frmSound& w = windows.frmSound();
    w.driveRootOf = [root](const QString&) { return root; };
    std::vector<double> formMs;
    std::vector<double> cancelMs;
    for (int i = 0; i < kRuns; ++i) {
        ctl<DirListBox>(w, "dirList")->setPath(root);
        QEventLoop loop;
        QElapsedTimer t;
        qint64 cancelDue = -1;
        qint64 ended = -1;
        const auto c = QObject::connect(&w, &frmSound::searchEnded, &loop, [&] {
            ended = t.nsecsElapsed();
            loop.quit();
        });
        const bool cancelRun = i % 2 == 1;
        const qint64 cancelAfterMs = 40;
        t.start();
        w.cmdSearch_Click();
        if (cancelRun) {
            QTimer::singleShot(cancelAfterMs, Qt::PreciseTimer, &w, [&] { w.cmdExit_Click(); });
            cancelDue = cancelAfterMs * 1000000;
        }
        loop.exec();
        QObject::disconnect(c);
        if (cancelRun) {
            if (ctl<QListWidget>(w, "lstFoundFiles")->count() >= waves) {
                std::fprintf(stderr, "bench_search: the search ended before Cancel\n");
                return 1;
            }
            cancelMs.push_back(double(ended - cancelDue) / 1e6);
        } else {
            formMs.push_back(double(ended) / 1e6);
        }
        w.cmdSearch_Click(); // "&Reset"
    }
    std::printf("sound_chooser_search_100k_files: %.1f ms (aim: no freeze, it runs in 15 ms slices)\n",
                median(formMs));
    std::printf("sound_search_cancel_latency: %.1f ms (aim < 100 ms)\n",
                *std::max_element(cancelMs.begin(), cancelMs.end()));
    return 0;
}
