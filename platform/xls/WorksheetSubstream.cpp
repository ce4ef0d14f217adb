#include "platform/xls/BiffStream.h"
#include "platform/xls/RecordTypes.h"
#include "platform/xls/SheetContent.h"
#include "platform/xls/Substreams.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <optional>

namespace zav::xls {

namespace {

constexpr quint16 WorksheetSubstream = 0x0010;
constexpr int RowsPerBlock = 32;
constexpr qsizetype RowRecordSize = 20;
constexpr quint16 DefaultXf = 15;

// Rows, columns and blocks of 32 rows that hold cells.
struct CellRange {
    quint32 firstRow = 0;
    quint32 endRow = 0;
    quint16 firstColumn = 0;
    quint16 endColumn = 0;
    quint32 blockCount = 0;
};

CellRange cellRange(const std::vector<Cell>& cells)
{
    CellRange range;
    if (cells.empty())
        return range;
    range.firstRow = quint32(cells.front().row());
    range.endRow = quint32(cells.back().row()) + 1;
    range.firstColumn = quint16(SheetColumns);
    int lastBlock = -1;
    for (const Cell& cell : cells) {
        range.firstColumn = std::min(range.firstColumn, quint16(cell.column()));
        range.endColumn = std::max(range.endColumn, quint16(cell.column() + 1));
        if (cell.row() / RowsPerBlock != lastBlock) {
            lastBlock = cell.row() / RowsPerBlock;
            ++range.blockCount;
        }
    }
    return range;
}

// An RK value holds a number in 30 bits when that loses nothing: an integer,
// or the 30 high bits of a double, either of them as it is or as a hundredth
// of the number (the usual money amount).
std::optional<quint32> rkValue(double value)
{
    constexpr qint64 Smallest = -(qint64(1) << 29);
    constexpr qint64 Largest = (qint64(1) << 29) - 1;
    constexpr quint32 Hundredths = 0x1;
    constexpr quint32 IsInteger = 0x2;
    constexpr quint64 LowBits = (quint64(1) << 34) - 1;
    const auto same = [](double decoded, double value) {
        return decoded == value && std::signbit(decoded) == std::signbit(value);
    };
    for (const bool hundredths : {false, true}) {
        const double scaled = hundredths ? value * 100.0 : value;
        const double unscale = hundredths ? 100.0 : 1.0;
        if (std::abs(scaled) <= double(Largest) + 1) {
            const qint64 integer = std::llround(scaled);
            if (integer >= Smallest && integer <= Largest && same(double(integer) / unscale, value))
                return quint32(integer) << 2 | IsInteger | (hundredths ? Hundredths : 0);
        }
        quint64 bits;
        std::memcpy(&bits, &scaled, sizeof bits);
        bits &= ~LowBits;
        double kept;
        std::memcpy(&kept, &bits, sizeof kept);
        if (same(kept / unscale, value))
            return quint32(bits >> 32) | (hundredths ? Hundredths : 0);
    }
    return std::nullopt;
}

// Cell records are the bulk of the stream: each is assembled whole and appended once.
void writeCell(BiffStream& out, const Cell& cell, std::optional<quint32> rk)
{
    char raw[18];
    const auto put16 = [&raw](int at, quint16 value) { qToLittleEndian(value, raw + at); };
    const auto put32 = [&raw](int at, quint32 value) { qToLittleEndian(value, raw + at); };
    put16(4, quint16(cell.row()));
    put16(6, quint16(cell.column()));
    put16(8, cell.xf);
    if (cell.kind == Cell::Text) {
        put16(0, record::LabelSst);
        put16(2, 10);
        put32(10, cell.stringIndex);
        out.bytes(raw, 14);
    } else if (rk) {
        put16(0, record::Rk);
        put16(2, 10);
        put32(10, *rk);
        out.bytes(raw, 14);
    } else {
        put16(0, record::Number);
        put16(2, 14);
        qToLittleEndian(cell.number, raw + 10);
        out.bytes(raw, 18);
    }
}

std::optional<quint32> rkOf(const Cell& cell)
{
    return cell.kind == Cell::Number ? rkValue(cell.number) : std::nullopt;
}

// A row's cells, where RK numbers in neighbouring columns share one MULRK
// record, as Excel writes them: 6 bytes a number instead of 14.
void writeRowCells(BiffStream& out, std::vector<Cell>::const_iterator first, std::vector<Cell>::const_iterator end)
{
    for (auto cell = first; cell != end;) {
        const std::optional<quint32> rk = rkOf(*cell);
        auto runEnd = cell + 1;
        if (rk) {
            while (runEnd != end && runEnd->column() == (runEnd - 1)->column() + 1 && rkOf(*runEnd))
                ++runEnd;
        }
        if (runEnd - cell < 2) {
            writeCell(out, *cell, rk);
            cell = runEnd;
            continue;
        }
        out.beginRecord(record::MulRk);
        out.u16(quint16(cell->row()));
        out.u16(quint16(cell->column()));
        for (; cell != runEnd; ++cell) {
            out.u16(cell->xf);
            out.u32(*rkOf(*cell));
        }
        out.u16(quint16((runEnd - 1)->column()));
        out.endRecord();
    }
}

// A row of its own height is marked as such (fUnsynced): Excel keeps the
// height instead of the default one.
void writeRow(BiffStream& out, int row, int firstColumn, int endColumn, quint16 heightTwips)
{
    constexpr quint16 DefaultHeight = 0x00FF;
    constexpr quint32 DefaultRowFlags = 0x000F0100;
    constexpr quint32 OwnHeight = 0x0040;
    out.beginRecord(record::Row);
    out.u16(quint16(row));
    out.u16(quint16(firstColumn));
    out.u16(quint16(endColumn));
    out.u16(heightTwips ? heightTwips : DefaultHeight);
    out.u16(0);
    out.u16(0);
    out.u32(heightTwips ? DefaultRowFlags | OwnHeight : DefaultRowFlags);
    out.endRecord();
}

std::vector<Cell>::const_iterator endOfRow(std::vector<Cell>::const_iterator from, std::vector<Cell>::const_iterator end)
{
    const int row = from->row();
    return std::find_if(from, end, [row](const Cell& cell) { return cell.row() != row; });
}

// One block: its ROW records, its cells, then the DBCELL that tells where
// the first ROW record and each row's first cell are. Returns the DBCELL's position.
qsizetype writeRowBlock(BiffStream& out, std::vector<Cell>::const_iterator first, std::vector<Cell>::const_iterator end,
                        const std::map<int, quint16>& rowHeights)
{
    const qsizetype firstRowRecord = out.position();
    for (auto row = first; row != end; row = endOfRow(row, end)) {
        const auto height = rowHeights.find(row->row());
        writeRow(out, row->row(), row->column(), (endOfRow(row, end) - 1)->column() + 1,
                 height == rowHeights.end() ? 0 : height->second);
    }

    std::array<qsizetype, RowsPerBlock> rowStarts{};
    int rowCount = 0;
    for (auto row = first; row != end; row = endOfRow(row, end)) {
        rowStarts[rowCount++] = out.position();
        writeRowCells(out, row, endOfRow(row, end));
    }

    const qsizetype dbCell = out.position();
    out.beginRecord(record::DbCell);
    out.u32(quint32(dbCell - firstRowRecord));
    qsizetype previous = firstRowRecord + RowRecordSize;
    for (int i = 0; i < rowCount; ++i) {
        out.u16(quint16(rowStarts[i] - previous));
        previous = rowStarts[i];
    }
    out.endRecord();
    return dbCell;
}

void writeCellTable(BiffStream& out, const SheetContent& sheet, qsizetype indexEntries)
{
    const std::vector<Cell>& cells = sheet.cells;
    auto blockStart = cells.cbegin();
    for (qsizetype block = 0; blockStart != cells.cend(); ++block) {
        const int blockNumber = blockStart->row() / RowsPerBlock;
        const auto blockEnd = std::find_if(blockStart, cells.cend(), [blockNumber](const Cell& cell) {
            return cell.row() / RowsPerBlock != blockNumber;
        });
        out.patchU32(indexEntries + block * 4, quint32(writeRowBlock(out, blockStart, blockEnd, sheet.rowHeights)));
        blockStart = blockEnd;
    }
}

void writeCalculationSettings(BiffStream& out)
{
    out.record(record::CalcMode, {1});
    out.record(record::CalcCount, {100});
    out.record(record::CalcRefMode, {1});
    out.record(record::CalcIter, {0});
    out.beginRecord(record::CalcDelta);
    out.f64(0.001);
    out.endRecord();
    out.record(record::CalcSaveRecalc, {1});
}

void writeSheetSettings(BiffStream& out)
{
    constexpr quint16 DefaultRowHeight = 0x00FF;
    constexpr quint16 ShowAutoBreaksAndOutlineSymbols = 0x04C1;
    out.record(record::PrintRowCol, {0});
    out.record(record::PrintGrid, {0});
    out.record(record::GridSet, {1});
    out.record(record::Guts, {0, 0, 0, 0});
    out.record(record::DefaultRowHeight, {0, DefaultRowHeight});
    out.record(record::WsBool, {ShowAutoBreaksAndOutlineSymbols});
}

// An empty header and footer, centred nowhere, A4 portrait.
void writePageSetup(BiffStream& out)
{
    constexpr quint16 A4 = 9;
    constexpr quint16 Portrait = 0x0002;
    out.record(record::Header, {});
    out.record(record::Footer, {});
    out.record(record::HCenter, {0});
    out.record(record::VCenter, {0});
    out.beginRecord(record::Setup);
    for (quint16 field : {A4, quint16(100), quint16(1), quint16(1), quint16(1), Portrait, quint16(600), quint16(600)})
        out.u16(field);
    out.f64(0.5);
    out.f64(0.5);
    out.u16(1);
    out.endRecord();
}

// Runs of neighbouring columns of one width share a COLINFO record.
void writeColumnWidths(BiffStream& out, const std::array<quint16, SheetColumns>& widths)
{
    for (int first = 0; first < SheetColumns;) {
        int end = first + 1;
        while (end < SheetColumns && widths[end] == widths[first])
            ++end;
        if (widths[first] != 0) {
            out.record(record::ColInfo, {quint16(first), quint16(end - 1), widths[first], DefaultXf, 0, 0});
        }
        first = end;
    }
}

void writeDimensions(BiffStream& out, const CellRange& range)
{
    out.beginRecord(record::Dimensions);
    out.u32(range.firstRow);
    out.u32(range.endRow);
    out.u16(range.firstColumn);
    out.u16(range.endColumn);
    out.u16(0);
    out.endRecord();
}

void writeWindow(BiffStream& out)
{
    constexpr quint16 GridHeadingsZerosSelectedPaged = 0x06B6;
    constexpr quint16 AutomaticGridColour = 0x40;
    out.beginRecord(record::Window2);
    out.u16(GridHeadingsZerosSelectedPaged);
    out.u16(0);
    out.u16(0);
    out.u16(AutomaticGridColour);
    out.u16(0);
    out.u16(0);
    out.u16(0);
    out.u32(0);
    out.endRecord();

    constexpr quint8 TopLeftPane = 3;
    out.beginRecord(record::Selection); // A1 selected
    out.u8(TopLeftPane);
    out.u16(0);
    out.u16(0);
    out.u16(0);
    out.u16(1);
    out.u16(0);
    out.u16(0);
    out.u8(0);
    out.u8(0);
    out.endRecord();
}

} // namespace

void writeWorksheetSubstream(BiffStream& out, const SheetContent& sheet)
{
    const CellRange range = cellRange(sheet.cells);
    writeBof(out, WorksheetSubstream);

    out.beginRecord(record::Index);
    out.u32(0);
    out.u32(range.firstRow);
    out.u32(range.endRow);
    const qsizetype defColWidthField = out.position();
    out.u32(0);
    const qsizetype indexEntries = out.position();
    out.fill(qsizetype(range.blockCount) * 4);
    out.endRecord();

    writeCalculationSettings(out);
    writeSheetSettings(out);
    writePageSetup(out);
    out.patchU32(defColWidthField, quint32(out.position()));
    out.record(record::DefColWidth, {8});
    writeColumnWidths(out, sheet.columnWidths);
    writeDimensions(out, range);
    writeCellTable(out, sheet, indexEntries);
    writeWindow(out);
    writeEof(out);
}

} // namespace zav::xls
