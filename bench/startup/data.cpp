// Prepares a data folder for the start-up benchmark (see BenchData.h):
//
//   mt_bench_startup_data DIR [--entries N] [--backend sim|nm]
#include "BenchData.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: mt_bench_startup_data DIR [--entries N] [--backend sim|nm]\n");
        return 2;
    }
    const qsizetype entriesAt = args.indexOf(QStringLiteral("--entries"));
    const qsizetype backendAt = args.indexOf(QStringLiteral("--backend"));
    QString error;
    const int profiles =
        writeBenchData(args.at(1), entriesAt > 0 ? args.value(entriesAt + 1).toInt() : 0,
                       backendAt > 0 && args.value(backendAt + 1) == QLatin1String("nm"), &error);
    if (profiles < 0) {
        std::fprintf(stderr, "mt_bench_startup_data: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("%d profiles\n", profiles);
    return 0;
}
