#include "platform/data/Decimal.h"
#include "support/ErrorNumber.h"
#include "tds/WireTest.h"

#include <QDateTime>
#include <QJsonDocument>
#include <gtest/gtest.h>
#include <limits>

using namespace zav;
using namespace zav::test;

namespace {

// A row of each type's edge values, a row of ordinary ones, a row of nulls;
// and a table without a key, whose rows are found again by every value.
const char* const Replies = R"json([
  {"match": "from Valores", "columns": [["Dinheiro", "money"], ["Quantia", "decimal(19,4)"], ["Grande", "decimal(18,2)"],
     ["Fino", "decimal(38,10)"], ["Pequeno", "smallmoney"], ["Numero", "numeric(10,5)"], ["Inteiro", "bigint"], ["Sim", "bit"],
     ["Real", "float"], ["Data", "datetime"], ["Data2", "datetime2(7)"], ["Curta", "smalldatetime"]],
   "rows": [["-922337203685477.5808", "-922337203685477.5808", "-1234567890123456.78", "-9999999999999999999999999999.9999999999",
             "-214748.3648", "-12345.67891", -9223372036854775808, false, -1.5e300,
             "1753-01-01 00:00:00.003", "0001-01-01 00:00:00.0000001", "1900-01-01 00:00:00"],
            ["922337203685477.5807", "1234.5", "1234567890123456.78", "1234567890123456789012345678.0123456789",
             "214748.3647", "0.00001", 9223372036854775807, true, 0.1,
             "2024-03-05 10:00:00.997", "2024-03-05 23:59:59.9999999", "2079-06-06 23:59:00"],
            [null, null, null, null, null, null, null, null, null, null, null, null]]},
  {"match": "from Registo", "columns": [["Nome", "nvarchar(10)"], ["Marca", "datetime"], ["Marca2", "datetime2(7)"]],
   "rows": [["antes", "2024-03-05 10:00:00.997", "2024-03-05 10:00:00.123"]]}
])json";

QJsonArray withKeylessRegisto()
{
    QJsonArray replies = QJsonDocument::fromJson(Replies).array();
    replies.append(primaryKeyReply(QStringLiteral("Registo"), {}));
    return replies;
}

QString timeOf(const Field& field)
{
    const QDateTime moment = field.value().toDateTime();
    return moment.date().toString(Qt::ISODate) + u' ' + moment.time().toString(QStringLiteral("HH:mm:ss.zzz"));
}

class SqlServerValues : public WireTest {
protected:
    SqlServerValues() : WireTest(withKeylessRegisto()) {}
};

TEST_F(SqlServerValues, EveryNumberAndDateIsReadAsTheServerHoldsIt)
{
    open();
    const RecordsetPtr rs = bd.AbreRecordset(QString(), "select * from Valores");
    ASSERT_EQ(rs->RecordCount(), 3);
    const QList<QPair<const char*, FieldType>> types = {
        {"Dinheiro", FieldType::Currency}, {"Quantia", FieldType::Decimal},  {"Grande", FieldType::Decimal},
        {"Fino", FieldType::Decimal},      {"Pequeno", FieldType::Currency}, {"Numero", FieldType::Decimal},
        {"Inteiro", FieldType::BigInt},    {"Sim", FieldType::Boolean},      {"Real", FieldType::Double},
        {"Data", FieldType::DateTime},     {"Data2", FieldType::DateTime},   {"Curta", FieldType::DateTime}};
    for (const auto& [name, type] : types)
        EXPECT_EQ(rs->Fields(name).type(), type) << name;

    const auto& least = std::numeric_limits<std::int64_t>::min();
    EXPECT_EQ(rs->Fields("Dinheiro").currency().units(), least);
    EXPECT_EQ(rs->Fields("Quantia").text(), QStringLiteral("-922337203685477.5808"));
    EXPECT_EQ(rs->Fields("Quantia").currency().units(), least);
    EXPECT_EQ(rs->Fields("Grande").text(), QStringLiteral("-1234567890123456.78"));
    EXPECT_EQ(rs->Fields("Fino").text(), QStringLiteral("-9999999999999999999999999999.9999999999"));
    EXPECT_EQ(rs->Fields("Pequeno").text(), QStringLiteral("-214748.3648"));
    EXPECT_EQ(rs->Fields("Numero").text(), QStringLiteral("-12345.67891"));
    EXPECT_EQ(rs->Fields("Inteiro").value().toLongLong(), least);
    EXPECT_FALSE(rs->Fields("Sim").value().toBool());
    EXPECT_EQ(rs->Fields("Real").value().toDouble(), -1.5e300);
    EXPECT_EQ(timeOf(rs->Fields("Data")), QStringLiteral("1753-01-01 00:00:00.003"));
    EXPECT_EQ(timeOf(rs->Fields("Data2")), QStringLiteral("0001-01-01 00:00:00.000"));
    EXPECT_EQ(timeOf(rs->Fields("Curta")), QStringLiteral("1900-01-01 00:00:00.000"));

    rs->MoveNext();
    EXPECT_EQ(rs->Fields("Dinheiro").text(), QStringLiteral("922337203685477.5807"));
    EXPECT_EQ(rs->Fields("Quantia").currency(), Currency::parse(QStringLiteral("1234.5")));
    EXPECT_EQ(rs->Fields("Grande").text(), QStringLiteral("1234567890123456.78"));
    EXPECT_EQ(errorNumberOf([&] { rs->Fields("Grande").currency(); }), errors::Overflow) << "beyond currency";
    EXPECT_EQ(rs->Fields("Fino").text(), QStringLiteral("1234567890123456789012345678.0123456789"));
    EXPECT_EQ(rs->Fields("Numero").text(), QStringLiteral("0.00001"));
    EXPECT_EQ(rs->Fields("Inteiro").value().toLongLong(), std::numeric_limits<std::int64_t>::max());
    EXPECT_TRUE(rs->Fields("Sim").value().toBool());
    EXPECT_EQ(rs->Fields("Real").value().toDouble(), 0.1);
    EXPECT_EQ(timeOf(rs->Fields("Data")), QStringLiteral("2024-03-05 10:00:00.997"));
    EXPECT_EQ(timeOf(rs->Fields("Data2")), QStringLiteral("2024-03-05 23:59:59.999"));
    EXPECT_EQ(timeOf(rs->Fields("Curta")), QStringLiteral("2079-06-06 23:59:00.000"));

    rs->MoveNext();
    for (const auto& [name, type] : types)
        EXPECT_TRUE(rs->Fields(name).isNull()) << name;
}

// The row is found again by the datetime it was read with: SQL Server widens
// a datetime column to the datetime2 the driver sends unless told otherwise.
TEST_F(SqlServerValues, ARowWithoutAKeyIsFoundAgainByItsDatetime)
{
    open();
    const RecordsetPtr rs = bd.AbreRecordsetEdicao("select * from Registo");
    ASSERT_EQ(rs->RecordCount(), 1);
    rs->Fields("Nome") = "depois";
    rs->Update();

    QList<QJsonObject> updates;
    for (const QJsonObject& rpc : standIn.requests(QStringLiteral("rpc")))
        if (statementOf(rpc).startsWith(QLatin1StringView("UPDATE")))
            updates.append(rpc);
    ASSERT_EQ(updates.size(), 1);
    EXPECT_EQ(statementOf(updates[0]), QStringLiteral("UPDATE Registo SET [Nome] = @P1 WHERE [Nome] = @P2 AND "
                                                      "[Marca] = CAST(@P3 AS datetime) AND [Marca2] = @P4"));
    const QJsonArray params = updates[0][QLatin1StringView("params")].toArray();
    ASSERT_EQ(params.size(), 6); // the statement, the parameters' declaration, the four values
    EXPECT_EQ(params[4][QLatin1StringView("value")].toString(), QStringLiteral("2024-03-05 10:00:00.997000"));
    EXPECT_EQ(params[5][QLatin1StringView("value")].toString(), QStringLiteral("2024-03-05 10:00:00.123000"));
}

} // namespace
