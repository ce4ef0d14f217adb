#include "platform/data/OdbcBackend.h"

#include "platform/data/Currency.h"
#include "platform/data/RuntimeError.h"

#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>

namespace zav {

namespace {

constexpr QLatin1StringView Source("ODBC");

// ODBC's SQL type codes for exact decimals and small integers.
constexpr int SqlNumeric = 2;
constexpr int SqlDecimal = 3;
constexpr int SqlSmallInt = 5;
constexpr int SqlTinyInt = -6;

[[noreturn]] void fail(const QSqlError& error)
{
    const QString description = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    throw RuntimeError(OdbcBackend::providerNumber(error), description, Source);
}

// The column written as a declared type, so that both backends read types alike.
QString declaredType(const QSqlField& f)
{
    switch (f.metaType().id()) {
    case QMetaType::QString:
        return QStringLiteral("nvarchar(%1)").arg(f.length() > 0 && f.length() < 8000 ? f.length() : 0);
    case QMetaType::Int:
    case QMetaType::UInt:
        return f.typeID() == SqlSmallInt || f.typeID() == SqlTinyInt ? QStringLiteral("smallint") : QStringLiteral("int");
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return QStringLiteral("bigint");
    case QMetaType::Double:
        if (f.typeID() == SqlNumeric || f.typeID() == SqlDecimal)
            return QStringLiteral("decimal(%1,%2)").arg(std::max(f.length(), 1)).arg(std::max(f.precision(), 0));
        return QStringLiteral("float");
    case QMetaType::Bool:
        return QStringLiteral("bit");
    case QMetaType::QDateTime:
    case QMetaType::QDate:
        return QStringLiteral("datetime");
    default:
        return {};
    }
}

QVariant boundValue(const QVariant& v)
{
    if (v.isNull())
        return QVariant(QMetaType::fromType<QString>());
    if (v.metaType() == QMetaType::fromType<Currency>())
        return v.value<Currency>().toString();
    return v;
}

} // namespace

OdbcBackend::OdbcBackend(const QString& odbcConnectionText)
    : connectionName_(QStringLiteral("zav-odbc-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), connectionName_);
    db_.setDatabaseName(odbcConnectionText);
    if (!db_.open()) {
        const QSqlError error = db_.lastError();
        close();
        throw RuntimeError(errors::Unspecified, error.text(), Source);
    }
}

OdbcBackend::~OdbcBackend()
{
    close();
}

quint32 OdbcBackend::providerNumber(const QSqlError& error)
{
    const QString native = error.nativeErrorCode();
    const QString text = error.databaseText() + u' ' + error.driverText();
    auto says = [&](const char* words) { return text.contains(QLatin1StringView(words), Qt::CaseInsensitive); };
    const QStringList codes = native.split(QRegularExpression(QStringLiteral("[;, ]+")), Qt::SkipEmptyParts);

    if (codes.contains(QLatin1StringView("208")) || says("42S02") || says("no such table") || says("Invalid object name"))
        return errors::ObjectNotFound;
    if (says("23000") || says("constraint") || codes.contains(QLatin1StringView("2627"))
        || codes.contains(QLatin1StringView("2601")) || codes.contains(QLatin1StringView("547"))
        || codes.contains(QLatin1StringView("515")))
        return errors::IntegrityViolation;
    if (text.contains(QRegularExpression(QStringLiteral("\\b42[0-9A-Z]{3}\\b"))) || says("syntax") || says("no such column")
        || says("Invalid column name") || says("no such function") || codes.contains(QLatin1StringView("102"))
        || codes.contains(QLatin1StringView("156")) || codes.contains(QLatin1StringView("207")))
        return errors::CommandError;
    return errors::Unspecified;
}

void OdbcBackend::requireOpen() const
{
    if (!db_.isValid() || !db_.isOpen())
        throw RuntimeError(errors::OperationNotAllowed, QStringLiteral("A ligação está fechada."), Source);
}

QueryResult OdbcBackend::select(const QString& sql)
{
    requireOpen();
    QSqlQuery query(db_);
    query.setForwardOnly(true);
    query.setNumericalPrecisionPolicy(QSql::HighPrecision);
    if (!query.exec(sql))
        fail(query.lastError());

    QueryResult result;
    const QSqlRecord record = query.record();
    std::vector<bool> known(static_cast<size_t>(record.count()));
    for (int c = 0; c < record.count(); ++c) {
        bool isKnown = false;
        result.fields.append(fieldForDeclaredType(record.fieldName(c), declaredType(record.field(c)), &isKnown));
        known[size_t(c)] = isKnown;
    }
    while (query.next()) {
        std::vector<QVariant> row(static_cast<size_t>(record.count()));
        for (int c = 0; c < record.count(); ++c)
            row[size_t(c)] = query.value(c);
        result.rows.push_back(std::move(row));
    }
    if (query.lastError().isValid())
        fail(query.lastError());
    settleResultTypes(result, known);
    return result;
}

int OdbcBackend::execute(const QString& sql, const std::vector<QVariant>& values)
{
    requireOpen();
    QSqlQuery query(db_);
    bool ok;
    if (values.empty()) {
        ok = query.exec(sql);
    } else {
        ok = query.prepare(sql);
        for (const QVariant& v : values)
            query.addBindValue(boundValue(v));
        ok = ok && query.exec();
    }
    if (!ok)
        fail(query.lastError());
    return query.numRowsAffected();
}

QStringList OdbcBackend::primaryKey(const QString& table)
{
    requireOpen();
    return primaryKeyColumns(db_, table);
}

void OdbcBackend::beginOutermost()
{
    requireOpen();
    if (!db_.transaction())
        fail(db_.lastError());
}

void OdbcBackend::commitOutermost()
{
    requireOpen();
    if (!db_.commit())
        fail(db_.lastError());
}

void OdbcBackend::rollbackOutermost()
{
    requireOpen();
    if (!db_.rollback())
        fail(db_.lastError());
}

bool OdbcBackend::isSqlServer() const
{
    return db_.driver()->dbmsType() == QSqlDriver::MSSqlServer;
}

void OdbcBackend::setSavepoint(const QString& name)
{
    execute((isSqlServer() ? QStringLiteral("SAVE TRANSACTION ") : QStringLiteral("SAVEPOINT ")) + name);
}

void OdbcBackend::releaseSavepoint(const QString& name)
{
    if (!isSqlServer())
        execute(QStringLiteral("RELEASE SAVEPOINT ") + name);
}

void OdbcBackend::rollbackToSavepoint(const QString& name)
{
    execute((isSqlServer() ? QStringLiteral("ROLLBACK TRANSACTION ") : QStringLiteral("ROLLBACK TO SAVEPOINT ")) + name);
}

bool OdbcBackend::isOpen() const
{
    return db_.isValid() && db_.isOpen();
}

void OdbcBackend::close()
{
    if (db_.isValid())
        db_.close();
    db_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(connectionName_);
}

} // namespace zav
