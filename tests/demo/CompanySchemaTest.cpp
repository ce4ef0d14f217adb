#include "DemoTestSupport.h"

#include "demo/CompanySchema.h"
#include "demo/FixtureWriter.h"
#include "demo/SqliteConnection.h"
#include "platform/data/ErpCollation.h"
#include "support/MachineZone.h"

#include <QSqlQuery>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <stdexcept>

using demo::CompanySchema;
using demo::FixtureWriter;
using demo::SqliteConnection;
using demo::test::count;
using demo::test::scalar;

namespace {

class CompanySchemaTest : public ::testing::Test {
protected:
    CompanySchemaTest() { CompanySchema::create(connection.database()); }

    QSqlDatabase db() const { return connection.database(); }

    SqliteConnection connection{QStringLiteral(":memory:")};
    FixtureWriter rows{connection.database()};
};

TEST_F(CompanySchemaTest, LeavesTheAddOnTablesToTheProgram)
{
    EXPECT_EQ(count(db(), "SELECT count(*) FROM sqlite_master WHERE name LIKE 'zav%'"), 0);
}

TEST_F(CompanySchemaTest, EveryTextColumnComparesAsTheErp)
{
    sqlite3* handle = connection.handle();
    for (const QString& table : CompanySchema::tableNames()) {
        QSqlQuery query(db());
        query.exec(QStringLiteral("PRAGMA table_info(%1)").arg(table));
        while (query.next()) {
            const QByteArray column = query.value(1).toString().toUtf8();
            const char* type = nullptr;
            const char* collation = nullptr;
            ASSERT_EQ(sqlite3_table_column_metadata(handle, "main", table.toUtf8().constData(), column.constData(),
                                                    &type, &collation, nullptr, nullptr, nullptr),
                      SQLITE_OK);
            const QString declared = QString::fromUtf8(type).toUpper();
            if (declared.contains("CHAR") || declared.contains("TEXT"))
                EXPECT_STREQ(collation, zav::ErpCollation::Name) << table.toStdString() << "." << column.constData();
        }
    }
    // Its indexes follow today's comparison, so opening it rebuilds nothing.
    EXPECT_EQ(count(db(), "PRAGMA user_version"), zav::ErpCollation::instance().indexVersion());
}

// Keys compare as the ERP does: a code differing only in case is the same code.
TEST_F(CompanySchemaTest, KeysRefuseASecondRowForTheSameDocumentLineOrSize)
{
    rows.insert("DOCGCCAB", {{"TPDOC", "ENC"}, {"SERIE", "A"}, {"ANO", 2025}, {"NNUMDOC", 1}});
    rows.insert("DOCGCCAB", {{"TPDOC", "ENC"}, {"SERIE", "A"}, {"ANO", 2025}, {"NNUMDOC", 2}});
    rows.insert("DOCGCLIN", {{"TPDOCUM", "ENC"}, {"SERIE", "A"}, {"ANO", 2025}, {"NNUMDOC", 1}, {"NLinha", 1}});
    rows.insert("MedTamCo", {{"CodTipoM", "LETRAS"}, {"CodMed", "XL"}});
    rows.insert("MedTamCo", {{"CodTipoM", "NUMEROS"}, {"CodMed", "XL"}});
    const std::pair<const char*, FixtureWriter::Row> again[] = {
        {"DOCGCCAB", {{"TPDOC", "ENC"}, {"SERIE", "A"}, {"ANO", 2025}, {"NNUMDOC", 1}}},
        {"DOCGCLIN", {{"TPDOCUM", "ENC"}, {"SERIE", "A"}, {"ANO", 2025}, {"NNUMDOC", 1}, {"NLinha", 1}}},
        {"MedTamCo", {{"CodTipoM", "LETRAS"}, {"CodMed", "xl"}}},
    };
    for (const auto& [table, row] : again)
        EXPECT_THROW(rows.insert(table, row), std::runtime_error) << table;
}

TEST_F(CompanySchemaTest, FixturesNameOnlyTheColumnsTheyNeed)
{
    rows.insert("Artigos", {{"Codigo", "CM2001"}});
    EXPECT_EQ(scalar(db(), "SELECT TmHor || '|' || CodRef || '|' || Fornec FROM Artigos").toString(), "||");
    EXPECT_EQ(count(db(), "SELECT count(*) FROM Artigos WHERE ArtOuDes=0 AND Inactivo=0 AND TValoriz=1"), 1);
    rows.insert("Artigos", {{"Codigo", "CM2002"}, {"Fornec", QVariant()}});
    EXPECT_EQ(count(db(), "SELECT count(*) FROM Artigos WHERE Fornec IS NULL"), 1);
    EXPECT_THROW(rows.insert("Artigos", {{"Codigo", "CM2003"}, {"NoSuchColumn", 1}}), std::runtime_error);
}

TEST_F(CompanySchemaTest, FixtureDatesAreStoredAsTheErpKeepsThem)
{
    rows.insert("DOCGCCAB", {{"TPDOC", "ENC"}, {"SERIE", "A"}, {"ANO", 2025}, {"NNUMDOC", 1},
                             {"Data", QDate(2025, 3, 31)}});
    rows.insert("DOCGCCAB", {{"TPDOC", "ENC"}, {"SERIE", "A"}, {"ANO", 2025}, {"NNUMDOC", 2},
                             {"Data", QDateTime(QDate(2025, 4, 1), QTime(9, 30))}});
    EXPECT_EQ(scalar(db(), "SELECT Data FROM DOCGCCAB WHERE NNUMDOC=1").toString(), "2025-03-31 00:00:00");
    EXPECT_EQ(count(db(), "SELECT count(*) FROM DOCGCCAB WHERE Data >= '2025-03-31 00:00:00'"
                          " AND Data <= '2025-03-31 23:59:59'"),
              1);
    EXPECT_EQ(count(db(), "SELECT count(*) FROM DOCGCCAB WHERE Data > '2025-04-01 09:00:00'"), 1);
}

// A day and a date-time that the machine's clocks skipped (daylight saving
// began) are stored as they read, as the ERP keeps them.
TEST_F(CompanySchemaTest, FixtureDatesTheMachinesZoneSkipsAreStoredAsTheyRead)
{
    using namespace zav::test;
    int numero = 0;
    for (const SkippedTime& skipped : SkippedTimes) {
        SCOPED_TRACE(skipped.zone);
        const MachineZone zone(skipped.zone);
        ASSERT_TRUE(MachineZone::skips(skipped));
        rows.insert("DOCGCCAB", {{"TPDOC", "ENC"}, {"SERIE", "A"}, {"ANO", 2025}, {"NNUMDOC", ++numero},
                                 {"Data", skipped.day}});
        rows.insert("DOCGCCAB", {{"TPDOC", "ENC"}, {"SERIE", "A"}, {"ANO", 2025}, {"NNUMDOC", ++numero},
                                 {"Data", QDateTime(skipped.day, skipped.time)}});
        const auto stored = [&](int n) {
            return scalar(db(), QStringLiteral("SELECT Data FROM DOCGCCAB WHERE NNUMDOC=%1").arg(n)).toString().toStdString();
        };
        EXPECT_EQ(stored(numero - 1), (skipped.day.toString(u"yyyy-MM-dd") + " 00:00:00").toStdString());
        EXPECT_EQ(stored(numero), skipped.stored().toStdString());
    }
}

} // namespace
