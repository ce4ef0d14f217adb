#include "platform/xls/BiffStream.h"
#include "platform/xls/RecordTypes.h"
#include "platform/xls/SheetContent.h"
#include "platform/xls/Substreams.h"

#include <array>

namespace zav::xls {

namespace {

constexpr quint16 GlobalsSubstream = 0x0005;
constexpr quint16 Utf16CodePage = 1200;
constexpr quint16 PortugalCountry = 351;

// FONT records are numbered 0, 1, 2, 3, 5, ...: Excel never uses number 4.
constexpr quint16 RegularFont = 0;
constexpr quint16 BoldFont = 5;
constexpr int RegularFontRecords = 4;

constexpr quint8 FirstCellXf = 15;
constexpr std::array<quint16, 3> NumberFormatIds = {0, 3, 4}; // General, "#,##0", "#,##0.00"

void writeInterface(BiffStream& out)
{
    out.record(record::InterfaceHdr, {Utf16CodePage});
    out.record(record::Mms, {0});
    out.record(record::InterfaceEnd, {});
}

// The last user to save the file, padded with blanks to its fixed size.
void writeWriteAccess(BiffStream& out)
{
    constexpr qsizetype Size = 112;
    out.beginRecord(record::WriteAccess);
    const qsizetype start = out.position();
    out.unicodeString(QStringLiteral("Tarvelo"));
    out.fill(Size - (out.position() - start), ' ');
    out.endRecord();
}

void writeProtection(BiffStream& out)
{
    for (quint16 type : {record::WinProtect, record::Protect, record::Password, record::Prot4Rev, record::Prot4RevPass})
        out.record(type, {0});
}

void writeWindow1(BiffStream& out)
{
    constexpr quint16 ShowScrollBarsAndTabs = 0x0038;
    constexpr quint16 TabRatio = 600;
    out.record(record::Window1, {0, 0, 0x4000, 0x2000, ShowScrollBarsAndTabs, 0, 0, 1, TabRatio});
}

void writeBookSettings(BiffStream& out)
{
    out.record(record::Backup, {0});
    out.record(record::HideObj, {0});
    out.record(record::Date1904, {0});
    out.record(record::CalcPrecision, {1});
    out.record(record::RefreshAll, {0});
    out.record(record::BookBool, {0});
}

void writeFont(BiffStream& out, bool bold)
{
    out.beginRecord(record::Font);
    out.u16(200); // 10 points, in twips
    out.u16(bold ? 0x0001 : 0); // Excel reads the weight; older readers this bit
    out.u16(0x7FFF); // window text colour
    out.u16(bold ? 700 : 400);
    out.u16(0);
    out.u8(0);
    out.u8(0);
    out.u8(0);
    out.u8(0);
    out.shortUnicodeString(QStringLiteral("Arial"));
    out.endRecord();
}

// The currency and accounting formats every workbook carries, in the
// Portuguese forms of the people who open these files.
void writeBuiltInFormats(BiffStream& out)
{
    struct BuiltIn {
        quint16 id;
        const char16_t* code;
    };
    static constexpr BuiltIn formats[] = {
        {5, u"#,##0 \"€\";-#,##0 \"€\""},
        {6, u"#,##0 \"€\";[Red]-#,##0 \"€\""},
        {7, u"#,##0.00 \"€\";-#,##0.00 \"€\""},
        {8, u"#,##0.00 \"€\";[Red]-#,##0.00 \"€\""},
        {42, u"_-* #,##0 \"€\"_-;-* #,##0 \"€\"_-;_-* \"-\" \"€\"_-;_-@_-"},
        {41, u"_-* #,##0 _€_-;-* #,##0 _€_-;_-* \"-\" _€_-;_-@_-"},
        {44, u"_-* #,##0.00 \"€\"_-;-* #,##0.00 \"€\"_-;_-* \"-\"?? \"€\"_-;_-@_-"},
        {43, u"_-* #,##0.00 _€_-;-* #,##0.00 _€_-;_-* \"-\"?? _€_-;_-@_-"},
    };
    for (const BuiltIn& format : formats) {
        out.beginRecord(record::Format);
        out.u16(format.id);
        out.unicodeString(QString::fromUtf16(format.code));
        out.endRecord();
    }
}

constexpr quint8 AlignBottom = 0x20;
constexpr quint8 WrapText = 0x08;

void writeXf(BiffStream& out, quint16 font, quint16 format, bool isStyle, quint8 alignment, quint8 attributeFlags)
{
    constexpr quint16 LockedStyleWithoutParent = 0xFFF5;
    constexpr quint16 LockedCellOfNormalStyle = 0x0001;
    constexpr quint16 AutomaticPatternColours = 0x20C0;
    out.beginRecord(record::Xf);
    out.u16(font);
    out.u16(format);
    out.u16(isStyle ? LockedStyleWithoutParent : LockedCellOfNormalStyle);
    out.u8(alignment);
    out.u8(0);
    out.u8(0);
    out.u8(attributeFlags);
    out.u32(0);
    out.u32(0);
    out.u16(AutomaticPatternColours);
    out.endRecord();
}

// The 15 style XFs Excel expects (Normal and the outline levels), then the
// cell XFs in cellXfIndex's order: unwrapped before wrapped, plain before
// bold, each in every number format.
void writeXfs(BiffStream& out)
{
    constexpr quint8 StyleIgnoresAll = 0xF4;
    constexpr quint8 FormatDiffers = 0x04;
    constexpr quint8 FontDiffers = 0x08;
    constexpr quint8 AlignmentDiffers = 0x10;
    writeXf(out, 0, 0, true, AlignBottom, 0);
    for (int level = 1; level < FirstCellXf; ++level)
        writeXf(out, level <= 2 ? 1 : level <= 4 ? 2 : 0, 0, true, AlignBottom, StyleIgnoresAll);
    for (bool wrap : {false, true}) {
        for (bool bold : {false, true}) {
            for (quint16 format : NumberFormatIds) {
                const quint8 differs =
                    (bold ? FontDiffers : 0) | (format ? FormatDiffers : 0) | (wrap ? AlignmentDiffers : 0);
                writeXf(out, bold ? BoldFont : RegularFont, format, false, AlignBottom | (wrap ? WrapText : 0), differs);
            }
        }
    }
}

void writeNormalStyle(BiffStream& out)
{
    constexpr quint16 BuiltInStyleOfXf0 = 0x8000;
    out.beginRecord(record::Style);
    out.u16(BuiltInStyleOfXf0);
    out.u8(0); // Normal
    out.u8(0xFF);
    out.endRecord();
}

void writeFormatting(BiffStream& out)
{
    for (int i = 0; i < RegularFontRecords; ++i)
        writeFont(out, false);
    writeFont(out, true);
    writeBuiltInFormats(out);
    writeXfs(out);
    writeNormalStyle(out);
}

qsizetype writeBoundSheet(BiffStream& out, const QString& name)
{
    out.beginRecord(record::BoundSheet);
    const qsizetype positionField = out.position();
    out.u32(0);
    out.u8(0); // visible
    out.u8(0); // worksheet
    out.shortUnicodeString(name);
    out.endRecord();
    return positionField;
}

quint32 textCellCount(const SheetContent& sheet)
{
    quint32 count = 0;
    for (const Cell& cell : sheet.cells)
        count += cell.kind == Cell::Text;
    return count;
}

} // namespace

quint8 cellXfIndex(XlsCellStyle style)
{
    constexpr int PerWeight = int(NumberFormatIds.size());
    return quint8(FirstCellXf + (style.wrap ? 2 * PerWeight : 0) + (style.bold ? PerWeight : 0) + int(style.format));
}

qsizetype writeGlobalsSubstream(BiffStream& out, const SheetContent& sheet)
{
    writeBof(out, GlobalsSubstream);
    writeInterface(out);
    writeWriteAccess(out);
    out.record(record::CodePage, {Utf16CodePage});
    out.record(record::Dsf, {0});
    out.record(record::RRTabId, {1});
    writeProtection(out);
    writeWindow1(out);
    writeBookSettings(out);
    writeFormatting(out);
    out.record(record::UsesElfs, {0});
    const qsizetype sheetPositionField = writeBoundSheet(out, sheet.name);
    out.record(record::Country, {PortugalCountry, PortugalCountry});
    sheet.strings.write(out, textCellCount(sheet));
    writeEof(out);
    return sheetPositionField;
}

} // namespace zav::xls
