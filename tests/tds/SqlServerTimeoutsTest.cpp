#include "maintenance/ManutencaoSql.h"
#include "platform/data/Transacao.h"
#include "support/ErrorNumber.h"
#include "tds/WireTest.h"

#include <gtest/gtest.h>

using namespace zav;
using namespace zav::test;

namespace {

// The articles' language rows (none stored), and statements the server
// never answers: one whose attention it acknowledges, one after which it
// answers nothing at all.
const char* const Replies = R"json([
  {"match": "Demorada", "silent": "statement"},
  {"match": "Desligada", "silent": "server"},
  {"match": "exec sp_pkeys ArtIdiom", "columns": [["TABLE_QUALIFIER", "nvarchar(128)"], ["TABLE_OWNER", "nvarchar(128)"],
     ["TABLE_NAME", "nvarchar(128)"], ["COLUMN_NAME", "nvarchar(128)"], ["KEY_SEQ", "smallint"], ["PK_NAME", "nvarchar(128)"]],
   "rows": [["EMPRESA01", "dbo", "ArtIdiom", "Artigo", 1, "PK_ArtIdiom"], ["EMPRESA01", "dbo", "ArtIdiom", "Idioma", 2, "PK_ArtIdiom"]]},
  {"match": "from ArtIdiom", "columns": [["Artigo", "nvarchar(15)"], ["Idioma", "nvarchar(3)"], ["Descr", "nvarchar(60)"]], "rows": []}
])json";

// The same, with a server that never answers a commit.
const char* const SilentCommit = R"json([
  {"match": "COMMIT TRANSACTION", "silent": "statement"},
  {"match": "exec sp_pkeys ArtIdiom", "columns": [["TABLE_QUALIFIER", "nvarchar(128)"], ["TABLE_OWNER", "nvarchar(128)"],
     ["TABLE_NAME", "nvarchar(128)"], ["COLUMN_NAME", "nvarchar(128)"], ["KEY_SEQ", "smallint"], ["PK_NAME", "nvarchar(128)"]],
   "rows": [["EMPRESA01", "dbo", "ArtIdiom", "Artigo", 1, "PK_ArtIdiom"], ["EMPRESA01", "dbo", "ArtIdiom", "Idioma", 2, "PK_ArtIdiom"]]},
  {"match": "from ArtIdiom", "columns": [["Artigo", "nvarchar(15)"], ["Idioma", "nvarchar(3)"], ["Descr", "nvarchar(60)"]], "rows": []}
])json";

// A server that takes the connection and answers nothing after the PRELOGIN.
const char* const SilentLogin = R"json([{"silent": "login"}])json";

// The failure a statement that ran out of time gives: ADO's number and the driver's words.
void expectTimedOut(const std::function<void()>& call)
{
    try {
        call();
        ADD_FAILURE() << "the server never answered";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), errors::QueryTimeout) << e.what();
        EXPECT_TRUE(e.description().contains(QLatin1StringView("Timeout expired"))) << e.what();
    }
}

class Confirms : public WireTest {
protected:
    using WireTest::WireTest;

    // An article's description, written as the articles screen's confirm writes it.
    void grava(const QString& idioma, const QString& descricao)
    {
        const RecordsetPtr linha = bd.AbreRecordsetEdicao(ArtigosSql::linhaDescricao("ART01", idioma));
        if (linha->RecordCount() == 0)
            linha->AddNew();
        linha->Fields(QStringLiteral("Artigo")) = "ART01";
        linha->Fields(QStringLiteral("Idioma")) = idioma;
        linha->Fields(QStringLiteral("Descr")) = descricao;
        linha->Update();
    }

    void confirma(const QStringList& descricoes)
    {
        Transacao transacao(bd);
        for (const QString& descricao : descricoes)
            grava(descricao.left(2).toUpper(), descricao);
        transacao.Confirma();
    }

    QStringList committedDescriptions() const
    {
        QStringList found;
        for (const CommittedWrite& w : committed())
            found << w.values.last().toString();
        return found;
    }
};

class SqlServerTimeouts : public Confirms {
protected:
    SqlServerTimeouts() : Confirms(Replies) {}
};

TEST_F(SqlServerTimeouts, AReadTheServerDoesNotAnswerFailsAndTheConnectionGoesOn)
{
    openWithShortWaits();
    expectTimedOut([&] { bd.AbreRecordset(QString(), "select * from Demorada"); });
    EXPECT_EQ(bd.AbreRecordset(QString(), ArtigosSql::linhaDescricao("ART01", "PT"))->RecordCount(), 0);
}

TEST_F(SqlServerTimeouts, AConfirmTheServerDoesNotAnswerIsRolledBack)
{
    openWithShortWaits();
    expectTimedOut([&] { confirma({"Camisola", "Demorada"}); });
    EXPECT_TRUE(committedDescriptions().isEmpty());
    confirma({"Camisola"}); // the same connection serves the next confirm
    EXPECT_EQ(committedDescriptions(), QStringList{"Camisola"});
}

TEST_F(SqlServerTimeouts, AConfirmOnAServerGoneSilentFailsWithoutWaitingForIt)
{
    openWithShortWaits();
    expectTimedOut([&] { confirma({"Camisola", "Desligada"}); });
    bd.FechaLigacao();
    EXPECT_TRUE(committedDescriptions().isEmpty());
}

class SqlServerSilentCommit : public Confirms {
protected:
    SqlServerSilentCommit() : Confirms(SilentCommit) {}
};

TEST_F(SqlServerSilentCommit, ACommitTheServerDoesNotAnswerFailsAndIsRolledBack)
{
    openWithShortWaits();
    expectTimedOut([&] { confirma({"Camisola"}); });
    EXPECT_TRUE(committedDescriptions().isEmpty());
}

class SqlServerSilentLogin : public WireTest {
protected:
    SqlServerSilentLogin() : WireTest(SilentLogin) {}
};

// As start-up opens the connection, with ADO's 15 s: a failure, never a wait for ever.
TEST_F(SqlServerSilentLogin, ALoginTheServerDoesNotAnswerFailsAfterTheLoginTimeout)
{
    try {
        open();
        ADD_FAILURE() << "the server never answered the login";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), errors::Unspecified) << e.what();
        EXPECT_TRUE(e.description().contains(QLatin1StringView("Timeout expired"))) << e.what();
    }
    EXPECT_FALSE(bd.isOpen());
    EXPECT_EQ(standIn.requests(QStringLiteral("unanswered")).size(), 1) << "the login, after the PRELOGIN";
}

} // namespace
