// Writes a 65,534 x 8 grid of texts and money amounts to .xls with our writer
// and, from the same cells, with python3-xlwt; prints both times, their
// ratio, both sizes, and our peak memory against the workbook's size.
#include "platform/xls/XlsWorkbook.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>
#include <vector>

namespace {

constexpr int Rows = 65534;
constexpr int Columns = 8;

struct GridCell {
    bool isText;
    QString text;
    double number;
};

// A report-like grid: reference, description, colour, size, then a quantity and three amounts.
std::vector<GridCell> makeGrid()
{
    std::vector<GridCell> grid;
    grid.reserve(std::size_t(Rows) * Columns);
    const QStringList colours{"Azul", "Verde", "Preto", "Branco", "Cinza", "Vermelho"};
    for (int row = 0; row < Rows; ++row) {
        grid.push_back({true, QStringLiteral("REF%1").arg(row % 4000, 5, 10, QLatin1Char('0')), 0});
        grid.push_back({true, QStringLiteral("Coleção Verão %1 – malha").arg(row % 900), 0});
        grid.push_back({true, colours[row % colours.size()], 0});
        grid.push_back({true, QString::number(34 + row % 12), 0});
        grid.push_back({false, {}, double(row % 250)});
        for (int amount = 0; amount < 3; ++amount)
            grid.push_back({false, {}, double((row * 7919 + amount * 104729) % 2000000 - 500000) / 100.0});
    }
    return grid;
}

qint64 statusKilobytes(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

// Lets VmHWM measure the peak of what follows alone.
void resetPeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

void writeCellsForPeer(const std::vector<GridCell>& grid, const QString& path)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    QTextStream out(&file);
    for (int row = 0; row < Rows; ++row) {
        for (int column = 0; column < Columns; ++column) {
            const GridCell& cell = grid[std::size_t(row) * Columns + column];
            out << (column ? "\t" : "") << (cell.isText ? "t" + cell.text : "n" + QString::number(cell.number, 'g', 17));
        }
        out << '\n';
    }
}

const char* PeerScript = R"(
import sys, time, xlwt
rows = [[(c[1:] if c[0] == 't' else float(c[1:])) for c in line.rstrip('\n').split('\t')]
        for line in open(sys.argv[1], encoding='utf-8')]
start = time.perf_counter()
book = xlwt.Workbook(encoding='utf-8')
sheet = book.add_sheet('Grelha')
for r, row in enumerate(rows):
    for c, value in enumerate(row):
        sheet.write(r, c, value)
book.save(sys.argv[2])
print(time.perf_counter() - start)
)";

double peerSeconds(const QString& cellsPath, const QString& outputPath)
{
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QString::fromUtf8(PeerScript), cellsPath, outputPath});
    python.waitForFinished(-1);
    if (python.exitCode() != 0) {
        std::fprintf(stderr, "xlwt failed: %s\n", python.readAllStandardError().constData());
        return -1;
    }
    return python.readAllStandardOutput().trimmed().toDouble();
}

double megabytes(qint64 bytes) { return double(bytes) / (1024.0 * 1024.0); }

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    const qint64 startKb = statusKilobytes("VmRSS:");
    const std::vector<GridCell> grid = makeGrid();
    const qint64 gridKb = statusKilobytes("VmRSS:") - startKb;

    resetPeakMemory();
    const qint64 beforeKb = statusKilobytes("VmRSS:");
    const QString ours = folder.filePath(QStringLiteral("ours.xls"));
    QElapsedTimer timer;
    timer.start();
    {
        zav::XlsWorkbook book(QStringLiteral("Grelha"));
        book.reserve(qsizetype(grid.size()));
        for (int row = 0; row < Rows; ++row) {
            for (int column = 0; column < Columns; ++column) {
                const GridCell& cell = grid[std::size_t(row) * Columns + column];
                if (cell.isText)
                    book.setText(row, column, cell.text);
                else
                    book.setNumber(row, column, cell.number, {.format = zav::XlsNumberFormat::TwoDecimals});
            }
        }
        book.save(ours);
    }
    const double ourSeconds = timer.nsecsElapsed() / 1e9;
    const qint64 peakKb = statusKilobytes("VmHWM:");

    const QString cells = folder.filePath(QStringLiteral("cells.tsv"));
    writeCellsForPeer(grid, cells);
    const QString peer = folder.filePath(QStringLiteral("xlwt.xls"));
    const double xlwtSeconds = peerSeconds(cells, peer);

    const qint64 workbookBytes = QFileInfo(ours).size();
    const double peakMb = (peakKb - beforeKb) / 1024.0;
    std::printf("grid: %d x %d cells, %.1f MB in memory\n", Rows, Columns, gridKb / 1024.0);
    std::printf("ours: %.3f s, workbook %.2f MB\n", ourSeconds, megabytes(workbookBytes));
    std::printf("xlwt: %.3f s, workbook %.2f MB\n", xlwtSeconds, megabytes(QFileInfo(peer).size()));
    std::printf("ratio: ours is %.1f times faster than xlwt\n", xlwtSeconds / ourSeconds);
    std::printf("size: ours is %lld bytes, xlwt's %lld (%.3f x)\n", workbookBytes, QFileInfo(peer).size(),
                double(workbookBytes) / double(QFileInfo(peer).size()));
    std::printf("peak memory while writing: %.1f MB above the grid = %.2f x the workbook (aim: below 3 x)\n",
                peakMb, peakMb / megabytes(workbookBytes));
    std::printf("process peak: %.1f MB (aim: below 3 x workbook + grid = %.1f MB above the start)\n",
                (peakKb - startKb) / 1024.0, 3 * megabytes(workbookBytes) + gridKb / 1024.0);
    return 0;
}
