#include "platform/data/RuntimeError.h"
#include "platform/xls/XlsWorkbook.h"
#include "support/ErrorNumber.h"
#include "support/OutsideReaders.h"

#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cmath>
#include <unistd.h>

namespace {

using zav::XlsNumberFormat;
using zav::XlsWorkbook;
using zav::test::errorNumberOf;
using zav::test::readBack;
using zav::test::ReadBack;
using zav::test::ReadMode;

class XlsWorkbookTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return folder.filePath(name); }

    QTemporaryDir folder;
};

// Saved over an earlier workbook, with cells set out of order and one set three times.
TEST_F(XlsWorkbookTest, TextsAndNumbersReadBackCellForCell)
{
    XlsWorkbook earlier("Um");
    for (int row = 0; row < 2000; ++row)
        earlier.setText(row, 0, QStringLiteral("linha %1").arg(row));
    earlier.save(path("cells.xls"));

    const QStringList texts{"Ficha Amostra", "Coleção", "€", "Não", "", "Ref. 12/B", "Ω size – 40", "日本"};
    const QList<double> numbers{0,    -1,       1234.56, -1234.56, 0.1,  1e12, 536870911, 536870912,
                                -536870912, 3.5, 65534,  1e-300,   -0.05, 12345678.9};
    XlsWorkbook book("Mapa");
    book.setNumber(40, 2, 1);
    book.setText(3, 5, "first");
    book.setText(40, 0, "a");
    for (int i = 0; i < texts.size(); ++i)
        book.setText(0, i, texts[i]);
    for (int i = 0; i < numbers.size(); ++i)
        book.setNumber(1 + i / 4, i % 4, numbers[i]);
    book.setText(3, 5, "second");
    book.setNumber(3, 5, 8.25);
    book.save(path("cells.xls"));

    const ReadBack sheet = readBack(path("cells.xls"));
    EXPECT_EQ(sheet.problems(), QStringList());
    EXPECT_EQ(sheet.json.value("sheets").toVariant().toStringList(), QStringList{"Mapa"});
    for (int i = 0; i < texts.size(); ++i)
        EXPECT_EQ(sheet.text(0, i), texts[i]);
    for (int i = 0; i < numbers.size(); ++i)
        EXPECT_EQ(sheet.number(1 + i / 4, i % 4), numbers[i]) << "number " << i;
    EXPECT_EQ(sheet.number(3, 5), 8.25);
    EXPECT_EQ(sheet.text(40, 0), "a");
    EXPECT_EQ(sheet.number(40, 2), 1);
    EXPECT_EQ(sheet.cells.size(), std::size_t(texts.size() + numbers.size() + 3));
    EXPECT_EQ(sheet.rows(), 41);
}

// What an RK value holds exactly goes out as RK, neighbouring ones as one MULRK
// with each cell's own format; the rest as NUMBER.
TEST_F(XlsWorkbookTest, NumbersAnRkHoldsAreRkAndTheirRunsMulRk)
{
    const double inBinary = std::ldexp(1.0, 40); // an integer past 30 bits, its low bits zero
    const struct {
        int row, column;
        double value;
        XlsNumberFormat format;
    } numbers[] = {
        // A run of three in neighbouring columns, each with its own format.
        {0, 0, 1, XlsNumberFormat::General}, {0, 1, 2, XlsNumberFormat::Integer}, {0, 2, -1234.56, XlsNumberFormat::TwoDecimals},
        // Alone, and apart by a column: single RK records.
        {1, 0, 0.3, {}}, {2, 0, 7, {}}, {2, 2, 8, {}},
        // A number no RK holds, a text (column 5) and a column gap break the runs.
        {3, 0, 536870911, {}}, {3, 1, 1.0 / 3, {}}, {3, 2, inBinary, {}}, {3, 3, inBinary / 100, {}}, {3, 4, -0.0, {}},
        {3, 6, 123456789.12, {}}, {3, 7, 536870913, {}}, {3, 8, 1e-300, {}},
    };
    XlsWorkbook book("Numeros");
    for (const auto& n : numbers)
        book.setNumber(n.row, n.column, n.value, {.format = n.format});
    book.setText(3, 5, "meio");
    book.save(path("rk.xls"));

    const ReadBack sheet = readBack(path("rk.xls"), ReadMode::CellsAndFormatting);
    EXPECT_EQ(sheet.problems(), QStringList());
    const QJsonObject records = sheet.json.value("cellRecords").toObject();
    EXPECT_EQ(records.value("MULRK").toInt(), 2) << "row 0, and columns 2 to 4 of row 3";
    EXPECT_EQ(records.value("RK").toInt(), 4) << "0.3, 7, 8 and 536870911";
    EXPECT_EQ(records.value("NUMBER").toInt(), 4) << "1/3, 123456789.12, 536870913, 1e-300";
    for (const auto& n : numbers)
        EXPECT_EQ(sheet.number(n.row, n.column), n.value) << n.row << "," << n.column;
    EXPECT_EQ(sheet.at(0, 0).format, "General");
    EXPECT_EQ(sheet.at(0, 1).format, "#,##0");
    EXPECT_EQ(sheet.at(0, 2).format, "#,##0.00");
    EXPECT_EQ(sheet.text(3, 5), "meio");
    EXPECT_EQ(sheet.cells.size(), std::size(numbers) + 1) << "the gaps stay empty";
}

TEST_F(XlsWorkbookTest, BoldAndWrappedHeadingsNumberFormatsColumnWidthsAndRowHeight)
{
    XlsWorkbook book("Formatos");
    book.setText(0, 0, "Referência", {.bold = true});
    book.setText(0, 1, "Quant\nTotal", {.bold = true, .wrap = true});
    book.setText(1, 0, "A100");
    book.setNumber(1, 1, 1234, {.format = XlsNumberFormat::Integer});
    book.setNumber(1, 2, 99.5, {.format = XlsNumberFormat::TwoDecimals});
    book.setNumber(2, 1, 7, {.bold = true, .format = XlsNumberFormat::Integer});
    book.setColumnWidthTwips(0, 1440);
    book.setColumnWidthTwips(1, 720);
    book.setRowHeightTwips(0, 510);
    book.save(path("formats.xls"));

    const ReadBack sheet = readBack(path("formats.xls"), ReadMode::CellsAndFormatting);
    EXPECT_EQ(sheet.problems(), QStringList());
    EXPECT_TRUE(sheet.at(0, 0).bold);
    EXPECT_TRUE(sheet.at(0, 1).bold);
    EXPECT_TRUE(sheet.at(0, 1).wrapped);
    EXPECT_EQ(sheet.text(0, 1), "Quant\nTotal");
    EXPECT_FALSE(sheet.at(0, 0).wrapped);
    EXPECT_FALSE(sheet.at(1, 0).bold);
    EXPECT_EQ(sheet.at(1, 0).format, "General");
    EXPECT_EQ(sheet.at(1, 1).format, "#,##0");
    EXPECT_EQ(sheet.at(1, 2).format, "#,##0.00");
    EXPECT_TRUE(sheet.at(2, 1).bold);
    EXPECT_EQ(sheet.at(2, 1).format, "#,##0");
    // An inch is 96 pixels; Arial 10 digits are 7 pixels wide.
    const QJsonObject widths = sheet.json.value("widths").toObject();
    EXPECT_EQ(widths.value("0").toInt(), 3510);
    EXPECT_EQ(widths.value("1").toInt(), 1755);
    EXPECT_FALSE(widths.contains("2")) << "a column left alone keeps the default width";
    const QJsonObject heights = sheet.json.value("heights").toObject();
    EXPECT_EQ(heights.value("0").toInt(), 510);
    EXPECT_EQ(heights.size(), 1) << "the other rows keep the default height";
}

TEST_F(XlsWorkbookTest, EmptySheetIsASmallWorkbookInTheMiniStream)
{
    XlsWorkbook("Vazia").save(path("empty.xls"));

    const ReadBack sheet = readBack(path("empty.xls"));
    EXPECT_EQ(sheet.problems(), QStringList());
    EXPECT_EQ(sheet.rows(), 0);
    EXPECT_EQ(sheet.json.value("sheets").toVariant().toStringList(), QStringList{"Vazia"});
    EXPECT_EQ(sheet.container("miniFatSectors"), 1);
}

// Every row and column a sheet has, over seven megabytes: the FAT needs the DIFAT.
TEST_F(XlsWorkbookTest, AFullSheetNeedsTheDifatAndNoCellBeyondItIsTaken)
{
    constexpr int Rows = XlsWorkbook::MaxRows;
    XlsWorkbook book("Grelha");
    book.reserve(Rows * 8 + 1);
    for (int row = 0; row < Rows; ++row) {
        for (int column = 0; column < 8; ++column) {
            if (column % 2)
                book.setNumber(row, column, (row * 8 + column) / 100.0);
            else
                book.setText(row, column, QStringLiteral("R%1").arg(row % 5000 + column));
        }
    }
    book.setText(Rows - 1, XlsWorkbook::MaxColumns - 1, "fim");
    EXPECT_EQ(errorNumberOf([&] { book.setNumber(Rows, 0, 1); }), zav::errors::SubscriptOutOfRange);
    EXPECT_EQ(errorNumberOf([&] { book.setText(0, XlsWorkbook::MaxColumns, "x"); }), zav::errors::SubscriptOutOfRange);
    EXPECT_EQ(errorNumberOf([&] { book.setNumber(-1, 0, 1); }), zav::errors::SubscriptOutOfRange);
    book.save(path("big.xls"));

    EXPECT_GT(QFile(path("big.xls")).size(), 109 * 128 * 512);
    const ReadBack sheet = readBack(path("big.xls"));
    EXPECT_EQ(sheet.problems(), QStringList());
    EXPECT_GT(sheet.container("difatSectors"), 0);
    EXPECT_EQ(sheet.rows(), Rows);
    EXPECT_EQ(sheet.columns(), XlsWorkbook::MaxColumns);
    for (int row = 0; row < Rows; ++row) {
        for (int column = 0; column < 8; ++column) {
            if (column % 2)
                ASSERT_EQ(sheet.number(row, column), (row * 8 + column) / 100.0) << row << "," << column;
            else
                ASSERT_EQ(sheet.text(row, column), QStringLiteral("R%1").arg(row % 5000 + column)) << row;
        }
    }
    EXPECT_EQ(sheet.text(Rows - 1, XlsWorkbook::MaxColumns - 1), "fim");
}

// A large string table runs on in CONTINUE records. Readers decode each
// record's part of a string on its own, so a character outside the Basic
// Multilingual Plane must not be cut between its two halves.
TEST_F(XlsWorkbookTest, LargeStringTableRunsOnInContinueRecordsWithoutSplittingACharacter)
{
    QString emoji;
    for (int i = 0; i < 6000; ++i)
        emoji += QString::fromUcs4(U"\U0001F600\U0001F457" + (i % 2), 1);
    QStringList texts;
    // Every offset before the emoji, so that each record ends once inside a pair.
    for (int shift = 0; shift < 4; ++shift)
        texts << QString(shift, QChar(u'x')) + emoji;
    texts << QStringLiteral("Coleção 👗 verão") << emoji + QStringLiteral("fim");
    for (int i = 0; i < 6000; ++i)
        texts << (i % 3 ? QStringLiteral("Artigo %1 Coleção").arg(i) : QStringLiteral("Artigo %1 €").arg(i));
    texts << QString(20000, QChar(u'ã')) << QString(9000, QChar(u'€')) + "fim";
    XlsWorkbook book("Textos");
    for (int i = 0; i < texts.size(); ++i) {
        book.setText(i, 0, texts[i]);
        book.setText(i, 1, texts[i % 50]); // repeated texts are stored once
    }
    book.save(path("strings.xls"));

    const ReadBack sheet = readBack(path("strings.xls"));
    EXPECT_EQ(sheet.problems(), QStringList());
    EXPECT_GT(sheet.json.value("continueRecords").toInt(), 10);
    for (int i = 0; i < texts.size(); ++i) {
        ASSERT_EQ(sheet.text(i, 0), texts[i]) << "row " << i;
        ASSERT_EQ(sheet.text(i, 1), texts[i % 50]) << "row " << i;
    }
}

TEST_F(XlsWorkbookTest, SaveReportsTheRunTimeErrorOfAnUnwritablePath)
{
    XlsWorkbook book("Erro");
    book.setText(0, 0, "x");
    try {
        book.save(path("missing/folder/book.xls"));
        FAIL() << "saved into a missing folder";
    } catch (const zav::RuntimeError& error) {
        EXPECT_EQ(error.number(), zav::errors::PathNotFound);
        EXPECT_EQ(error.description(), QString::fromUtf8("Caminho não encontrado"));
    }

    QFile plainFile(path("not-a-folder"));
    ASSERT_TRUE(plainFile.open(QIODevice::WriteOnly));
    plainFile.close();
    EXPECT_EQ(errorNumberOf([&] { book.save(path("not-a-folder/book.xls")); }), zav::errors::PathNotFound);

    // Root writes anywhere; the permission check only means something for other users.
    if (geteuid() != 0) {
        ASSERT_TRUE(QDir(folder.path()).mkdir("locked"));
        QFile::setPermissions(path("locked"), QFile::ReadOwner | QFile::ExeOwner);
        EXPECT_EQ(errorNumberOf([&] { book.save(path("locked/book.xls")); }), zav::errors::PermissionDenied);
    }
}

TEST_F(XlsWorkbookTest, RefusesWhatACellCannotHoldAndMendsSheetNames)
{
    XlsWorkbook book("Mapa: 1/2 [Encomendas por cliente e fornecedor]");
    EXPECT_EQ(book.sheetName(), "Mapa_ 1_2 _Encomendas por clien");
    EXPECT_EQ(XlsWorkbook("'Resumo'").sheetName(), "_Resumo_");
    EXPECT_EQ(XlsWorkbook("").sheetName(), "Folha1");
    EXPECT_EQ(errorNumberOf([&] { book.setNumber(0, 0, std::nan("")); }), zav::errors::Overflow);
    EXPECT_EQ(errorNumberOf([&] { book.setNumber(0, 0, HUGE_VAL); }), zav::errors::Overflow);
    EXPECT_EQ(errorNumberOf([&] { book.setText(0, 0, QString(32768, 'x')); }), zav::errors::SubscriptOutOfRange);
    EXPECT_EQ(errorNumberOf([&] { book.setText(0, 0, QString(32767, 'x')); }), 0u);
}

} // namespace
