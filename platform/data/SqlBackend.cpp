#include "platform/data/SqlBackend.h"

#include "platform/data/ConnectionString.h"
#include "platform/data/OdbcBackend.h"
#include "platform/data/RuntimeError.h"
#include "platform/data/SqliteBackend.h"

#include "platform/data/Currency.h"
#include "platform/data/Decimal.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QSqlIndex>
#include <limits>

namespace zav {

std::shared_ptr<SqlBackend> SqlBackend::open(const ConnectionString& connection)
{
    if (connection.isSqlite())
        return std::make_shared<SqliteBackend>(connection.sqliteFile());
    return std::make_shared<OdbcBackend>(connection.odbcConnectionText());
}

int SqlBackend::beginTransaction()
{
    if (level_ == 0)
        beginOutermost();
    else
        setSavepoint(savepointName(level_ + 1));
    return ++level_;
}

void SqlBackend::commitTransaction()
{
    requireTransaction();
    if (level_ == 1)
        commitOutermost(); // a failed commit leaves the transaction open, to be rolled back
    else
        releaseSavepoint(savepointName(level_));
    --level_;
}

void SqlBackend::rollbackTransaction()
{
    requireTransaction();
    // The level is given up first: should the engine have ended the transaction
    // already (SQLite does on some failures), there is nothing left to roll back.
    const int level = level_--;
    if (level == 1) {
        rollbackOutermost();
    } else {
        rollbackToSavepoint(savepointName(level));
        releaseSavepoint(savepointName(level));
    }
}

void SqlBackend::inTransaction(const std::function<void()>& work)
{
    beginTransaction();
    try {
        work();
        commitTransaction();
    } catch (...) {
        try {
            rollbackTransaction();
        } catch (const RuntimeError&) {
            // the first failure is the one to report
        }
        throw;
    }
}

void SqlBackend::requireTransaction() const
{
    if (level_ == 0)
        throw RuntimeError(errors::NoTransaction, QStringLiteral("Não há nenhuma transação ativa."));
}

QString SqlBackend::savepointName(int level)
{
    return QStringLiteral("zav_nivel%1").arg(level);
}

QString SqlBackend::comparedValue(const FieldInfo&) const
{
    return QStringLiteral("?");
}

void SqlBackend::beginOutermost() { execute(QStringLiteral("BEGIN TRANSACTION")); }
void SqlBackend::commitOutermost() { execute(QStringLiteral("COMMIT TRANSACTION")); }
void SqlBackend::rollbackOutermost() { execute(QStringLiteral("ROLLBACK TRANSACTION")); }
void SqlBackend::setSavepoint(const QString& name) { execute(QStringLiteral("SAVEPOINT ") + name); }
void SqlBackend::releaseSavepoint(const QString& name) { execute(QStringLiteral("RELEASE SAVEPOINT ") + name); }
void SqlBackend::rollbackToSavepoint(const QString& name) { execute(QStringLiteral("ROLLBACK TO SAVEPOINT ") + name); }

QStringList primaryKeyColumns(const QSqlDatabase& db, const QString& table)
{
    const QSqlIndex index = db.primaryIndex(table);
    QStringList columns;
    for (int i = 0; i < index.count(); ++i)
        columns << index.fieldName(i);
    return columns;
}

namespace {
constexpr int DefaultDecimalPrecision = 18; // a decimal declared without its digits
} // namespace

FieldType numericFieldType(const QString& typeName, int precision, int scale)
{
    constexpr int CurrencyPlaces = 4, CurrencyWholeDigits = 14; // 922337203685477.5807
    if (typeName.compare(QLatin1StringView("money"), Qt::CaseInsensitive) == 0
        || typeName.compare(QLatin1StringView("smallmoney"), Qt::CaseInsensitive) == 0)
        return FieldType::Currency;
    return scale <= CurrencyPlaces && precision - scale <= CurrencyWholeDigits ? FieldType::Currency : FieldType::Decimal;
}

FieldInfo fieldForDeclaredType(const QString& name, const QString& declaredType, bool* known)
{
    static const QRegularExpression form(QStringLiteral("^\\s*([a-z_ ]*?)\\s*(?:\\(\\s*(\\w+)\\s*(?:,\\s*(\\d+)\\s*)?\\))?\\s*$"),
                                         QRegularExpression::CaseInsensitiveOption);
    FieldInfo field{name, FieldType::Text, 0, true};
    const auto m = form.match(declaredType);
    const QString type = m.captured(1).toLower();
    const QString size = m.captured(2);
    const int scale = m.capturedLength(3) ? m.captured(3).toInt() : 0;
    bool recognised = true;
    field.serverType = type;

    if (type.contains(QLatin1StringView("char")) || type.contains(QLatin1StringView("text")) || type == u"clob"
        || type == u"uniqueidentifier" || type == u"xml")
        field.size = size.toInt(); // "max" and no size are both unlimited
    else if (type == u"money" || type == u"smallmoney" || type == u"decimal" || type == u"numeric")
        field.type = numericFieldType(type, size.isEmpty() ? DefaultDecimalPrecision : size.toInt(), scale);
    else if (type == u"bit" || type == u"bool" || type == u"boolean")
        field.type = FieldType::Boolean;
    else if (type == u"tinyint" || type == u"smallint")
        field.type = FieldType::SmallInt;
    else if (type == u"int" || type == u"integer" || type == u"mediumint")
        field.type = FieldType::Long;
    else if (type == u"bigint")
        field.type = FieldType::BigInt;
    else if (type == u"float" || type == u"real" || type == u"double" || type == u"double precision")
        field.type = FieldType::Double;
    else if (type == u"datetime" || type == u"date" || type == u"smalldatetime" || type == u"datetime2")
        field.type = FieldType::DateTime;
    else
        recognised = false;
    if (known)
        *known = recognised;
    return field;
}

namespace {

FieldType typeFromValues(const std::vector<std::vector<QVariant>>& rows, size_t column)
{
    bool anyValue = false, allWhole = true, allNumeric = true, fitsLong = true;
    for (const auto& row : rows) {
        const QVariant& v = row[column];
        if (v.isNull())
            continue;
        anyValue = true;
        const int id = v.metaType().id();
        if (id == QMetaType::LongLong || id == QMetaType::Int) {
            const qlonglong n = v.toLongLong();
            fitsLong = fitsLong && n >= std::numeric_limits<qint32>::min() && n <= std::numeric_limits<qint32>::max();
        } else if (id == QMetaType::Double) {
            allWhole = false;
        } else {
            allNumeric = false;
            break;
        }
    }
    if (!anyValue || !allNumeric)
        return FieldType::Text;
    if (!allWhole)
        return FieldType::Double;
    return fitsLong ? FieldType::Long : FieldType::BigInt;
}

QMetaType storageOf(FieldType type)
{
    switch (type) {
    case FieldType::Text: return QMetaType::fromType<QString>();
    case FieldType::Currency: return QMetaType::fromType<Currency>();
    case FieldType::SmallInt:
    case FieldType::Long: return QMetaType::fromType<int>();
    case FieldType::BigInt: return QMetaType::fromType<qlonglong>();
    case FieldType::Decimal: return QMetaType::fromType<Decimal>();
    case FieldType::Double: return QMetaType::fromType<double>();
    case FieldType::DateTime: return QMetaType::fromType<QDateTime>();
    case FieldType::Boolean: return QMetaType::fromType<bool>();
    }
    return {};
}

} // namespace

void settleResultTypes(QueryResult& result, const std::vector<bool>& known)
{
    for (qsizetype c = 0; c < result.fields.size(); ++c) {
        FieldInfo& field = result.fields[c];
        if (!known[size_t(c)])
            field.type = typeFromValues(result.rows, size_t(c));
        const QMetaType storage = storageOf(field.type);
        for (auto& row : result.rows) {
            QVariant& v = row[size_t(c)];
            if (v.isNull()) {
                v = QVariant();
                continue;
            }
            if (v.metaType() == storage)
                continue;
            try {
                v = fieldvalue::convertForComparison(v, field.type);
            } catch (const RuntimeError& e) {
                // A value of another kind (a SQLite column may hold anything) is
                // handed over as the database gave it; a number too large for
                // its field is an overflow, as the server would never give it.
                if (e.number() == errors::Overflow)
                    throw;
            }
        }
    }
}

} // namespace zav
