#include "DemoTestSupport.h"

#include "demo/CompanySchema.h"
#include "demo/FixtureWriter.h"
#include "demo/SqliteConnection.h"
#include "platform/data/ErpCollation.h"

#include <QMap>
#include <QSet>
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

    QSet<QString> columnsOf(const QString& table) const
    {
        QSet<QString> columns;
        QSqlQuery query(db());
        query.exec(QStringLiteral("PRAGMA table_info(%1)").arg(table));
        while (query.next())
            columns.insert(query.value(1).toString().toLower());
        return columns;
    }

    SqliteConnection connection{QStringLiteral(":memory:")};
    FixtureWriter rows{connection.database()};
};

// The tables and columns the program's statements name, spelled as they spell them.
const QMap<QString, QStringList>& columnsTheProgramUses()
{
    static const QMap<QString, QStringList> used{
        {"DOCGCCAB", {"TPDOC", "SERIE", "ANO", "NNUMDOC", "Data", "nvias", "sinalct", "areag", "tpterc", "natconta",
                      "TpOper", "Terceiro", "Vendedor", "RgIva"}},
        {"DOCGCLIN", {"TPDOCUM", "SERIE", "ANO", "NNUMDOC", "Artigo", "Descr", "Quant", "QtdOrig", "Valor"}},
        {"Artigos", {"Codigo", "Nome", "CodRef", "TMHOR", "MedHor", "TMVER", "MEDVERT", "artouDes", "UNBASE", "Grupo",
                     "Familia", "SubFamil", "Fornec", "BlNotas", "Inactivo", "TComposi", "TValoriz"}},
        {"ClArt", {"Codigo", "Cl01", "Cl02", "Cl03", "Cl04", "CL05", "Cl06", "Cl07", "Cl08", "Cl09"}},
        {"Clientes", {"Codigo", "Nome", "Local", "NContrib", "CdPostal", "Morada", "email", "Contacto", "Telef",
                      "Sitio"}},
        {"Fornec", {"Codigo", "Nome"}},
        {"Vendedor", {"Codigo", "Nome"}},
        {"Grupos", {"Cod", "Descr"}},
        {"Familia", {"Cod", "Grupo", "Descr"}},
        {"SubFamil", {"Cod", "Grupo", "Familia", "Descr"}},
        {"MedTamCo", {"CodTipoM", "CodMed", "Descrica", "Posimp"}},
        {"TipMed", {"TipoMed", "Descrica"}},
        {"Idiomas", {"Codigo", "Descr"}},
        {"TabLiv01", {"Chave", "Descr"}},
        {"TabLiv02", {"Chave", "Descr"}},
        {"TabLiv03", {"Chave", "Descr"}},
        {"TabLiv04", {"Chave", "Descr"}},
        {"ArtIdiom", {"Artigo", "Idioma", "Descr"}},
        {"Moradas", {"TpTerc", "Terceiro", "CdMorada", "TpMorada", "Contacto", "Morada", "Local", "CdPostal",
                     "país", "Telef", "Telex", "Descr", "Morada2", "CodEan"}},
        {"TpMorada", {"Codigo", "Descrica"}},
        {"Paises", {"Cod", "Descr"}},
        {"CodPost", {"Cod", "Descr"}},
        {"RgIva", {"Codigo", "mercado"}},
        {"OperaFac", {"Artigo", "Operacao", "Factor", "Quantida", "TImputac", "CustoTeo", "Seq"}},
        {"ArtOpera", {"Artigo", "Operacao", "Seq", "Tempo", "UniTempo", "Antecede"}},
        {"TpDoc", {"Codigo", "Descr", "Entidade", "Areag"}},
        {"EMPRESA", {"NOME", "NumContr"}},
    };
    return used;
}

TEST_F(CompanySchemaTest, HoldsEveryTableAndColumnTheProgramUses)
{
    for (auto table = columnsTheProgramUses().begin(); table != columnsTheProgramUses().end(); ++table) {
        const QSet<QString> columns = columnsOf(table.key());
        ASSERT_FALSE(columns.isEmpty()) << "missing table " << table.key().toStdString();
        for (const QString& column : table.value())
            EXPECT_TRUE(columns.contains(column.toLower()))
                << table.key().toStdString() << "." << column.toStdString();
    }
    EXPECT_EQ(CompanySchema::tableNames().size(), columnsTheProgramUses().size());
}

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
    EXPECT_EQ(count(db(), "PRAGMA user_version"), zav::ErpCollation::Version);
}

TEST_F(CompanySchemaTest, CodesMatchWhateverTheirCase)
{
    rows.insert("Artigos", {{"Codigo", "CM1001"}, {"TmHor", "LETRAS"}, {"TmVer", "CORBAS"}});
    rows.insert("Artigos", {{"Codigo", "CM1001.PRE.M"}, {"CodRef", "CM1001"}, {"TmHor", "LETRAS"}, {"MedHor", "M"}});
    rows.insert("MedTamCo", {{"CodTipoM", "LETRAS"}, {"CodMed", "M"}, {"PosImp", 3}});
    rows.insert("DOCGCCAB", {{"TPDOC", "ENC"}, {"SERIE", "A"}, {"ANO", 2025}, {"NNUMDOC", 7}});
    rows.insert("DOCGCLIN", {{"TPDOCUM", "enc"}, {"SERIE", "a"}, {"ANO", 2025}, {"NNUMDOC", 7}, {"NLinha", 1},
                             {"Artigo", "cm1001.pre.m"}, {"Quant", 4}, {"QtdOrig", 5}});

    EXPECT_EQ(count(db(), "SELECT count(*) FROM Artigos WHERE Codigo='cm1001' AND TmHor='letras'"), 1);
    EXPECT_EQ(count(db(), "SELECT count(*) FROM Artigos WHERE CodRef>='' AND CodRef<='zzzzzz' AND CodRef<>''"), 1);
    EXPECT_EQ(count(db(),
                    " select sum(l.Quant) from DocgcCab as c"
                    " inner join docgclin as l ON l.tpdocum=c.Tpdoc and l.nnumdoc=c.NNumdoc and l.serie=c.serie"
                    " and l.ano=c.Ano inner join artigos as a ON a.Codigo=l.Artigo"
                    " inner join MedTamCo as mh ON mh.CodTipoM=a.TmHor and mh.CodMed=a.medhor"
                    " where a.CodRef='Cm1001'"),
              4);
    // Keys compare the same way: a code differing only in case is the same code.
    EXPECT_THROW(rows.insert("Artigos", {{"Codigo", "cm1001"}}), std::runtime_error);
}

TEST_F(CompanySchemaTest, KeysRefuseASecondRowForTheSameDocumentOrSize)
{
    rows.insert("DOCGCCAB", {{"TPDOC", "ENC"}, {"SERIE", "A"}, {"ANO", 2025}, {"NNUMDOC", 1}});
    rows.insert("DOCGCCAB", {{"TPDOC", "ENC"}, {"SERIE", "A"}, {"ANO", 2025}, {"NNUMDOC", 2}});
    EXPECT_THROW(rows.insert("DOCGCCAB", {{"TPDOC", "ENC"}, {"SERIE", "A"}, {"ANO", 2025}, {"NNUMDOC", 1}}),
                 std::runtime_error);
    rows.insert("DOCGCLIN", {{"TPDOCUM", "ENC"}, {"SERIE", "A"}, {"ANO", 2025}, {"NNUMDOC", 1}, {"NLinha", 1}});
    EXPECT_THROW(
        rows.insert("DOCGCLIN", {{"TPDOCUM", "ENC"}, {"SERIE", "A"}, {"ANO", 2025}, {"NNUMDOC", 1}, {"NLinha", 1}}),
        std::runtime_error);
    rows.insert("MedTamCo", {{"CodTipoM", "LETRAS"}, {"CodMed", "XL"}});
    rows.insert("MedTamCo", {{"CodTipoM", "NUMEROS"}, {"CodMed", "XL"}});
    EXPECT_THROW(rows.insert("MedTamCo", {{"CodTipoM", "LETRAS"}, {"CodMed", "xl"}}), std::runtime_error);
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

} // namespace
