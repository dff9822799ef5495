// Reading and writing a settings file of 1,000 profiles.
#include "config/frmConfig.h"
#include "console/frmDeleteProfile.h"
#include "core/Program.h"
#include "core/SettingsFile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
constexpr int kProfiles = 1000;
constexpr int kRounds = 15;

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;

    std::vector<double> writes;
    {
        Program p(Seams{}, dir.path());
        for (int i = 0; i < kProfiles; ++i)
            p.settings.gProfiles.addProfile(QStringLiteral("Dial-up line %1").arg(i),
                                            QStringLiteral("user%1").arg(i),
                                            QStringLiteral("password%1").arg(i), QStringLiteral("domain"));
        for (int r = 0; r < kRounds; ++r) {
            QElapsedTimer t;
            t.start();
            if (!SettingsFile::write(p)) {
                std::fprintf(stderr, "write failed\n");
                return 1;
            }
            writes.push_back(t.nsecsElapsed() / 1e6);
        }
    }

    std::vector<double> reads;
    for (int r = 0; r < kRounds; ++r) {
        Program p(Seams{}, dir.path());
        QElapsedTimer t;
        t.start();
        const int n = SettingsFile::read(p);
        reads.push_back(t.nsecsElapsed() / 1e6);
        if (n != kProfiles) {
            std::fprintf(stderr, "read %d profiles, expected %d\n", n, kProfiles);
            return 1;
        }
    }

    std::printf("settings_write_%d_profiles: %.2f ms (aim < 5 ms)\n", kProfiles, median(writes));
    std::printf("settings_read_%d_profiles: %.2f ms (aim < 5 ms)\n", kProfiles, median(reads));
    return 0;
}
