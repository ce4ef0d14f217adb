#include "platform/data/Recordset.h"
#include "support/ErrorNumber.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace zav;
using zav::test::errorNumberOf;

namespace {

// The matrix a report builds: colour rows of one customer, a size column, a
// total; each row's quantity tells it apart.
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

TEST(RecordsetFilter, KeepsTheRowsItsTextDescribes)
{
    const struct {
        const char* filter;
        QStringList quantities;
    } cases[] = {
        {"CodCor= 'PT' and Cliente='C2' ", {"2"}}, // 'pt' is found as 'PT'
        {"(Cliente = 'C1' OR Cliente='C3') AND Qtd >= 5", {"5", "7"}},
        {"Cliente = 'C1' OR Cliente='C3' AND Qtd > 5", {"5", "7"}}, // AND binds first
        {"CodCor LIKE 'p*'", {"2", "3"}},
        {"Cliente LIKE '%2'", {"1", "2"}},
        {"Qtd <> 1 and IndiceCor = Null", {"5", "7", "2", "3"}},
        {"Cliente = 'O''NEIL'", {}},
        {"Qtd < 3", {"1", "2"}},
        {"Qtd <= 3", {"1", "2", "3"}},
        {"CodCor < 'pt'", {"5", "1"}},
        {"CodCor <= 'PT'", {"5", "1", "2", "3"}},
    };
    for (const auto& c : cases) {
        auto rs = matrix();
        rs->setFilter(QString::fromLatin1(c.filter));
        EXPECT_EQ(rs->RecordCount(), c.quantities.size()) << c.filter;
        EXPECT_EQ(column(*rs, QStringLiteral("Qtd")), c.quantities) << c.filter;
    }
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

// What is changed or deleted through one filter is still so under the next.
TEST(RecordsetFilter, ChangesThroughAFilterOutliveIt)
{
    auto rs = matrix();
    rs->setFilter(QStringLiteral("CodCor= 'PT' and Cliente='C2' "));
    rs->Fields(QStringLiteral("Qtd")) = QVariant(9);
    rs->Update();
    rs->setFilter(QStringLiteral("Cliente = 'C1'"));
    rs->Delete(); // C1 AZ 5
    rs->setFilter(QString());
    rs->setSort(QStringLiteral("Qtd"));
    EXPECT_EQ(column(*rs, QStringLiteral("Qtd")), QStringList({"1", "3", "7", "9"}));

    rs->setFilter(QStringLiteral("CodCor= 'XX' "));
    EXPECT_TRUE(rs->Eof());
    EXPECT_TRUE(rs->Bof());
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

// As the database compares text: trailing blanks ignored (a blank-padded
// 'X  ' is 'X', to LIKE as well), accented letters among their base letters.
TEST(RecordsetFilter, TextComparesAsInTheDatabase)
{
    Recordset rs;
    rs.appendField(QStringLiteral("TamHor"), FieldType::Text, 10);
    rs.open();
    for (const char* value : {"X  ", "Y", "Ágata", "Azul", "Zíper", "ção", "cao", "x"}) {
        rs.AddNew();
        rs.Fields(QStringLiteral("TamHor")) = QString::fromUtf8(value);
        rs.Update();
    }
    for (const char* filter : {"TamHor = 'X'", "TamHor LIKE 'X'", "TamHor <= 'x ' AND TamHor >= 'X'"}) {
        rs.setFilter(QString::fromLatin1(filter));
        EXPECT_EQ(column(rs, QStringLiteral("TamHor")), QStringList({"X  ", "x"})) << filter;
    }
    rs.setFilter(QStringLiteral("TamHor <> 'x'"));
    rs.setSort(QStringLiteral("TamHor"));
    EXPECT_EQ(column(rs, QStringLiteral("TamHor")), QString::fromUtf8("Ágata,Azul,cao,ção,Y,Zíper").split(u','));
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

// A value is taken as its field holds it: whole numbers rounded half to even,
// amounts to four places; what the field cannot hold is refused.
TEST(RecordsetEditing, ValuesAreStoredAsTheirFieldHoldsThemOrRefused)
{
    const struct {
        const char* field;
        QVariant value;
        quint32 error;
        const char* stored;
    } cases[] = {
        {"CodCor", QStringLiteral("ABCDE"), errors::MultipleStepError, nullptr}, // 4 characters at most
        {"CodCor", QStringLiteral("ABCD"), 0, "ABCD"},
        {"IndiceCor", 32768, errors::Overflow, nullptr},
        {"IndiceCor", -32768, 0, "-32768"},
        {"IndiceCor", QStringLiteral("dez"), errors::TypeMismatch, nullptr},
        {"IndiceCor", 2.5, 0, "2"},
        {"IndiceCor", 3.5, 0, "4"},
        {"IndiceCor", -2.5, 0, "-2"},
        {"IndiceCor", QStringLiteral("0.5"), 0, "0"},
        {"IndiceCor", QVariant::fromValue(Currency::parse(QStringLiteral("1.5"))), 0, "2"},
        {"Qtd", QStringLiteral("1e400"), errors::TypeMismatch, nullptr},
        {"Qtd", 1e20, errors::Overflow, nullptr},
        {"Qtd", QStringLiteral("12.34567"), 0, "12.3457"},
        {"Qtd", 1.23456, 0, "1.2346"},
        {"Qtd", -1.23455, 0, "-1.2346"},
    };
    for (const auto& c : cases) {
        auto rs = matrix();
        const QString name = QString::fromLatin1(c.field);
        EXPECT_EQ(errorNumberOf([&] { rs->Fields(name) = c.value; }), c.error) << c.field << " " << c.value.toString().toStdString();
        if (c.stored)
            EXPECT_EQ(rs->Fields(name).text(), QLatin1String(c.stored)) << c.field << " " << c.value.toString().toStdString();
    }
    auto rs = matrix();
    rs->Fields(QStringLiteral("Qtd")) = 1.5;
    EXPECT_EQ(errorNumberOf([&] { rs->Fields(QStringLiteral("Qtd")).integer(); }), errors::TypeMismatch);

    Recordset strict;
    strict.appendField(QStringLiteral("Codigo"), FieldType::Text, 15, false);
    strict.open();
    strict.AddNew();
    EXPECT_EQ(errorNumberOf([&] { strict.Fields(0) = QVariant(); }), errors::MultipleStepError);
}

// A typed number is the number: beyond its field it overflows as the number
// does, never wraps round nor is kept past the field's range.
TEST(RecordsetEditing, AWholeNumberAsTextBeyondItsFieldOverflowsAsTheNumberDoes)
{
    const struct {
        FieldType type;
        const char* beyond;
        const char* edge;
    } cases[] = {
        {FieldType::SmallInt, "70000", "32767"},
        {FieldType::SmallInt, "-32769", "-32768"},
        {FieldType::Long, "2147483648", "2147483647"},
        {FieldType::Long, "-2147483649", "-2147483648"},
    };
    for (const auto& c : cases) {
        Recordset rs;
        rs.appendField(QStringLiteral("N"), c.type);
        rs.open();
        rs.AddNew();
        const QString beyond = QString::fromLatin1(c.beyond);
        const quint32 asNumber = errorNumberOf([&] { rs.Fields(0) = QVariant(beyond.toLongLong()); });
        EXPECT_EQ(asNumber, errors::Overflow) << c.beyond;
        for (const QString& typed : {beyond, " " + beyond + " "})
            EXPECT_EQ(errorNumberOf([&] { rs.Fields(0) = typed; }), asNumber) << c.beyond;
        rs.Fields(0) = QString::fromLatin1(c.edge);
        EXPECT_EQ(rs.Fields(0).text(), QLatin1String(c.edge));
    }
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

// A grid shows a report as its rows are added: each row is announced on its
// own, and a row leaves while it can still be read.
TEST(RecordsetSignals, RowsAreAnnouncedOneByOne)
{
    Recordset rs;
    rs.appendField(QStringLiteral("Codigo"), FieldType::Text, 10);
    rs.open();
    QSignalSpy layouts(&rs, &Recordset::layoutChanged);
    QSignalSpy inserted(&rs, &Recordset::rowInserted);
    QSignalSpy changed(&rs, &Recordset::rowChanged);
    for (const char* code : {"A", "B", "C"}) {
        rs.AddNew();
        rs.Fields(0) = QString::fromLatin1(code);
        rs.Update();
    }
    EXPECT_EQ(layouts.count(), 0);
    EXPECT_EQ(inserted.count(), 3);
    EXPECT_EQ(changed.count(), 3);
    EXPECT_EQ(inserted.last().at(0).toInt(), 2);

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
