#include "platform/data/zavCoreDataAccess2016.h"

#include "platform/data/ConnectionString.h"
#include "platform/data/RuntimeError.h"
#include "platform/data/SqlBackend.h"
#include "platform/data/SqlRecordWriter.h"
#include "platform/data/SqlTokenizer.h"

#include <QRegularExpression>

namespace zav {

namespace {

[[noreturn]] void notConnected()
{
    throw RuntimeError(errors::OperationNotAllowed, QStringLiteral("A operação não é permitida com o objeto fechado."));
}

// The statements of a text, split at each ";" outside strings and names; a
// piece that holds only blanks or comments is no statement.
QStringList statementsOf(const QString& sql)
{
    QStringList statements;
    QList<SqlToken> current;
    bool hasContent = false;
    const auto finish = [&] {
        if (hasContent)
            statements << SqlTokenizer::join(current);
        current.clear();
        hasContent = false;
    };
    for (const SqlToken& token : SqlTokenizer::tokenize(sql)) {
        if (token.isSymbol(QLatin1StringView(";"))) {
            finish();
            continue;
        }
        hasContent = hasContent || !token.is(SqlToken::Space);
        current.append(token);
    }
    finish();
    return statements;
}

QueryResult selectOne(SqlBackend& backend, const QString& sql)
{
    // A read takes one statement: running what follows, or quietly leaving
    // it out, would both do what the caller never meant.
    const QStringList statements = statementsOf(sql);
    if (statements.size() > 1)
        throw RuntimeError(errors::CommandError,
                           QStringLiteral("Um recordset abre-se sobre uma só instrução; este texto tem mais depois de \";\"."));
    return backend.select(statements.isEmpty() ? sql : statements.front());
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
    return recordsetOf(selectOne(*backend_, sql));
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

void zavCoreDataAccess2016::AbreLigacao(std::shared_ptr<SqlBackend> backend)
{
    FechaLigacao();
    backend_ = std::move(backend);
    prefixoImagens_.clear();
}

RecordsetPtr zavCoreDataAccess2016::AbreRecordset(const QString& /*contexto*/, const QString& sql)
{
    if (!backend_)
        notConnected();
    return recordsetOf(selectOne(*backend_, sql));
}

RecordsetPtr zavCoreDataAccess2016::AbreRecordsetEdicao(const QString& sql)
{
    if (!backend_)
        notConnected();
    QueryResult result = selectOne(*backend_, sql);
    std::unique_ptr<RecordWriter> writer;
    if (const auto source = UpdatableSource::fromSelect(sql))
        writer = std::make_unique<SqlRecordWriter>(backend_, source->table, backend_->primaryKey(source->bareName));
    else
        writer = std::make_unique<RefusingRecordWriter>();
    return recordsetOf(std::move(result), std::move(writer));
}

void zavCoreDataAccess2016::ExecutaSQL(const QString& /*contexto*/, const QString& sql)
{
    if (!backend_)
        notConnected();
    const QStringList statements = statementsOf(sql);
    if (statements.size() <= 1) {
        backend_->execute(statements.isEmpty() ? sql : statements.front());
        return;
    }
    // One by one, as not every driver takes a batch, and all of them or none.
    backend_->inTransaction([&] {
        for (const QString& statement : statements)
            backend_->execute(statement);
    });
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

QString zavCoreDataAccess2016::readOnlyReason() const
{
    return backend_ ? backend_->readOnlyReason() : QString();
}

QString SqlTexto(const QString& value)
{
    QString quoted = value;
    return quoted.replace(u'\'', QLatin1StringView("''"));
}

QString SqlNumero(const QString& value)
{
    // Anchored at both ends: "$" alone would let a final line break through.
    static const QRegularExpression wholeNumber(QRegularExpression::anchoredPattern(QStringLiteral("[+-]?[0-9]+")));
    if (!wholeNumber.match(value).hasMatch())
        throw RuntimeError(errors::TypeMismatch, errors::description(errors::TypeMismatch) + QStringLiteral(": '%1' não é um número inteiro").arg(value));
    return value;
}

} // namespace zav
