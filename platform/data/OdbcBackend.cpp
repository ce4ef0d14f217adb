#include "platform/data/OdbcBackend.h"

#include "platform/data/Currency.h"
#include "platform/data/Decimal.h"
#include "platform/data/RuntimeError.h"
#include "platform/data/WallClock.h"

#include <QDateTime>
#include <QRegularExpression>

#include <sql.h>
#include <sqlext.h>

#include <algorithm>

namespace zav {

namespace {

constexpr QLatin1StringView Source("ODBC");

QString descriptionOf(const QList<OdbcDiagnostic>& diagnostics)
{
    QStringList texts;
    for (const OdbcDiagnostic& d : diagnostics)
        texts << d.text;
    return texts.join(u'\n');
}

// SQL_NO_DATA is no failure: a statement without rows, or one that changed none.
void check(SQLRETURN rc, const OdbcHandle& handle)
{
    if (SQL_SUCCEEDED(rc) || rc == SQL_NO_DATA)
        return;
    const QList<OdbcDiagnostic> diagnostics = handle.diagnostics();
    throw RuntimeError(OdbcBackend::providerNumber(diagnostics), descriptionOf(diagnostics), Source);
}

SQLWCHAR* wide(const QString& text)
{
    return reinterpret_cast<SQLWCHAR*>(const_cast<char16_t*>(reinterpret_cast<const char16_t*>(text.utf16())));
}

// ---- reading ----

struct Column {
    QString name;
    QString typeName; // the server's: "money", "datetime2", ...
    SQLSMALLINT type = 0;
    SQLULEN size = 0;
    SQLSMALLINT digits = 0;
};

Column describe(const OdbcHandle& statement, SQLUSMALLINT number)
{
    Column column;
    SQLWCHAR name[256];
    SQLSMALLINT nameLength = 0, nullable = 0;
    check(SQLDescribeColW(statement.get(), number, name, SQLSMALLINT(std::size(name)), &nameLength, &column.type,
                          &column.size, &column.digits, &nullable),
          statement);
    column.name = QString::fromUtf16(reinterpret_cast<const char16_t*>(name), std::min<int>(nameLength, std::size(name) - 1));
    // Money and decimal(19,4) are described alike, datetime and datetime2 too:
    // the type's name tells them apart.
    SQLWCHAR typeName[64] = {};
    SQLSMALLINT typeNameBytes = 0;
    check(SQLColAttributeW(statement.get(), number, SQL_DESC_TYPE_NAME, typeName, sizeof typeName, &typeNameBytes, nullptr),
          statement);
    column.typeName = QString::fromUtf16(reinterpret_cast<const char16_t*>(typeName)).toLower();
    return column;
}

// The field a column is read into; `known` is false for types held as they come.
FieldInfo fieldFor(const Column& column, bool* known)
{
    FieldInfo field{column.name, FieldType::Text, 0, true, column.typeName};
    *known = true;
    switch (column.type) {
    case SQL_CHAR:
    case SQL_VARCHAR:
    case SQL_WCHAR:
    case SQL_WVARCHAR:
        field.size = column.size < 8000 ? int(column.size) : 0; // (max) is unlimited
        break;
    case SQL_LONGVARCHAR:
    case SQL_WLONGVARCHAR:
    case SQL_GUID:
        break;
    case SQL_DECIMAL:
    case SQL_NUMERIC:
        field.type = numericFieldType(column.typeName, int(column.size), column.digits);
        break;
    case SQL_BIT:
        field.type = FieldType::Boolean;
        break;
    case SQL_TINYINT:
    case SQL_SMALLINT:
        field.type = FieldType::SmallInt;
        break;
    case SQL_INTEGER:
        field.type = FieldType::Long;
        break;
    case SQL_BIGINT:
        field.type = FieldType::BigInt;
        break;
    case SQL_REAL:
    case SQL_FLOAT:
    case SQL_DOUBLE:
        field.type = FieldType::Double;
        break;
    case SQL_TYPE_DATE:
    case SQL_TYPE_TIMESTAMP:
        field.type = FieldType::DateTime;
        break;
    default:
        *known = false;
    }
    return field;
}

// A value of variable length (text as UTF-16, or bytes), read in pieces.
QVariant readPieces(const OdbcHandle& statement, SQLUSMALLINT column, bool asText)
{
    const SQLSMALLINT cType = asText ? SQL_C_WCHAR : SQL_C_BINARY;
    const SQLLEN terminator = asText ? SQLLEN(sizeof(SQLWCHAR)) : 0;
    QByteArray whole;
    QByteArray piece(8192, Qt::Uninitialized);
    for (;;) {
        SQLLEN indicator = 0;
        const SQLRETURN rc = SQLGetData(statement.get(), column, cType, piece.data(), piece.size(), &indicator);
        if (rc == SQL_NO_DATA)
            break;
        check(rc, statement);
        if (indicator == SQL_NULL_DATA)
            return {};
        const bool truncated = indicator == SQL_NO_TOTAL || indicator > piece.size() - terminator;
        whole.append(piece.constData(), truncated ? piece.size() - terminator : indicator);
        if (!truncated)
            break;
    }
    if (!asText)
        return whole;
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(whole.constData()), whole.size() / 2);
}

template <typename T, typename Convert>
QVariant readFixed(const OdbcHandle& statement, SQLUSMALLINT column, SQLSMALLINT cType, Convert convert)
{
    T value{};
    SQLLEN indicator = 0;
    check(SQLGetData(statement.get(), column, cType, &value, sizeof value, &indicator), statement);
    return indicator == SQL_NULL_DATA ? QVariant() : QVariant(convert(value));
}

QVariant readValue(const OdbcHandle& statement, SQLUSMALLINT column, const Column& described, FieldType type)
{
    switch (described.type) {
    case SQL_BINARY:
    case SQL_VARBINARY:
    case SQL_LONGVARBINARY:
        return readPieces(statement, column, false);
    case SQL_DECIMAL:
    case SQL_NUMERIC:
        return readPieces(statement, column, true); // exact, as text
    default:
        break;
    }
    switch (type) {
    case FieldType::Boolean:
        return readFixed<unsigned char>(statement, column, SQL_C_BIT, [](unsigned char b) { return b != 0; });
    case FieldType::SmallInt:
    case FieldType::Long:
        return readFixed<SQLINTEGER>(statement, column, SQL_C_SLONG, [](SQLINTEGER n) { return int(n); });
    case FieldType::BigInt:
        return readFixed<SQLBIGINT>(statement, column, SQL_C_SBIGINT, [](SQLBIGINT n) { return qlonglong(n); });
    case FieldType::Double:
        return readFixed<double>(statement, column, SQL_C_DOUBLE, [](double d) { return d; });
    case FieldType::DateTime:
        return readFixed<SQL_TIMESTAMP_STRUCT>(statement, column, SQL_C_TYPE_TIMESTAMP, [](const SQL_TIMESTAMP_STRUCT& t) {
            return wallclock::of(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second, int(t.fraction / 1000000)));
        });
    default:
        return readPieces(statement, column, true);
    }
}

QueryResult readResult(const OdbcHandle& statement)
{
    QueryResult result;
    SQLSMALLINT count = 0;
    check(SQLNumResultCols(statement.get(), &count), statement);
    std::vector<Column> columns;
    std::vector<bool> known;
    for (SQLUSMALLINT c = 1; c <= count; ++c) {
        columns.push_back(describe(statement, c));
        bool isKnown = false;
        result.fields.append(fieldFor(columns.back(), &isKnown));
        known.push_back(isKnown);
    }
    while (count > 0) {
        const SQLRETURN rc = SQLFetch(statement.get());
        if (rc == SQL_NO_DATA)
            break;
        check(rc, statement);
        std::vector<QVariant> row(static_cast<size_t>(count));
        for (SQLUSMALLINT c = 1; c <= count; ++c)
            row[c - 1] = readValue(statement, c, columns[c - 1], result.fields[c - 1].type);
        result.rows.push_back(std::move(row));
    }
    settleResultTypes(result, known);
    return result;
}

// ---- binding ----

// The values for a statement's "?" marks, bound to it and held, each in the C
// type that carries it exactly (text as UTF-16, currency as decimal text,
// dates as timestamps), for as long as the statement runs.
class Parameters {
public:
    Parameters(const OdbcHandle& statement, const std::vector<QVariant>& values)
    {
        parameters_.reserve(values.size()); // bound by address: never moved
        SQLUSMALLINT number = 0;
        for (const QVariant& v : values) {
            Parameter& p = parameters_.emplace_back(parameterFor(v));
            check(SQLBindParameter(statement.get(), ++number, SQL_PARAM_INPUT, p.cType, p.sqlType, p.size, p.digits,
                                   p.data(), 0, &p.indicator),
                  statement);
        }
    }
    Parameters(const Parameters&) = delete;
    Parameters& operator=(const Parameters&) = delete;

private:
    struct Parameter {
        SQLSMALLINT cType = SQL_C_WCHAR;
        SQLSMALLINT sqlType = SQL_WVARCHAR;
        SQLULEN size = 1;
        SQLSMALLINT digits = 0;
        QString text;     // SQL_C_WCHAR
        QByteArray bytes; // SQL_C_CHAR, SQL_C_BINARY
        union {
            SQLINTEGER integer;
            SQLBIGINT bigInteger;
            double real;
            unsigned char bit;
            SQL_TIMESTAMP_STRUCT timestamp;
        } fixed{};
        SQLLEN indicator = 0;

        SQLPOINTER data()
        {
            if (cType == SQL_C_WCHAR)
                return wide(text);
            if (cType == SQL_C_CHAR || cType == SQL_C_BINARY)
                return bytes.data();
            return &fixed;
        }
    };

    // SQL Server's nvarchar(n) holds at most 4000 characters; a longer text is
    // sent as nvarchar(max), as FreeTDS would otherwise cut it there.
    static constexpr SQLULEN LongestShortText = 4000;

    static Parameter typed(SQLSMALLINT cType, SQLSMALLINT sqlType)
    {
        Parameter p;
        p.cType = cType;
        p.sqlType = sqlType;
        return p;
    }

    // A number as its digits, sent as a decimal of `precision` digits, `scale`
    // of them after the point; by default as many as the text has.
    static Parameter exactNumber(const QString& text, int precision = 0, int scale = -1)
    {
        Parameter p = typed(SQL_C_CHAR, SQL_DECIMAL);
        p.bytes = text.toLatin1();
        p.indicator = p.bytes.size();
        const qsizetype point = p.bytes.indexOf('.');
        const int places = point < 0 ? 0 : int(p.bytes.size() - point - 1);
        const int digits = int(std::count_if(p.bytes.begin(), p.bytes.end(), [](char c) { return c >= '0' && c <= '9'; }));
        p.digits = SQLSMALLINT(scale < 0 ? places : scale);
        p.size = SQLULEN(precision > 0 ? precision : std::max(digits, places + 1));
        return p;
    }

    static Parameter parameterFor(const QVariant& v)
    {
        if (v.isNull()) { // as text, which SQL Server converts to any column type but binary
            Parameter p;
            p.indicator = SQL_NULL_DATA;
            return p;
        }
        if (v.metaType() == QMetaType::fromType<Currency>())
            return exactNumber(v.value<Currency>().toString(), 19, 4); // the column's own digits, decimal(19,4)
        if (v.metaType() == QMetaType::fromType<Decimal>())
            return exactNumber(v.value<Decimal>().toString());
        Parameter p;
        switch (v.metaType().id()) {
        case QMetaType::Bool:
            p = typed(SQL_C_BIT, SQL_BIT);
            p.fixed.bit = v.toBool() ? 1 : 0;
            return p;
        case QMetaType::Int:
        case QMetaType::Short:
        case QMetaType::UShort:
            p = typed(SQL_C_SLONG, SQL_INTEGER);
            p.fixed.integer = v.toInt();
            return p;
        case QMetaType::UInt:
        case QMetaType::LongLong:
            p = typed(SQL_C_SBIGINT, SQL_BIGINT);
            p.fixed.bigInteger = v.toLongLong();
            return p;
        case QMetaType::Double:
        case QMetaType::Float:
            p = typed(SQL_C_DOUBLE, SQL_DOUBLE);
            p.fixed.real = v.toDouble();
            return p;
        case QMetaType::QDate:
        case QMetaType::QDateTime: {
            const QDateTime moment = v.toDateTime();
            const QDate d = moment.date();
            const QTime t = moment.time();
            p = typed(SQL_C_TYPE_TIMESTAMP, SQL_TYPE_TIMESTAMP);
            p.size = 23; // yyyy-mm-dd hh:mm:ss.fff
            p.digits = 3;
            p.fixed.timestamp = {SQLSMALLINT(d.year()), SQLUSMALLINT(d.month()), SQLUSMALLINT(d.day()), SQLUSMALLINT(t.hour()),
                                 SQLUSMALLINT(t.minute()), SQLUSMALLINT(t.second()), SQLUINTEGER(t.msec()) * 1000000};
            return p;
        }
        case QMetaType::QByteArray:
            p = typed(SQL_C_BINARY, SQL_VARBINARY);
            p.bytes = v.toByteArray();
            p.size = std::max<SQLULEN>(SQLULEN(p.bytes.size()), 1);
            p.indicator = p.bytes.size();
            return p;
        default:
            p.text = v.toString();
            p.size = std::max<SQLULEN>(SQLULEN(p.text.size()), 1);
            p.sqlType = p.size > LongestShortText ? SQL_WLONGVARCHAR : SQL_WVARCHAR;
            p.indicator = SQLLEN(p.text.size() * sizeof(SQLWCHAR));
            return p;
        }
    }

    std::vector<Parameter> parameters_;
};

} // namespace

OdbcBackend::OdbcBackend(const QString& odbcConnectionText, OdbcTimeouts timeouts)
    : timeouts_(timeouts), environment_(OdbcHandle::environment())
{
    OdbcHandle connection(OdbcHandle::Kind::Connection, environment_);
    check(SQLSetConnectAttrW(connection.get(), SQL_ATTR_LOGIN_TIMEOUT,
                             reinterpret_cast<SQLPOINTER>(SQLULEN(timeouts_.loginSeconds)), SQL_IS_UINTEGER),
          connection);
    const SQLRETURN rc = SQLDriverConnectW(connection.get(), nullptr, wide(odbcConnectionText), SQL_NTS, nullptr, 0,
                                           nullptr, SQL_DRIVER_NOPROMPT);
    if (!SQL_SUCCEEDED(rc))
        throw RuntimeError(errors::Unspecified, descriptionOf(connection.diagnostics()), Source);
    connection.markConnected();

    SQLWCHAR name[64] = {};
    SQLSMALLINT length = 0;
    check(SQLGetInfoW(connection.get(), SQL_DBMS_NAME, name, sizeof name, &length), connection);
    sqlServer_ = QString::fromUtf16(reinterpret_cast<const char16_t*>(name)).contains(QLatin1StringView("SQL Server"));
    connection_.emplace(std::move(connection));
}

OdbcBackend::~OdbcBackend()
{
    close();
}

quint32 OdbcBackend::providerNumber(const QList<OdbcDiagnostic>& diagnostics)
{
    QStringList codes, said;
    for (const OdbcDiagnostic& d : diagnostics) {
        codes << QString::number(d.native);
        said << d.state << d.text;
    }
    const QString text = said.join(u' ');
    auto says = [&](const char* words) { return text.contains(QLatin1StringView(words), Qt::CaseInsensitive); };
    auto coded = [&](std::initializer_list<const char*> numbers) {
        return std::any_of(numbers.begin(), numbers.end(), [&](const char* n) { return codes.contains(QLatin1StringView(n)); });
    };

    if (says("HYT00"))
        return errors::QueryTimeout;
    if (coded({"208"}) || says("42S02") || says("no such table") || says("Invalid object name"))
        return errors::ObjectNotFound;
    if (says("23000") || says("constraint") || coded({"2627", "2601", "547", "515"}))
        return errors::IntegrityViolation;
    if (text.contains(QRegularExpression(QStringLiteral("\\b42[0-9A-Z]{3}\\b"))) || says("syntax") || says("no such column")
        || says("Invalid column name") || says("no such function") || coded({"102", "156", "207"}))
        return errors::CommandError;
    return errors::Unspecified;
}

void OdbcBackend::requireOpen() const
{
    if (!connection_)
        throw RuntimeError(errors::OperationNotAllowed, QStringLiteral("A ligação está fechada."), Source);
}

OdbcHandle OdbcBackend::newStatement() const
{
    requireOpen();
    OdbcHandle statement(OdbcHandle::Kind::Statement, *connection_);
    check(SQLSetStmtAttrW(statement.get(), SQL_ATTR_QUERY_TIMEOUT,
                          reinterpret_cast<SQLPOINTER>(SQLULEN(timeouts_.statementSeconds)), SQL_IS_UINTEGER),
          statement);
    return statement;
}

QueryResult OdbcBackend::select(const QString& sql)
{
    const OdbcHandle statement = newStatement();
    check(SQLExecDirectW(statement.get(), wide(sql), SQL_NTS), statement);
    return readResult(statement);
}

int OdbcBackend::execute(const QString& sql, const std::vector<QVariant>& values)
{
    const OdbcHandle statement = newStatement();
    const Parameters parameters(statement, values);
    const SQLRETURN rc = SQLExecDirectW(statement.get(), wide(sql), SQL_NTS);
    check(rc, statement);
    SQLLEN affected = 0;
    if (rc != SQL_NO_DATA) // no data: the statement changed no row
        check(SQLRowCount(statement.get(), &affected), statement);
    return int(std::max<SQLLEN>(affected, 0));
}

QStringList OdbcBackend::primaryKey(const QString& table)
{
    const OdbcHandle statement = newStatement();
    check(SQLPrimaryKeysW(statement.get(), nullptr, 0, nullptr, 0, wide(table), SQL_NTS), statement);
    constexpr int ColumnName = 3; // TABLE_CAT, TABLE_SCHEM, TABLE_NAME, COLUMN_NAME, KEY_SEQ, PK_NAME; in key order
    QStringList columns;
    for (const auto& row : readResult(statement).rows)
        columns << row[ColumnName].toString();
    return columns;
}

QString OdbcBackend::comparedValue(const FieldInfo& field) const
{
    // FreeTDS sends every date and time as a datetime2(7), to which SQL Server
    // widens a datetime column exactly (.997 becomes .9966667), so that the
    // value read would never be found again: it is made a datetime first,
    // rounded to the column's 1/300 s as the value read was.
    if (sqlServer_ && field.type == FieldType::DateTime && field.serverType == u"datetime")
        return QStringLiteral("CAST(? AS datetime)");
    return SqlBackend::comparedValue(field);
}

void OdbcBackend::setSavepoint(const QString& name)
{
    execute((sqlServer_ ? QStringLiteral("SAVE TRANSACTION ") : QStringLiteral("SAVEPOINT ")) + name);
}

void OdbcBackend::releaseSavepoint(const QString& name)
{
    if (!sqlServer_)
        execute(QStringLiteral("RELEASE SAVEPOINT ") + name);
}

void OdbcBackend::rollbackToSavepoint(const QString& name)
{
    execute((sqlServer_ ? QStringLiteral("ROLLBACK TRANSACTION ") : QStringLiteral("ROLLBACK TO SAVEPOINT ")) + name);
}

bool OdbcBackend::isOpen() const
{
    return connection_.has_value();
}

void OdbcBackend::close()
{
    while (connection_ && transactionLevel() > 0) {
        try {
            rollbackTransaction();
        } catch (const RuntimeError&) {
            // the server rolls back what a closed connection left open
        }
    }
    connection_.reset();
}

} // namespace zav
