#include "platform/xls/BiffStream.h"
#include "platform/xls/RecordTypes.h"
#include "platform/xls/SheetContent.h"
#include "platform/xls/Substreams.h"

namespace zav::xls {

namespace {
constexpr quint16 Biff8 = 0x0600;
constexpr quint16 BuildNumber = 0x0DBB;
constexpr quint16 BuildYear = 0x07CC;
constexpr quint32 LowestBiffVersion = 6;
} // namespace

void writeBof(BiffStream& out, quint16 substreamType)
{
    out.beginRecord(record::Bof);
    out.u16(Biff8);
    out.u16(substreamType);
    out.u16(BuildNumber);
    out.u16(BuildYear);
    out.u32(0);
    out.u32(LowestBiffVersion);
    out.endRecord();
}

void writeEof(BiffStream& out)
{
    out.record(record::Eof, {});
}

QByteArray buildWorkbookStream(const SheetContent& sheet)
{
    BiffStream out;
    // A cell takes at most 18 bytes (a NUMBER; in a MULRK only 6), a text 14 plus
    // its one copy in the string table.
    out.reserve(qsizetype(sheet.cells.size()) * 18 + 65536);
    const qsizetype sheetPositionField = writeGlobalsSubstream(out, sheet);
    out.patchU32(sheetPositionField, quint32(out.position()));
    writeWorksheetSubstream(out, sheet);
    return out.data();
}

} // namespace zav::xls
