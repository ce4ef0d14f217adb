#include "platform/data/Decimal.h"

#include "platform/data/Currency.h"
#include "platform/data/RuntimeError.h"

#include <QLocale>
#include <cmath>

namespace zav {

namespace {

using Wide = __int128;
using WideMagnitude = unsigned __int128;

[[noreturn]] void overflow()
{
    throw RuntimeError(errors::Overflow);
}

[[noreturn]] void typeMismatch(const QString& what)
{
    throw RuntimeError(errors::TypeMismatch, errors::description(errors::TypeMismatch) + QStringLiteral(": ") + what);
}

// 10^38: the least magnitude that no longer fits in 38 digits.
constexpr Wide beyondDigits()
{
    Wide p = 1;
    for (int i = 0; i < Decimal::MaxDigits; ++i)
        p *= 10;
    return p;
}
constexpr Wide BeyondDigits = beyondDigits();

bool fits(Wide coefficient)
{
    return coefficient > -BeyondDigits && coefficient < BeyondDigits;
}

// The coefficient times 10^places, or false when that leaves 38 digits.
bool scaledUp(Wide coefficient, int places, Wide& result)
{
    result = coefficient;
    for (int i = 0; i < places; ++i)
        if (__builtin_mul_overflow(result, Wide(10), &result) || !fits(result))
            return false;
    return true;
}

// The coefficient divided by 10, half away from zero.
Wide roundedTenth(Wide coefficient)
{
    const Wide quotient = coefficient / 10;
    const Wide remainder = coefficient % 10;
    if (remainder >= 5)
        return quotient + 1;
    if (remainder <= -5)
        return quotient - 1;
    return quotient;
}

[[maybe_unused]] const bool conversionsRegistered = [] {
    QMetaType::registerConverter<Decimal, double>(&Decimal::toDouble);
    QMetaType::registerConverter<Decimal, QString>(&Decimal::toString);
    return true;
}();

} // namespace

Decimal Decimal::parse(const QString& text)
{
    const QString s = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == u'-' || s[i] == u'+'))
        negative = s[i++] == u'-';

    // Gathered with its sign, digit by digit; 38 digits always fit in 128 bits.
    Wide coefficient = 0;
    int digits = 0, significant = 0, scale = 0;
    bool afterPoint = false;
    for (; i < s.size(); ++i) {
        const QChar c = s[i];
        if ((c == u'.' || c == u',') && !afterPoint) {
            afterPoint = true;
            continue;
        }
        if (c < u'0' || c > u'9')
            break;
        ++digits;
        if (coefficient != 0 || c != u'0')
            ++significant;
        if (significant > MaxDigits)
            overflow();
        coefficient = coefficient * 10 + (negative ? -(c.unicode() - '0') : c.unicode() - '0');
        if (afterPoint)
            ++scale;
    }
    if (digits == 0)
        typeMismatch(text);
    if (i < s.size()) {
        bool ok = false;
        const int exponent = (s[i] == u'e' || s[i] == u'E') ? s.mid(i + 1).toInt(&ok) : 0;
        if (!ok || std::abs(exponent) > 2 * MaxDigits)
            typeMismatch(text);
        scale -= exponent;
    }
    if (scale < 0) {
        if (!scaledUp(coefficient, -scale, coefficient))
            overflow();
        scale = 0;
    }
    for (; scale > MaxDigits; --scale)
        coefficient = roundedTenth(coefficient);
    return Decimal(coefficient, scale);
}

Decimal Decimal::fromVariant(const QVariant& value)
{
    if (value.isNull() || !value.isValid())
        return {};
    if (value.metaType() == QMetaType::fromType<Decimal>())
        return value.value<Decimal>();
    if (value.metaType() == QMetaType::fromType<Currency>())
        return Decimal(value.value<Currency>().units(), 4);
    switch (value.metaType().id()) {
    case QMetaType::ULongLong:
    case QMetaType::ULong:
        return Decimal(Wide(value.toULongLong()), 0);
    case QMetaType::Bool:
        return Decimal(value.toBool() ? -1 : 0, 0);
    case QMetaType::Double:
    case QMetaType::Float: {
        const double d = value.toDouble();
        if (!std::isfinite(d))
            overflow();
        return parse(QString::number(d, 'g', QLocale::FloatingPointShortest));
    }
    case QMetaType::QString:
    case QMetaType::QByteArray: {
        const QString text = value.toString();
        return text.trimmed().isEmpty() ? Decimal() : parse(text);
    }
    default: { // the other integers
        bool whole = false;
        const qlonglong n = value.toLongLong(&whole);
        if (!whole)
            typeMismatch(QString::fromUtf8(value.typeName()));
        return Decimal(n, 0);
    }
    }
}

double Decimal::toDouble() const
{
    return toString().toDouble(); // the nearest double, where dividing would round twice
}

QString Decimal::toString() const
{
    WideMagnitude magnitude = coefficient_ < 0 ? WideMagnitude(0) - WideMagnitude(coefficient_) : WideMagnitude(coefficient_);
    QString digits;
    do {
        digits.prepend(QChar(u'0' + int(magnitude % 10)));
        magnitude /= 10;
    } while (magnitude != 0);
    while (digits.size() <= scale_)
        digits.prepend(u'0');
    QString whole = digits.left(digits.size() - scale_);
    QString fraction = digits.right(scale_);
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    if (!fraction.isEmpty())
        whole += u'.' + fraction;
    return coefficient_ < 0 ? u'-' + whole : whole;
}

std::strong_ordering Decimal::operator<=>(const Decimal& other) const
{
    Wide mine = coefficient_, theirs = other.coefficient_;
    // At the larger scale; a value that no longer fits there outweighs any
    // that does, so its sign decides.
    if (scale_ < other.scale_ && !scaledUp(coefficient_, other.scale_ - scale_, mine))
        return coefficient_ < 0 ? std::strong_ordering::less : std::strong_ordering::greater;
    if (other.scale_ < scale_ && !scaledUp(other.coefficient_, scale_ - other.scale_, theirs))
        return other.coefficient_ < 0 ? std::strong_ordering::greater : std::strong_ordering::less;
    return mine <=> theirs;
}

} // namespace zav
