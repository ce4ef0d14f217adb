#include "platform/grid/NumberFormat.h"

#include "platform/data/Currency.h"
#include "platform/data/Decimal.h"
#include "platform/data/Recordset.h"

#include <cmath>

namespace zav {

namespace {

bool isDigitPlaceholderFormat(const QString& format)
{
    if (!format.contains(QLatin1Char('#')))
        return false;
    for (QChar c : format)
        if (c != QLatin1Char('#') && c != QLatin1Char(' '))
            return false;
    return true;
}

QString groupThousands(const QString& digits)
{
    QString grouped;
    grouped.reserve(digits.size() + digits.size() / 3);
    const int n = int(digits.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            grouped += QLatin1Char(' ');
        grouped += digits[i];
    }
    return grouped;
}

// |value| rounded half away from zero to `decimals` places, as digits.
QString roundedDigits(double magnitude, int decimals)
{
    const double factor = std::pow(10.0, decimals);
    // The small nudge keeps 2.5 (stored as 2.4999999...) rounding up, as people expect.
    const double scaled = std::floor(magnitude * factor + 0.5 + 1e-9);
    return QString::number(scaled, 'f', 0);
}

} // namespace

QString formatNumber(double value, const QString& format)
{
    if (isDigitPlaceholderFormat(format)) {
        const QString digits = roundedDigits(std::fabs(value), 0);
        if (digits == QLatin1String("0"))
            return {};
        return (value < 0 ? QStringLiteral("-") : QString()) + groupThousands(digits);
    }
    if (format.compare(QLatin1String("Standard"), Qt::CaseInsensitive) == 0) {
        QString digits = roundedDigits(std::fabs(value), 2);
        while (digits.size() < 3)
            digits.prepend(QLatin1Char('0'));
        const QString whole = digits.left(digits.size() - 2);
        const bool isZero = digits.count(QLatin1Char('0')) == digits.size();
        return (value < 0 && !isZero ? QStringLiteral("-") : QString()) + groupThousands(whole)
            + QLatin1Char(',') + digits.right(2);
    }
    return QString::number(value, 'g', 15);
}

bool toNumber(const QVariant& value, double& number)
{
    if (!value.isValid() || value.isNull())
        return false;
    if (value.canConvert<Currency>() && value.userType() == qMetaTypeId<Currency>()) {
        number = value.value<Currency>().toDouble();
        return true;
    }
    if (value.userType() == qMetaTypeId<Decimal>()) {
        number = value.value<Decimal>().toDouble();
        return true;
    }
    switch (value.typeId()) {
    case QMetaType::Int: case QMetaType::UInt: case QMetaType::LongLong: case QMetaType::ULongLong:
    case QMetaType::Short: case QMetaType::UShort: case QMetaType::Double: case QMetaType::Float:
    case QMetaType::Long: case QMetaType::ULong:
        number = value.toDouble();
        return true;
    case QMetaType::QString: {
        QString text = value.toString().trimmed();
        text.replace(QLatin1Char(','), QLatin1Char('.'));
        bool ok = false;
        number = text.toDouble(&ok);
        return ok && !text.isEmpty();
    }
    default:
        return false;
    }
}

QString formatValue(const QVariant& value, const QString& format)
{
    if (value.isNull() || !value.isValid())
        return {};
    double number = 0;
    if (format.isEmpty() || !toNumber(value, number))
        return Recordset::plainText(value);
    return formatNumber(number, format);
}

} // namespace zav
