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

bool WireTest::sessionsClosed(int count) const
{
    for (QDeadlineTimer deadline(10000); !deadline.hasExpired(); QThread::msleep(20))
        if (standIn.requests(QStringLiteral("closed")).size() >= count)
            return true;
    return false;
}

} // namespace zav::test
