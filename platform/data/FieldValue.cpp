#include "platform/data/FieldValue.h"

#include "platform/data/Currency.h"
#include "platform/data/Decimal.h"
#include "platform/data/ErpText.h"
#include "platform/data/RuntimeError.h"
#include "platform/data/WallClock.h"

#include <QDateTime>
#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace zav::fieldvalue {

namespace {

[[noreturn]] void typeMismatch(const QVariant& value)
{
    throw RuntimeError(errors::TypeMismatch, errors::description(errors::TypeMismatch) + QStringLiteral(": ") + plainText(value));
}

bool isTextual(const QVariant& v)
{
    return v.metaType().id() == QMetaType::QString || v.metaType().id() == QMetaType::QByteArray;
}

[[noreturn]] void overflow()
{
    throw RuntimeError(errors::Overflow);
}

qint64 within(qint64 whole, qint64 min, qint64 max)
{
    if (whole < min || whole > max)
        overflow();
    return whole;
}

// A whole number from any numeric or textual value; fractions round half to even, as the run time does.
qint64 wholeNumber(const QVariant& value, qint64 min, qint64 max)
{
    double d;
    if (value.metaType() == QMetaType::fromType<Currency>()) {
        d = value.value<Currency>().toDouble();
    } else if (value.metaType() == QMetaType::fromType<Decimal>()) {
        return wholeNumber(value.value<Decimal>().toString(), min, max);
    } else if (value.metaType().id() == QMetaType::Bool) {
        return value.toBool() ? -1 : 0;
    } else if (isTextual(value)) {
        const QString text = value.toString().trimmed();
        // A whole number is taken as it is: through a double, one beyond 2^53
        // would lose its last digits, and 2^63 - 1 itself would overflow.
        bool whole = false;
        const qint64 exact = text.toLongLong(&whole);
        if (whole)
            return within(exact, min, max);
        // Digits alone that are no qint64 lie beyond its range, where a double
        // would round -2^63 - 1 up into it.
        static const QRegularExpression digitsAlone(QStringLiteral("^[+-]?[0-9]+$"));
        if (digitsAlone.match(text).hasMatch())
            overflow();
        bool ok = false;
        d = QString(text).replace(u',', u'.').toDouble(&ok);
        if (!ok)
            typeMismatch(value);
    } else {
        bool ok = false;
        const qint64 whole = value.toLongLong(&ok);
        if (ok && value.metaType().id() != QMetaType::Double && value.metaType().id() != QMetaType::Float)
            return within(whole, min, max);
        d = value.toDouble(&ok);
        if (!ok)
            typeMismatch(value);
    }
    d = std::nearbyint(d);
    // double(max) + 1 is a power of two and exact, where double(max) itself may
    // round up to it (2^63): a value must stay below it to fit.
    if (!(d >= double(min) && d < double(max) + 1.0))
        overflow();
    return qint64(d);
}

// A date-time as the wall-clock value it reads, never through the machine's zone.
QDateTime dateTimeFrom(const QVariant& value)
{
    if (value.metaType().id() == QMetaType::QDateTime)
        return wallclock::of(value.toDateTime());
    if (value.metaType().id() == QMetaType::QDate)
        return wallclock::of(value.toDate());
    if (isTextual(value)) {
        const QString text = value.toString().trimmed();
        if (const QDateTime stored = wallclock::fromText(text); stored.isValid())
            return stored;
        // Layouts written by other programs: a date, and the time after it.
        struct Layout {
            const char* date;
            char beforeTime; // 0: the date alone
        };
        for (const Layout& layout : {Layout{"yyyy-MM-dd", 'T'}, Layout{"dd-MM-yyyy", 0}, Layout{"dd-MM-yyyy", ' '},
                                     Layout{"M/d/yyyy", 0}}) {
            const qsizetype split = layout.beforeTime ? text.indexOf(QLatin1Char(layout.beforeTime)) : text.size();
            if (split < 0)
                continue;
            const QDate day = QDate::fromString(text.left(split), QLatin1StringView(layout.date));
            const QTime clock = layout.beforeTime ? QTime::fromString(text.mid(split + 1), QStringLiteral("HH:mm:ss"))
                                                  : QTime(0, 0);
            if (day.isValid() && clock.isValid())
                return wallclock::of(day, clock);
        }
    }
    typeMismatch(value);
}

bool booleanFrom(const QVariant& value)
{
    if (isTextual(value)) {
        const QString text = value.toString().trimmed();
        if (text.compare(QLatin1StringView("true"), Qt::CaseInsensitive) == 0)
            return true;
        if (text.compare(QLatin1StringView("false"), Qt::CaseInsensitive) == 0)
            return false;
    }
    return wholeNumber(value, std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max()) != 0;
}

} // namespace

QVariant convertForComparison(const QVariant& value, FieldType type)
{
    if (value.isNull())
        return {};
    switch (type) {
    case FieldType::Text:
        return plainText(value);
    case FieldType::Currency:
        return QVariant::fromValue(Currency::fromVariant(value));
    case FieldType::SmallInt:
        return int(wholeNumber(value, std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max()));
    case FieldType::Long:
        return int(wholeNumber(value, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()));
    case FieldType::BigInt:
        return qlonglong(wholeNumber(value, std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max()));
    case FieldType::Decimal:
        return QVariant::fromValue(Decimal::fromVariant(value));
    case FieldType::Double: {
        if (value.metaType() == QMetaType::fromType<Currency>())
            return value.value<Currency>().toDouble();
        if (value.metaType() == QMetaType::fromType<Decimal>())
            return value.value<Decimal>().toDouble();
        bool ok = false;
        const double d = isTextual(value) ? value.toString().trimmed().replace(u',', u'.').toDouble(&ok) : value.toDouble(&ok);
        if (!ok)
            typeMismatch(value);
        return d;
    }
    case FieldType::DateTime:
        return dateTimeFrom(value);
    case FieldType::Boolean:
        return booleanFrom(value);
    }
    return value;
}

QVariant convert(const QVariant& value, const FieldInfo& field)
{
    if (value.isNull()) {
        if (!field.nullable)
            throw RuntimeError(errors::MultipleStepError,
                               QStringLiteral("O campo '%1' não pode ser Null").arg(field.name));
        return {};
    }
    QVariant converted = convertForComparison(value, field.type);
    if (field.type == FieldType::Text && field.size > 0 && converted.toString().size() > field.size)
        throw RuntimeError(errors::MultipleStepError,
                           QStringLiteral("Texto demasiado longo para o campo '%1' (%2 caracteres no máximo)")
                               .arg(field.name).arg(field.size));
    return converted;
}

QString plainText(const QVariant& value)
{
    if (value.isNull())
        return {};
    switch (value.metaType().id()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return QString::number(value.toDouble(), 'g', 15);
    case QMetaType::QDateTime: {
        const QDateTime dt = value.toDateTime();
        return dt.time() == QTime(0, 0) ? dt.toString(QStringLiteral("yyyy-MM-dd"))
                                        : dt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    }
    case QMetaType::QDate:
        return value.toDate().toString(QStringLiteral("yyyy-MM-dd"));
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    default:
        if (value.metaType() == QMetaType::fromType<Currency>())
            return value.value<Currency>().toString();
        if (value.metaType() == QMetaType::fromType<Decimal>())
            return value.value<Decimal>().toString();
        return value.toString();
    }
}

int compare(const QVariant& a, const QVariant& b, FieldType type)
{
    if (a.isNull() || b.isNull())
        return int(!a.isNull()) - int(!b.isNull());
    auto order = [](auto x, auto y) { return x < y ? -1 : (y < x ? 1 : 0); };
    switch (type) {
    case FieldType::Text:
        return erptext::compare(a.toString(), b.toString());
    case FieldType::Currency:
        return order(a.value<Currency>().units(), b.value<Currency>().units());
    case FieldType::SmallInt:
    case FieldType::Long:
    case FieldType::BigInt:
    case FieldType::Boolean:
        return order(a.toLongLong(), b.toLongLong());
    case FieldType::Decimal:
        return order(a.value<Decimal>(), b.value<Decimal>());
    case FieldType::Double:
        return order(a.toDouble(), b.toDouble());
    case FieldType::DateTime:
        return order(a.toDateTime(), b.toDateTime());
    }
    return 0;
}

} // namespace zav::fieldvalue
