#include "platform/data/zavCoreDataAccess2016.h"

#include "platform/data/ConnectionString.h"
#include "platform/data/RuntimeError.h"
#include "platform/data/SqlBackend.h"
#include "platform/data/SqlRecordWriter.h"

#include <QRegularExpression>

namespace zav {

namespace {

[[noreturn]] void notConnected()
{
    throw RuntimeError(errors::OperationNotAllowed, QStringLiteral("Operation is not allowed when the object is closed."));
}

RecordsetPtr recordsetOf(QueryResult result, std::unique_ptr<RecordWriter> writer = nullptr)
{
    auto recordset = std::make_shared<Recordset>();
    recordset->openWith(std::move(result.fields), std::move(result.rows), std::move(writer));
    return recordset;
}

} // namespace

bool Ligacao::isOpen() const
{
    return backend_ && backend_->isOpen();
}

RecordsetPtr Ligacao::abreRecordset(const QString& sql) const
{
    if (!backend_)
        notConnected();
    return recordsetOf(backend_->select(sql));
}

zavCoreDataAccess2016::zavCoreDataAccess2016() = default;

zavCoreDataAccess2016::~zavCoreDataAccess2016()
{
    FechaLigacao();
}

void zavCoreDataAccess2016::AbreLigacao(const QString& connectionString)
{
    FechaLigacao();
    const ConnectionString connection = ConnectionString::parse(connectionString);
    backend_ = SqlBackend::open(connection);
    prefixoImagens_ = connection.databaseName();
}

RecordsetPtr zavCoreDataAccess2016::AbreRecordset(const QString& /*contexto*/, const QString& sql)
{
    if (!backend_)
        notConnected();
    return recordsetOf(backend_->select(sql));
}

RecordsetPtr zavCoreDataAccess2016::AbreRecordsetEdicao(const QString& sql)
{
    if (!backend_)
        notConnected();
    QueryResult result = backend_->select(sql);
    std::unique_ptr<RecordWriter> writer;
    if (const auto source = UpdatableSource::fromSelect(sql))
        writer = std::make_unique<SqlRecordWriter>(backend_, source->table, backend_->primaryKey(source->bareName));
    return recordsetOf(std::move(result), std::move(writer));
}

void zavCoreDataAccess2016::ExecutaSQL(const QString& /*contexto*/, const QString& sql)
{
    if (!backend_)
        notConnected();
    backend_->execute(sql);
}

int zavCoreDataAccess2016::BeginTrans()
{
    if (!backend_)
        notConnected();
    return backend_->beginTransaction();
}

void zavCoreDataAccess2016::CommitTrans()
{
    if (!backend_)
        notConnected();
    backend_->commitTransaction();
}

void zavCoreDataAccess2016::RollbackTrans()
{
    if (!backend_)
        notConnected();
    backend_->rollbackTransaction();
}

Ligacao zavCoreDataAccess2016::GetLigacao() const
{
    if (!backend_)
        notConnected();
    return Ligacao(backend_);
}

QString zavCoreDataAccess2016::PrefixoImagens() const
{
    return prefixoImagens_;
}

void zavCoreDataAccess2016::FechaLigacao()
{
    if (backend_)
        backend_->close();
    backend_.reset();
}

bool zavCoreDataAccess2016::isOpen() const
{
    return backend_ && backend_->isOpen();
}

QString SqlTexto(const QString& value)
{
    QString quoted = value;
    return quoted.replace(u'\'', QLatin1StringView("''"));
}

QString SqlNumero(const QString& value)
{
    static const QRegularExpression wholeNumber(QStringLiteral("^[+-]?[0-9]+$"));
    if (!wholeNumber.match(value).hasMatch())
        throw RuntimeError(errors::TypeMismatch, QStringLiteral("Type mismatch: '%1' is not a whole number").arg(value));
    return value;
}

} // namespace zav
