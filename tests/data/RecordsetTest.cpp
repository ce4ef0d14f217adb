#include "platform/data/Recordset.h"
#include "support/ErrorNumber.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace zav;
using zav::test::errorNumberOf;

namespace {

// The matrix a report builds: colour rows of one customer, a size column, a total.
std::unique_ptr<Recordset> matrix()
{
    auto rs = std::make_unique<Recordset>();
    rs->appendField(QStringLiteral("Cliente"), FieldType::Text, 10);
    rs->appendField(QStringLiteral("CodCor"), FieldType::Text, 4);
    rs->appendField(QStringLiteral("Ord"), FieldType::Text, 3);
    rs->appendField(QStringLiteral("Qtd"), FieldType::Currency);
    rs->appendField(QStringLiteral("IndiceCor"), FieldType::SmallInt);
    rs->open();
    const struct { const char *cliente, *cor, *ord; int qtd; } rows[] = {
        {"C1", "AZ", "001", 5}, {"C1", "VM", "001", 7}, {"C2", "AZ", "001", 1}, {"C2", "pt", "000", 2}, {"C3", "PT", "001", 3},
    };
    for (const auto& r : rows) {
        rs->AddNew();
        rs->Fields(QStringLiteral("cliente")) = r.cliente;
        rs->Fields(QStringLiteral("CODCOR")) = r.cor;
        rs->Fields(QStringLiteral("Ord")) = r.ord;
        rs->Fields(QStringLiteral("Qtd")) = QVariant(r.qtd);
        rs->Update();
    }
    rs->MoveFirst();
    return rs;
}

QStringList column(Recordset& rs, const QString& field)
{
    QStringList values;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
        values << rs.Fields(field).text();
    return values;
}

// Records what an updatable recordset asks its table to do.
struct RecordingWriter : RecordWriter {
    QStringList* log;
    explicit RecordingWriter(QStringList* l) : log(l) {}
    void insert(const QList<FieldInfo>&, const std::vector<QVariant>& row, const std::vector<bool>&) override
    {
        *log << QStringLiteral("insert ") + row[0].toString();
    }
    void update(const QList<FieldInfo>&, const std::vector<QVariant>& original, const std::vector<QVariant>& row) override
    {
        *log << QStringLiteral("update %1->%2").arg(original[0].toString(), row[0].toString());
    }
    void remove(const QList<FieldInfo>&, const std::vector<QVariant>& original) override
    {
        *log << QStringLiteral("delete ") + original[0].toString();
    }
};

} // namespace

TEST(RecordsetFilter, FormsTheReportsUse)
{
    auto rs = matrix();
    rs->setFilter(QStringLiteral("CodCor= 'AZ' "));
    EXPECT_EQ(rs->RecordCount(), 2);
    EXPECT_EQ(rs->Fields(QStringLiteral("Cliente")).text(), QStringLiteral("C1"));

    rs->setFilter(QStringLiteral("CodCor= 'PT' and Cliente='C2' "));
    ASSERT_EQ(rs->RecordCount(), 1); // 'pt' is found as 'PT'
    rs->Fields(QStringLiteral("Qtd")) = QVariant(9);
    rs->Update();

    rs->setFilter(QString());
    EXPECT_EQ(rs->RecordCount(), 5);
    EXPECT_EQ(column(*rs, QStringLiteral("Qtd")), QStringList({"5", "7", "1", "9", "3"}));

    rs->setFilter(QStringLiteral("CodCor= 'XX' "));
    EXPECT_EQ(rs->RecordCount(), 0);
    EXPECT_TRUE(rs->Eof());
    EXPECT_TRUE(rs->Bof());
}

TEST(RecordsetFilter, LogicParenthesesNumbersAndLike)
{
    auto rs = matrix();
    rs->setFilter(QStringLiteral("(Cliente = 'C1' OR Cliente='C3') AND Qtd >= 5"));
    EXPECT_EQ(column(*rs, QStringLiteral("CodCor")), QStringList({"AZ", "VM"}));
    rs->setFilter(QStringLiteral("Cliente = 'C1' OR Cliente='C3' AND Qtd > 5")); // AND binds first
    EXPECT_EQ(rs->RecordCount(), 2);
    rs->setFilter(QStringLiteral("CodCor LIKE 'p*'"));
    EXPECT_EQ(rs->RecordCount(), 2);
    rs->setFilter(QStringLiteral("Cliente LIKE '%2'"));
    EXPECT_EQ(rs->RecordCount(), 2);
    rs->setFilter(QStringLiteral("Qtd <> 1 and IndiceCor = Null"));
    EXPECT_EQ(rs->RecordCount(), 4);
    rs->setFilter(QStringLiteral("Cliente = 'O''NEIL'"));
    EXPECT_EQ(rs->RecordCount(), 0);
}

TEST(RecordsetFilter, UnreadableTextIsRefusedAndTheOldFilterStays)
{
    auto rs = matrix();
    rs->setFilter(QStringLiteral("Cliente='C1'"));
    for (const char* bad : {"Nada = 'x'", "Cliente = ", "Cliente 'x'", "(Cliente='C1'", "Qtd = 'abc'"})
        EXPECT_EQ(errorNumberOf([&] { rs->setFilter(QString::fromLatin1(bad)); }), errors::InvalidArgument) << bad;
    EXPECT_EQ(rs->filter(), QStringLiteral("Cliente='C1'"));
    EXPECT_EQ(rs->RecordCount(), 2);
}

TEST(RecordsetSort, TextOrderOnSeveralFields)
{
    auto rs = matrix();
    rs->AddNew();
    rs->Fields(QStringLiteral("Ord")) = "001";
    rs->Fields(QStringLiteral("CodCor")) = "10";
    rs->setSort(QStringLiteral("Ord,CodCor"));
    EXPECT_EQ(column(*rs, QStringLiteral("CodCor")), QStringList({"pt", "10", "AZ", "AZ", "PT", "VM"}));
    rs->setSort(QStringLiteral("Qtd DESC"));
    EXPECT_EQ(column(*rs, QStringLiteral("Qtd")).first(), QStringLiteral("7"));
    rs->setSort(QString());
    EXPECT_EQ(column(*rs, QStringLiteral("Cliente")).first(), QStringLiteral("C1"));
}

TEST(RecordsetNavigation, PositionsAndFieldsAsAdoHasThem)
{
    Recordset empty;
    empty.appendField(QStringLiteral("A"), FieldType::Long);
    empty.open();
    EXPECT_TRUE(empty.Eof());
    EXPECT_TRUE(empty.Bof());
    EXPECT_EQ(errorNumberOf([&] { empty.Fields(0).value(); }), errors::NoCurrentRecord);

    auto rs = matrix();
    EXPECT_EQ(rs->Fields(1).name(), QStringLiteral("CodCor"));
    EXPECT_EQ(errorNumberOf([&] { rs->Fields(QStringLiteral("Nada")); }), errors::ItemNotFound);
    EXPECT_EQ(errorNumberOf([&] { rs->Fields(9); }), errors::ItemNotFound);
    rs->MoveLast();
    EXPECT_EQ(rs->Fields(QStringLiteral("Cliente")).text(), QStringLiteral("C3"));
    rs->MoveNext();
    EXPECT_TRUE(rs->Eof());
    EXPECT_EQ(errorNumberOf([&] { rs->MoveNext(); }), errors::NoCurrentRecord);
    rs->close();
    EXPECT_EQ(errorNumberOf([&] { rs->RecordCount(); }), errors::OperationNotAllowed);
}

TEST(RecordsetEditing, DeleteWhileWalkingAndCancel)
{
    auto rs = matrix();
    for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext())
        if (rs->Fields(QStringLiteral("CodCor")).text() == u"AZ")
            rs->Delete();
    EXPECT_EQ(rs->RecordCount(), 3);
    EXPECT_EQ(column(*rs, QStringLiteral("CodCor")), QStringList({"VM", "pt", "PT"}));

    rs->MoveFirst();
    rs->Fields(QStringLiteral("CodCor")) = "XX";
    rs->CancelUpdate();
    EXPECT_EQ(rs->Fields(QStringLiteral("CodCor")).text(), QStringLiteral("VM"));

    rs->AddNew();
    rs->Fields(QStringLiteral("CodCor")) = "NV";
    rs->CancelUpdate();
    EXPECT_EQ(rs->RecordCount(), 3);
}

TEST(RecordsetEditing, ValuesThatDoNotFitAreRefused)
{
    auto rs = matrix();
    auto assign = [&](const char* field, const QVariant& v) {
        return errorNumberOf([&] { rs->Fields(QString::fromLatin1(field)) = v; });
    };
    EXPECT_EQ(assign("CodCor", QStringLiteral("ABCDE")), errors::MultipleStepError); // 4 characters at most
    EXPECT_EQ(assign("CodCor", QStringLiteral("ABCD")), 0u);
    EXPECT_EQ(assign("IndiceCor", 32768), errors::Overflow);
    EXPECT_EQ(assign("IndiceCor", -32768), 0u);
    EXPECT_EQ(assign("IndiceCor", QStringLiteral("dez")), errors::TypeMismatch);
    EXPECT_EQ(assign("Qtd", QStringLiteral("1e400")), errors::TypeMismatch);
    EXPECT_EQ(assign("Qtd", 1e20), errors::Overflow);
    EXPECT_EQ(assign("Qtd", QStringLiteral("12.34567")), 0u);
    EXPECT_EQ(rs->Fields(QStringLiteral("Qtd")).text(), QStringLiteral("12.3457"));
    EXPECT_EQ(errorNumberOf([&] { rs->Fields(QStringLiteral("Qtd")).integer(); }), errors::TypeMismatch);

    Recordset strict;
    strict.appendField(QStringLiteral("Codigo"), FieldType::Text, 15, false);
    strict.open();
    strict.AddNew();
    EXPECT_EQ(errorNumberOf([&] { strict.Fields(0) = QVariant(); }), errors::MultipleStepError);
}

TEST(RecordsetEditing, LeavingAChangedRowWritesIt)
{
    QStringList log;
    Recordset rs;
    rs.openWith({FieldInfo{QStringLiteral("Codigo"), FieldType::Text, 10, false}},
                {{QStringLiteral("A")}, {QStringLiteral("B")}}, std::make_unique<RecordingWriter>(&log));
    rs.Fields(0) = "A2";
    rs.MoveNext(); // writes A
    rs.Fields(0) = "B2";
    rs.AddNew();   // writes B
    rs.Fields(0) = "C";
    rs.Update();
    rs.MoveFirst();
    rs.Delete();
    EXPECT_EQ(log, QStringList({"update A->A2", "update B->B2", "insert C", "delete A2"}));
}

TEST(RecordsetSignals, FillingRowByRowNeverRebuildsTheView)
{
    Recordset rs;
    rs.appendField(QStringLiteral("Codigo"), FieldType::Text, 10);
    rs.appendField(QStringLiteral("Quant"), FieldType::Currency);
    rs.open();
    QSignalSpy layouts(&rs, &Recordset::layoutChanged);
    QSignalSpy inserted(&rs, &Recordset::rowInserted);
    QSignalSpy changed(&rs, &Recordset::rowChanged);
    Currency total;
    for (int i = 0; i < 65000; ++i) {
        rs.AddNew();
        rs.Fields(0) = QString::number(i);
        rs.Fields(1) = QVariant::fromValue(Currency::fromUnits(i));
        rs.Update();
        total += Currency::fromUnits(i);
    }
    EXPECT_EQ(rs.RecordCount(), 65000);
    EXPECT_EQ(layouts.count(), 0);
    EXPECT_EQ(inserted.count(), 65000);
    EXPECT_EQ(changed.count(), 65000);
    EXPECT_EQ(inserted.last().at(0).toInt(), 64999);
    EXPECT_EQ(total.toString(), QStringLiteral("211246.75"));
}

TEST(RecordsetSignals, ARowIsAnnouncedWhileItCanStillBeReadThenRemoved)
{
    Recordset rs;
    rs.appendField(QStringLiteral("Codigo"), FieldType::Text, 10);
    rs.open();
    for (const char* code : {"A", "B", "C"}) {
        rs.AddNew();
        rs.Fields(0) = QString::fromLatin1(code);
        rs.Update();
    }
    QStringList log;
    QObject::connect(&rs, &Recordset::rowAboutToBeRemoved, [&](int row) {
        log << QStringLiteral("leaving %1 %2 of %3").arg(row).arg(rs.text(row, 0)).arg(rs.RecordCount());
    });
    QObject::connect(&rs, &Recordset::rowRemoved, [&](int row) {
        log << QStringLiteral("gone %1, %2 left").arg(row).arg(rs.RecordCount());
    });

    rs.MoveFirst();
    rs.MoveNext();
    rs.Delete();
    rs.AddNew();
    rs.Fields(0) = QStringLiteral("D");
    rs.CancelUpdate();
    EXPECT_EQ(log, QStringList({"leaving 1 B of 3", "gone 1, 2 left", "leaving 2 D of 3", "gone 2, 2 left"}));
}

TEST(RecordsetFilter, LessThanAndAtMostStopAtTheirBoundary)
{
    auto rs = matrix(); // Qtd 5, 7, 1, 2, 3
    rs->setFilter(QStringLiteral("Qtd < 3"));
    EXPECT_EQ(column(*rs, QStringLiteral("Qtd")), QStringList({"1", "2"}));
    rs->setFilter(QStringLiteral("Qtd <= 3"));
    EXPECT_EQ(column(*rs, QStringLiteral("Qtd")), QStringList({"1", "2", "3"}));
    rs->setFilter(QStringLiteral("CodCor < 'pt'")); // text, without regard to case
    EXPECT_EQ(column(*rs, QStringLiteral("CodCor")), QStringList({"AZ", "AZ"}));
    rs->setFilter(QStringLiteral("CodCor <= 'PT'"));
    EXPECT_EQ(column(*rs, QStringLiteral("CodCor")), QStringList({"AZ", "AZ", "pt", "PT"}));
}

TEST(RecordsetEditing, ADeletedRowStaysDeletedWhenTheViewIsRebuilt)
{
    auto rs = matrix();
    rs->setFilter(QStringLiteral("Cliente = 'C2'"));
    rs->Delete(); // C2 AZ
    rs->setFilter(QString());
    EXPECT_EQ(rs->RecordCount(), 4);
    rs->setSort(QStringLiteral("Qtd"));
    EXPECT_EQ(column(*rs, QStringLiteral("Qtd")), QStringList({"2", "3", "5", "7"}));
    rs->setFilter(QStringLiteral("Qtd < 3"));
    EXPECT_EQ(column(*rs, QStringLiteral("CodCor")), QStringList({"pt"}));
}

TEST(RecordsetEditing, WholeNumbersRoundHalfToEvenAndCurrencyToFourPlaces)
{
    auto rs = matrix();
    const auto stored = [&](const QVariant& v) {
        rs->Fields(QStringLiteral("IndiceCor")) = v;
        return rs->Fields(QStringLiteral("IndiceCor")).integer();
    };
    EXPECT_EQ(stored(2.5), 2);
    EXPECT_EQ(stored(3.5), 4);
    EXPECT_EQ(stored(-2.5), -2);
    EXPECT_EQ(stored(QStringLiteral("0.5")), 0);
    EXPECT_EQ(stored(QVariant::fromValue(Currency::parse(QStringLiteral("1.5")))), 2);
    rs->Fields(QStringLiteral("Qtd")) = 1.23456;
    EXPECT_EQ(rs->Fields(QStringLiteral("Qtd")).currency(), Currency::fromUnits(12346));
    rs->Fields(QStringLiteral("Qtd")) = -1.23455;
    EXPECT_EQ(rs->Fields(QStringLiteral("Qtd")).text(), QStringLiteral("-1.2346"));
}
