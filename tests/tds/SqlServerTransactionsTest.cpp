#include "maintenance/ManutencaoSql.h"
#include "platform/data/Transacao.h"
#include "support/ErrorNumber.h"
#include "tds/WireTest.h"

#include <QJsonDocument>
#include <gtest/gtest.h>

using namespace zav;
using namespace zav::test;

namespace {

constexpr quint32 RowNotLocated = 0x80040E38;

// The free table's Portuguese row, a write that finds no row and an unknown
// column (with the articles' descriptions, the free table's key and a
// message longer than a driver's first buffer).
const char* const Replies = R"json([
  {"match": "Coluna", "error": {"number": 207, "message": "Invalid column name 'Coluna'."}},
  {"match": "Sumida", "rowcount": 0},
  {"match": "Idioma='PT'", "columns": [["Chave", "nvarchar(4)"], ["Idioma", "nvarchar(3)"], ["Descr", "nvarchar(50)"]], "rows": [["A1", "PT", "Antiga"]]}
])json";

// A message of more than 512 characters, as SQL Server's may be (up to 2047).
QString longMessage()
{
    return QStringLiteral("A instrução falhou porque a linha %1 não cumpre a regra de validação da tabela. ").repeated(8).arg(7);
}

QJsonArray replies()
{
    QJsonArray all = withArticleDescriptions(Replies);
    all.prepend(QJsonObject{{"match", "Longa"}, {"error", QJsonObject{{"number", 50000}, {"message", longMessage()}}}});
    all.append(primaryKeyReply(QStringLiteral("zav_TabLiv01"), {QStringLiteral("Chave"), QStringLiteral("Idioma")}));
    return all;
}

QStringList statements(const QList<CommittedWrite>& writes)
{
    QStringList found;
    for (const CommittedWrite& w : writes)
        found << w.sql;
    return found;
}

QStringList descriptions(const QList<CommittedWrite>& writes)
{
    QStringList found;
    for (const CommittedWrite& w : writes)
        found << w.values.last().toString();
    return found;
}

// Transactions as SQL Server takes them, and what another connection sees
// of their writes.
class SqlServerTransactions : public WireTest {
protected:
    SqlServerTransactions() : WireTest(replies()) {}

    // An article's description, written as the articles screen's confirm writes it.
    void grava(const QString& idioma, const QString& descricao)
    {
        WireTest::grava(ArtigosSql::linhaDescricao("ART01", idioma), idioma, descricao);
    }

    QStringList batches() const
    {
        QStringList sql;
        for (const QJsonObject& batch : standIn.requests(QStringLiteral("batch")))
            sql << batch[QLatin1StringView("sql")].toString();
        return sql;
    }
};

TEST_F(SqlServerTransactions, EveryRowOfAConfirmIsCommittedInItsOwnSavepoint)
{
    open();
    {
        Transacao transacao(bd);
        grava("PT", "Camisola");
        grava("EN", "Shirt");
        grava("FR", "Chemise");
        transacao.Confirma();
    }
    EXPECT_EQ(descriptions(committed()), (QStringList{"Camisola", "Shirt", "Chemise"}));
    EXPECT_EQ(batches().filter(QStringLiteral("SAVE TRANSACTION")),
              QStringList(3, QStringLiteral("SAVE TRANSACTION zav_nivel2")));
    EXPECT_TRUE(batches().filter(QStringLiteral("SAVEPOINT"), Qt::CaseInsensitive).isEmpty()) << batches().join(u'\n').toStdString();
}

TEST_F(SqlServerTransactions, AnInnerRollbackUndoesOnlyItsOwnRows)
{
    open();
    bd.BeginTrans();
    grava("PT", "Camisola");
    bd.BeginTrans();
    grava("EN", "Shirt");
    bd.RollbackTrans();
    grava("FR", "Chemise");
    bd.CommitTrans();
    EXPECT_EQ(descriptions(committed()), (QStringList{"Camisola", "Chemise"}));
}

TEST_F(SqlServerTransactions, AStatementAfterATransactionIsCommittedOnItsOwn)
{
    open();
    {
        Transacao transacao(bd);
        grava("PT", "Camisola");
        transacao.Confirma();
    }
    bd.ExecutaSQL(QString(), TabIdiomasSql::anulaIdioma({1, "A1"}, "EL"));
    const QStringList seen = statements(committed());
    ASSERT_EQ(seen.size(), 2);
    EXPECT_EQ(seen.last(), TabIdiomasSql::anulaIdioma({1, "A1"}, "EL"));
}

TEST_F(SqlServerTransactions, AWriteThatFindsNoRowIsNotDone)
{
    open();
    const RecordsetPtr linha = bd.AbreRecordsetEdicao(TabIdiomasSql::linha({1, "A1"}, "PT"));
    ASSERT_EQ(linha->RecordCount(), 1);
    linha->Fields(QStringLiteral("Descr")) = "Sumida"; // another user deleted the row meanwhile
    EXPECT_EQ(errorNumberOf([&] { linha->Update(); }), RowNotLocated);
    const RecordsetPtr outra = bd.AbreRecordsetEdicao(TabIdiomasSql::linha({1, "A1"}, "PT"));
    EXPECT_EQ(errorNumberOf([&] { outra->Delete(); }), 0u);
    EXPECT_EQ(statements(committed()).size(), 1) << "the delete, not the update";
}

TEST_F(SqlServerTransactions, ANullReachesTheServerAsNull)
{
    open();
    const RecordsetPtr linha = bd.AbreRecordsetEdicao(TabIdiomasSql::linha({1, "A1"}, "PT"));
    linha->Fields(QStringLiteral("Descr")) = QVariant();
    linha->Update();
    const QList<CommittedWrite> writes = committed();
    ASSERT_EQ(writes.size(), 1);
    EXPECT_TRUE(writes[0].sql.startsWith(QLatin1StringView("UPDATE"))) << writes[0].sql.toStdString();
    EXPECT_TRUE(writes[0].values.first().isNull()) << "sent as " << QJsonDocument(writes[0].values).toJson().constData();
}

TEST_F(SqlServerTransactions, FailuresAreNumberedByKindAndToldWhole)
{
    open();
    EXPECT_EQ(errorNumberOf([&] { bd.AbreRecordset(QString(), "select Coluna from Artigos"); }), errors::CommandError);
    try {
        bd.ExecutaSQL(QString(), "delete from Longa");
        ADD_FAILURE() << "the server refused it";
    } catch (const RuntimeError& e) {
        EXPECT_TRUE(e.description().endsWith(longMessage())) << e.description().toStdString();
    }
}

TEST_F(SqlServerTransactions, ClosingTheConnectionEndsItsSessionOnTheServer)
{
    open();
    bd.AbreRecordset(QString(), TabIdiomasSql::linha({1, "A1"}, "PT"));
    bd.FechaLigacao();
    EXPECT_TRUE(sessionsClosed(1));
}

} // namespace
