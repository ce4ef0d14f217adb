#include "tds/WireTest.h"

#include "platform/data/ConnectionString.h"
#include "platform/data/OdbcBackend.h"
#include "platform/data/StringLigacao.h"

#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QThread>

void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace zav::test {

QString statementOf(const QJsonObject& rpc)
{
    return rpc[QLatin1StringView("params")].toArray().at(0)[QLatin1StringView("value")].toString();
}

QString transactionOf(const QJsonObject& request)
{
    return request[QLatin1StringView("transaction")].toString();
}

QJsonObject primaryKeyReply(const QString& table, const QStringList& columns)
{
    QJsonArray names;
    for (const char* name : {"TABLE_QUALIFIER", "TABLE_OWNER", "TABLE_NAME", "COLUMN_NAME", "KEY_SEQ", "PK_NAME"})
        names.append(QJsonArray{name, QString::fromLatin1(qstrcmp(name, "KEY_SEQ") == 0 ? "smallint" : "nvarchar(128)")});
    QJsonArray rows;
    for (qsizetype i = 0; i < columns.size(); ++i)
        rows.append(QJsonArray{"EMPRESA01", "dbo", table, columns[i], int(i + 1), QStringLiteral("PK_") + table});
    return {{"match", QStringLiteral("exec sp_pkeys ") + table}, {"columns", names}, {"rows", rows}};
}

QJsonArray withArticleDescriptions(const char* json)
{
    QJsonArray replies = QJsonDocument::fromJson(json).array();
    replies.prepend(QJsonObject{{"match", "from ArtIdiom"},
                                {"columns", QJsonArray{QJsonArray{"Artigo", "nvarchar(15)"}, QJsonArray{"Idioma", "nvarchar(3)"},
                                                       QJsonArray{"Descr", "nvarchar(60)"}}},
                                {"rows", QJsonArray()}});
    replies.prepend(primaryKeyReply(QStringLiteral("ArtIdiom"), {QStringLiteral("Artigo"), QStringLiteral("Idioma")}));
    return replies;
}

WireTest::WireTest(const char* replies) : WireTest(QJsonDocument::fromJson(replies).array()) {}

WireTest::WireTest(const QJsonArray& replies) : standIn(replies) {}

void WireTest::TearDown()
{
    bd.FechaLigacao();
    for (const QJsonObject& failure : standIn.requests(QStringLiteral("failure")))
        ADD_FAILURE() << "the stand-in could not read a request: " << QJsonDocument(failure).toJson().constData();
}

QString WireTest::ligacao(const QString& utilizador, const QString& senha, const QString& baseDados) const
{
    StringLigacao s;
    s.Provider = QStringLiteral("MSDataShape");
    s.Servidor = standIn.servidor();
    s.BaseDados = baseDados;
    s.Utilizador = utilizador;
    s.Senha = senha;
    return s.ConnectionString();
}

void WireTest::open()
{
    bd.AbreLigacao(ligacao());
}

void WireTest::openWithShortWaits()
{
    const QString odbc = ConnectionString::parse(ligacao()).odbcConnectionText();
    bd.AbreLigacao(std::make_shared<OdbcBackend>(odbc, OdbcTimeouts{2, 1}));
}

QList<CommittedWrite> WireTest::committed() const
{
    zavCoreDataAccess2016 outro;
    outro.AbreLigacao(ligacao());
    QList<CommittedWrite> writes;
    for (const RecordsetPtr rs = outro.AbreRecordset(QString(), "select Escrita, Valores from standin_committed"); !rs->Eof();
         rs->MoveNext())
        writes.append({rs->Fields(0).text(), QJsonDocument::fromJson(rs->Fields(1).text().toUtf8()).array()});
    return writes;
}

void WireTest::grava(const QString& sql, const QString& idioma, const QString& descricao)
{
    const RecordsetPtr linha = bd.AbreRecordsetEdicao(sql);
    if (linha->RecordCount() == 0)
        linha->AddNew();
    linha->Fields(QStringLiteral("Artigo")) = "ART01";
    linha->Fields(QStringLiteral("Idioma")) = idioma;
    linha->Fields(QStringLiteral("Descr")) = descricao;
    linha->Update();
}

bool WireTest::sessionsClosed(int count) const
{
    for (QDeadlineTimer deadline(10000); !deadline.hasExpired(); QThread::msleep(20))
        if (standIn.requests(QStringLiteral("closed")).size() >= count)
            return true;
    return false;
}

} // namespace zav::test
