// Building a demo company of one million document lines, as tarvelo_demo_db
// builds it: tables, rows, indexes and planner statistics. Prints the time and
// what was written.
//
// usage: bench_demo_generator [lines]     (default 1000000, seed 1; the file is
// written to the temp folder and removed afterwards)
#include "demo/DemoDatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const qint64 lines = argc > 1 ? QString::fromLocal8Bit(argv[1]).toLongLong() : 1000000;
    if (lines <= 0) {
        std::fprintf(stderr, "usage: bench_demo_generator [lines]\n");
        return 2;
    }
    const QString path = QDir::temp().filePath(QStringLiteral("tarvelo-bench-demo-%1.db").arg(lines));
    try {
        QElapsedTimer timer;
        timer.start();
        const demo::DemoSummary summary = demo::DemoDatabase::create(path, {lines, 1, QDate(2026, 6, 30)});
        const qint64 ms = timer.elapsed();
        std::printf("demo of %lld document lines built in %.1f s (%.0f lines/s): %lld documents, %lld references, "
                    "%lld articles, %lld customers, %.0f MB\n",
                    summary.documentLines, ms / 1000.0, summary.documentLines * 1000.0 / std::max<qint64>(ms, 1),
                    summary.documents, summary.references, summary.articles, summary.customers,
                    QFileInfo(path).size() / 1048576.0);
        QFile::remove(path);
        return 0;
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "bench_demo_generator: %s\n", failure.what());
        QFile::remove(path);
        return 1;
    }
}
