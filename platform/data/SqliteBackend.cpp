#include "platform/data/SqliteBackend.h"

#include "platform/data/Currency.h"
#include "platform/data/Decimal.h"
#include "platform/data/ErpCollation.h"
#include "platform/data/OutgrownIndexes.h"
#include "platform/data/RuntimeError.h"
#include "platform/data/SqliteDialect.h"
#include "platform/data/WallClock.h"

#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QUrl>
#include <QUuid>
#include <sqlite3.h>

namespace zav {

namespace {

constexpr QLatin1StringView Source("SQLite");

void concatFunction(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    QByteArray text;
    for (int i = 0; i < argc; ++i)
        if (sqlite3_value_type(argv[i]) != SQLITE_NULL)
            text.append(reinterpret_cast<const char*>(sqlite3_value_text(argv[i])), sqlite3_value_bytes(argv[i]));
    sqlite3_result_text(context, text.constData(), int(text.size()), SQLITE_TRANSIENT);
}

struct StatementDeleter {
    void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementDeleter>;

QVariant columnValue(sqlite3_stmt* s, int column, FieldType type)
{
    switch (sqlite3_column_type(s, column)) {
    case SQLITE_INTEGER:
        return qlonglong(sqlite3_column_int64(s, column));
    case SQLITE_FLOAT:
        return sqlite3_column_double(s, column);
    case SQLITE_TEXT: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(s, column));
        const int size = sqlite3_column_bytes(s, column);
        // A date in the stored layout becomes its value here; text of any
        // other kind is left to settleResultTypes.
        if (type == FieldType::DateTime)
            if (const QDateTime stored = wallclock::fromText(QByteArrayView(text, size)); stored.isValid())
                return stored;
        return QString::fromUtf8(text, size);
    }
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char*>(sqlite3_column_blob(s, column)), sqlite3_column_bytes(s, column));
    default:
        return {};
    }
}

int bindValue(sqlite3_stmt* s, int index, const QVariant& v)
{
    if (v.isNull())
        return sqlite3_bind_null(s, index);
    if (v.metaType() == QMetaType::fromType<Currency>()) {
        const Currency c = v.value<Currency>();
        return c.units() % Currency::Scale == 0 ? sqlite3_bind_int64(s, index, c.units() / Currency::Scale)
                                                : sqlite3_bind_double(s, index, c.toDouble());
    }
    if (v.metaType() == QMetaType::fromType<Decimal>()) { // as text, which a numeric column turns into its number
        const QByteArray text = v.value<Decimal>().toString().toLatin1();
        return sqlite3_bind_text(s, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
    }
    switch (v.metaType().id()) {
    case QMetaType::Bool:
        return sqlite3_bind_int(s, index, v.toBool() ? 1 : 0);
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Short:
        return sqlite3_bind_int64(s, index, v.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return sqlite3_bind_double(s, index, v.toDouble());
    case QMetaType::QDateTime:
    case QMetaType::QDate: {
        const QDateTime value = v.metaType().id() == QMetaType::QDate ? wallclock::of(v.toDate()) : v.toDateTime();
        const QByteArray text = wallclock::text(value).toLatin1();
        return sqlite3_bind_text(s, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
    }
    case QMetaType::QByteArray: {
        const QByteArray bytes = v.toByteArray();
        return sqlite3_bind_blob(s, index, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
    }
    default: {
        const QByteArray text = v.toString().toUtf8();
        return sqlite3_bind_text(s, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
    }
    }
}

} // namespace

SqliteBackend::SqliteBackend(const QString& file)
    : connectionName_(QStringLiteral("zav-sqlite-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
    // A mistyped name must not leave an empty database behind: "mode=rw" opens
    // only a file that is there.
    if (!QFileInfo(file).isFile())
        throw RuntimeError(errors::Unspecified, QStringLiteral("O ficheiro da base de dados %1 não existe.").arg(file), Source);
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
    QUrl uri = QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath());
    uri.setQuery(QStringLiteral("mode=rw"));
    db_.setDatabaseName(uri.toString(QUrl::FullyEncoded));
    db_.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000;QSQLITE_OPEN_URI"));
    if (!db_.open()) {
        const QString why = db_.lastError().text();
        close();
        throw RuntimeError(errors::Unspecified, QStringLiteral("Não foi possível abrir %1: %2").arg(file, why), Source);
    }
    const QVariant h = db_.driver()->handle();
    if (h.isValid() && qstrcmp(h.typeName(), "sqlite3*") == 0)
        handle_ = *static_cast<sqlite3* const*>(h.constData());
    if (!handle_) {
        close();
        throw RuntimeError(errors::Unspecified, QStringLiteral("Sem ligação SQLite a %1").arg(file), Source);
    }
    if (!ErpCollation::registerOn(handle_)) {
        close();
        throw RuntimeError(errors::Unspecified, QStringLiteral("Sem a comparação de textos da empresa em %1").arg(file), Source);
    }
    // SQL Server takes "name" for a name only: an unknown one must not turn into a text.
    sqlite3_db_config(handle_, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(handle_, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
    sqlite3_create_function_v2(handle_, "concat", -1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, &concatFunction,
                               nullptr, nullptr, nullptr);
    rebuildIndexesOfEarlierComparison();
}

SqliteBackend::~SqliteBackend()
{
    close();
}

// Indexes built under an earlier version of the comparison are rebuilt once.
// When that cannot be done now, this connection writes nothing.
void SqliteBackend::rebuildIndexesOfEarlierComparison()
{
    const OutgrownIndexes indexes(handle_);
    if (indexes.present())
        readOnlyReason_ = indexes.rebuild();
}

void SqliteBackend::beginOutermost()
{
    execute(QStringLiteral("BEGIN IMMEDIATE TRANSACTION"));
}

sqlite3* SqliteBackend::handle() const
{
    if (!handle_)
        throw RuntimeError(errors::OperationNotAllowed, QStringLiteral("A ligação está fechada."), Source);
    return handle_;
}

void SqliteBackend::fail(int code) const
{
    const QString message = QString::fromUtf8(sqlite3_errmsg(handle_));
    quint32 number = errors::Unspecified;
    if (message.startsWith(QLatin1StringView("no such table")))
        number = errors::ObjectNotFound;
    else if ((code & 0xff) == SQLITE_CONSTRAINT)
        number = errors::IntegrityViolation;
    else if ((code & 0xff) == SQLITE_ERROR || (code & 0xff) == SQLITE_MISMATCH || (code & 0xff) == SQLITE_RANGE)
        number = errors::CommandError;
    throw RuntimeError(number, message, Source);
}

QueryResult SqliteBackend::select(const QString& sql)
{
    const QByteArray text = SqliteDialect::translate(sql).toUtf8();
    sqlite3_stmt* raw = nullptr;
    if (const int rc = sqlite3_prepare_v2(handle(), text.constData(), int(text.size()), &raw, nullptr); rc != SQLITE_OK)
        fail(rc);
    if (!raw) // only blanks or comments
        throw RuntimeError(errors::CommandError, QStringLiteral("O texto do comando está vazio."), Source);
    const Statement statement(raw);

    QueryResult result;
    const int columns = sqlite3_column_count(raw);
    std::vector<bool> known(static_cast<size_t>(columns));
    std::vector<FieldType> types;
    for (int c = 0; c < columns; ++c) {
        const char* declared = sqlite3_column_decltype(raw, c);
        bool isKnown = false;
        result.fields.append(fieldForDeclaredType(QString::fromUtf8(sqlite3_column_name(raw, c)),
                                                  QString::fromUtf8(declared ? declared : ""), &isKnown));
        known[size_t(c)] = isKnown;
        types.push_back(result.fields.back().type);
    }
    int rc;
    while ((rc = sqlite3_step(raw)) == SQLITE_ROW) {
        std::vector<QVariant> row(static_cast<size_t>(columns));
        for (int c = 0; c < columns; ++c)
            row[size_t(c)] = columnValue(raw, c, types[size_t(c)]);
        result.rows.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE)
        fail(rc);
    settleResultTypes(result, known);
    return result;
}

int SqliteBackend::execute(const QString& sql, const std::vector<QVariant>& values)
{
    // Every write, and every transaction, comes this way.
    if (!readOnlyReason_.isEmpty())
        throw RuntimeError(errors::Unspecified, readOnlyReason_, Source);
    const QByteArray text = SqliteDialect::translate(sql).toUtf8();
    const char* next = text.constData();
    const char* end = next + text.size();
    int changes = 0;
    bool first = true;
    while (next < end) {
        sqlite3_stmt* raw = nullptr;
        if (const int rc = sqlite3_prepare_v2(handle(), next, int(end - next), &raw, &next); rc != SQLITE_OK)
            fail(rc);
        if (!raw)
            break;
        const Statement statement(raw);
        if (first)
            for (size_t i = 0; i < values.size(); ++i)
                if (const int rc = bindValue(raw, int(i) + 1, values[i]); rc != SQLITE_OK)
                    fail(rc);
        first = false;
        int rc;
        while ((rc = sqlite3_step(raw)) == SQLITE_ROW) {
        }
        if (rc != SQLITE_DONE)
            fail(rc);
        changes = sqlite3_changes(handle_);
    }
    return changes;
}

QStringList SqliteBackend::primaryKey(const QString& table)
{
    handle();
    return primaryKeyColumns(db_, table);
}

QString SqliteBackend::readOnlyReason() const
{
    return readOnlyReason_;
}

bool SqliteBackend::isOpen() const
{
    return handle_ != nullptr;
}

void SqliteBackend::close()
{
    handle_ = nullptr;
    if (db_.isValid())
        db_.close();
    db_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(connectionName_);
}

} // namespace zav
