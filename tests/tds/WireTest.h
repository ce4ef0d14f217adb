#pragma once

#include "platform/data/zavCoreDataAccess2016.h"
#include "tds/TdsStandIn.h"

#include <QJsonArray>
#include <QJsonObject>
#include <gtest/gtest.h>

// Texts as text in the failure messages.
void PrintTo(const QString& text, std::ostream* out);

namespace zav::test {

// The statement an RPC request ran (sp_executesql's first parameter).
QString statementOf(const QJsonObject& rpc);
// The transaction a request ran in, as its descriptor's hex; zeros for none.
QString transactionOf(const QJsonObject& request);

// One write the stand-in holds as committed: its statement and the values of its parameters.
struct CommittedWrite {
    QString sql;
    QJsonArray values;
};

// The stand-in's answer to the request for `table`'s primary key: its columns in order.
QJsonObject primaryKeyReply(const QString& table, const QStringList& columns);
// The articles' descriptions by language (ArtIdiom: their key, and no row
// stored), then the replies of `json` (a JSON list).
QJsonArray withArticleDescriptions(const char* json);

// The program's data access through unixODBC and FreeTDS, over TCP to a
// stand-in SQL Server that answers with `replies` and tells what arrived.
class WireTest : public ::testing::Test {
protected:
    explicit WireTest(const char* replies);
    explicit WireTest(const QJsonArray& replies);
    void TearDown() override;

    // The connection string as start-up builds it from the configuration.
    QString ligacao(const QString& utilizador = QStringLiteral("sa"), const QString& senha = QStringLiteral("segredo"),
                    const QString& baseDados = QStringLiteral("EMPRESA01")) const;
    // `bd` on the stand-in as start-up opens it, with ADO's waits.
    void open();
    // `bd` on the stand-in waiting a second for each statement and two to log in.
    void openWithShortWaits();
    // What another connection reads as committed, in its order.
    QList<CommittedWrite> committed() const;
    // True once `count` sessions have been closed by the program, within a few seconds.
    bool sessionsClosed(int count) const;
    // A row opened by `sql` as a maintenance screen's confirm writes it: added
    // when absent, an article's language and description set, saved.
    void grava(const QString& sql, const QString& idioma, const QString& descricao);

    TdsStandIn standIn;
    zavCoreDataAccess2016 bd;
};

} // namespace zav::test
