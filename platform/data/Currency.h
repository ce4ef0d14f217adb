#pragma once

#include <QMetaType>
#include <QString>
#include <QVariant>
#include <compare>
#include <cstdint>

namespace zav {

// Money and quantities: a fixed-point value with four decimals in 64 bits, the
// database "currency" type. Sums are exact; a result outside the range raises
// run-time error 6 (overflow) instead of wrapping.
class Currency {
public:
    static constexpr std::int64_t Scale = 10000;

    constexpr Currency() = default;
    static constexpr Currency fromUnits(std::int64_t units) { Currency c; c.units_ = units; return c; }
    static Currency fromInteger(std::int64_t whole);

    // Text with '.' or ',' as decimal separator and an optional sign; more than
    // four decimals are rounded half away from zero. Throws type mismatch (13)
    // on anything else, overflow (6) when out of range.
    static Currency parse(const QString& text);
    // A database value: integers, exact decimals and text exactly (beyond four
    // places rounded as parse does), doubles rounded to four decimals.
    // A null or empty value is 0.
    static Currency fromVariant(const QVariant& value);

    constexpr std::int64_t units() const { return units_; }
    double toDouble() const { return double(units_) / Scale; }

    // Plain conversion: '.' as decimal separator, no grouping, no trailing zeros ("1234.5", "-3", "0").
    QString toString() const;

    Currency operator+(Currency other) const;
    Currency operator-(Currency other) const;
    Currency operator-() const;
    Currency& operator+=(Currency other) { return *this = *this + other; }
    Currency& operator-=(Currency other) { return *this = *this - other; }

    constexpr auto operator<=>(const Currency&) const = default;

private:
    std::int64_t units_ = 0;
};

} // namespace zav

Q_DECLARE_METATYPE(zav::Currency)
