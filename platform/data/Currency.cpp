#include "platform/data/Currency.h"

#include "platform/data/Decimal.h"
#include "platform/data/RuntimeError.h"

#include <QMetaType>
#include <cmath>
#include <limits>

namespace zav {

namespace {

[[noreturn]] void overflow()
{
    throw RuntimeError(errors::Overflow);
}

[[noreturn]] void typeMismatch(const QString& what)
{
    throw RuntimeError(errors::TypeMismatch, errors::description(errors::TypeMismatch) + QStringLiteral(": ") + what);
}

// So that a QVariant holding a Currency converts to a number or text and compares by value.
[[maybe_unused]] const bool conversionsRegistered = [] {
    QMetaType::registerConverter<Currency, double>(&Currency::toDouble);
    QMetaType::registerConverter<Currency, QString>(&Currency::toString);
    QMetaType::registerConverter<Currency, qlonglong>([](const Currency& c) { return c.units() / Currency::Scale; });
    return true;
}();

} // namespace

Currency Currency::fromInteger(std::int64_t whole)
{
    std::int64_t units;
    if (__builtin_mul_overflow(whole, Scale, &units))
        overflow();
    return fromUnits(units);
}

Currency Currency::parse(const QString& text)
{
    const QString s = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == u'-' || s[i] == u'+'))
        negative = s[i++] == u'-';

    // Accumulated with its sign, so that the most negative value, whose
    // magnitude has no positive counterpart, is reached too.
    const int sign = negative ? -1 : 1;
    std::int64_t units = 0;
    int digits = 0;
    int decimals = -1; // -1 until the separator is seen
    int roundingDigit = -1;
    for (; i < s.size(); ++i) {
        const QChar c = s[i];
        if ((c == u'.' || c == u',') && decimals < 0) {
            decimals = 0;
            continue;
        }
        if (!c.isDigit() || c.digitValue() < 0 || c.digitValue() > 9)
            typeMismatch(text);
        const int d = c.digitValue();
        ++digits;
        if (decimals >= 4) {
            if (roundingDigit < 0)
                roundingDigit = d;
            continue;
        }
        if (__builtin_mul_overflow(units, 10, &units) || __builtin_add_overflow(units, sign * d, &units))
            overflow();
        if (decimals >= 0)
            ++decimals;
    }
    if (digits == 0)
        typeMismatch(text);
    for (int k = std::max(decimals, 0); k < 4; ++k)
        if (__builtin_mul_overflow(units, 10, &units))
            overflow();
    if (roundingDigit >= 5 && __builtin_add_overflow(units, sign, &units)) // half away from zero
        overflow();
    return fromUnits(units);
}

Currency Currency::fromVariant(const QVariant& value)
{
    if (value.isNull() || !value.isValid())
        return {};
    switch (value.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return fromInteger(value.toLongLong());
    case QMetaType::ULongLong:
    case QMetaType::ULong:
        if (value.toULongLong() > std::uint64_t(std::numeric_limits<std::int64_t>::max()))
            overflow();
        return fromInteger(value.toLongLong());
    case QMetaType::Bool:
        return fromInteger(value.toBool() ? -1 : 0);
    case QMetaType::Double:
    case QMetaType::Float: {
        const double scaled = std::round(value.toDouble() * Scale);
        // 2^63 is exactly representable; anything at or beyond it does not
        // fit, where -2^63 itself is the least value.
        if (!std::isfinite(scaled) || scaled >= 9223372036854775808.0 || scaled < -9223372036854775808.0)
            overflow();
        return fromUnits(std::int64_t(scaled));
    }
    case QMetaType::QString:
    case QMetaType::QByteArray: {
        const QString text = value.toString();
        return text.trimmed().isEmpty() ? Currency{} : parse(text);
    }
    default:
        if (value.metaType() == QMetaType::fromType<Currency>())
            return value.value<Currency>();
        if (value.metaType() == QMetaType::fromType<Decimal>()) // exact, or overflow beyond currency's range
            return parse(value.value<Decimal>().toString());
        typeMismatch(QString::fromUtf8(value.typeName()));
    }
}

QString Currency::toString() const
{
    const bool negative = units_ < 0;
    // Work in unsigned so that the most negative value has a magnitude too.
    const std::uint64_t magnitude = negative ? std::uint64_t(0) - std::uint64_t(units_) : std::uint64_t(units_);
    QString text = QString::number(magnitude / Scale);
    std::uint64_t fraction = magnitude % Scale;
    if (fraction) {
        QString decimals = QStringLiteral("%1").arg(fraction, 4, 10, QLatin1Char('0'));
        while (decimals.endsWith(u'0'))
            decimals.chop(1);
        text += u'.' + decimals;
    }
    return negative ? u'-' + text : text;
}

Currency Currency::operator+(Currency other) const
{
    std::int64_t sum;
    if (__builtin_add_overflow(units_, other.units_, &sum))
        overflow();
    return fromUnits(sum);
}

Currency Currency::operator-(Currency other) const
{
    std::int64_t difference;
    if (__builtin_sub_overflow(units_, other.units_, &difference))
        overflow();
    return fromUnits(difference);
}

Currency Currency::operator-() const
{
    if (units_ == std::numeric_limits<std::int64_t>::min())
        overflow();
    return fromUnits(-units_);
}

} // namespace zav
