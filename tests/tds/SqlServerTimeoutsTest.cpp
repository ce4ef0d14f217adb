#include "maintenance/ManutencaoSql.h"
#include "platform/data/Transacao.h"
#include "support/ErrorNumber.h"
#include "tds/WireTest.h"

#include <gtest/gtest.h>

using namespace zav;
using namespace zav::test;

namespace {

// Statements the server never answers: one whose attention it acknowledges,
// one after which it answers nothing at all (with the articles' descriptions).
const char* const Replies = R"json([
  {"match": "Demorada", "silent": "statement"},
  {"match": "Desligada", "silent": "server"}
])json";

// A server that never answers a commit (with the articles' descriptions).
const char* const SilentCommit = R"json([
  {"match": "COMMIT TRANSACTION", "silent": "statement"}
])json";

// A server that takes the connection and answers nothing after the PRELOGIN.
const char* const SilentLogin = R"json([{"silent": "login"}])json";

// The failure a wait that ran out gives: ADO's number (a statement's unless
// told) and the driver's words.
void expectTimedOut(const std::function<void()>& call, quint32 number = errors::QueryTimeout)
{
    try {
        call();
        ADD_FAILURE() << "the server never answered";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), number) << e.what();
        EXPECT_TRUE(e.description().contains(QLatin1StringView("Timeout expired"))) << e.what();
    }
}

class Confirms : public WireTest {
protected:
    using WireTest::WireTest;

    // One description a language, named by the description's first letters.
    void confirma(const QStringList& descricoes)
    {
        Transacao transacao(bd);
        for (const QString& descricao : descricoes)
            grava(ArtigosSql::linhaDescricao("ART01", descricao.left(2).toUpper()), descricao.left(2).toUpper(), descricao);
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
    SqlServerTimeouts() : Confirms(withArticleDescriptions(Replies)) {}
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
    SqlServerSilentCommit() : Confirms(withArticleDescriptions(SilentCommit)) {}
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
    expectTimedOut([&] { open(); }, errors::Unspecified);
    EXPECT_FALSE(bd.isOpen());
    EXPECT_EQ(standIn.requests(QStringLiteral("unanswered")).size(), 1) << "the login, after the PRELOGIN";
}

} // namespace
