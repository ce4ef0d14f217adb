#pragma once

#include <QMetaType>
#include <QString>
#include <QVariant>
#include <compare>

namespace zav {

// An exact decimal number of up to 38 digits, as the database's decimal and
// numeric columns hold the values that currency cannot: a whole number and
// how many of its digits lie after the point. Values of different scales
// compare by the number they stand for (1.5 equals 1.50).
class Decimal {
public:
    static constexpr int MaxDigits = 38;

    constexpr Decimal() = default;

    // Text with '.' or ',' as decimal separator, an optional sign and an
    // optional exponent ("1.5E-3"). Raises type mismatch (13) on anything
    // else and overflow (6) beyond 38 digits; digits beyond 38 places after
    // the point are rounded half away from zero.
    static Decimal parse(const QString& text);
    // A database value: integers, currency and text exactly, doubles by the
    // shortest text that reads back as the same double. Null is 0.
    static Decimal fromVariant(const QVariant& value);

    double toDouble() const;
    // Plain: '.' as decimal separator, no grouping, no trailing zeros ("-1234.5", "0").
    QString toString() const;

    std::strong_ordering operator<=>(const Decimal& other) const;
    bool operator==(const Decimal& other) const { return (*this <=> other) == 0; }

private:
    constexpr Decimal(__int128 coefficient, int scale) : coefficient_(coefficient), scale_(scale) {}

    __int128 coefficient_ = 0;
    int scale_ = 0;
};

} // namespace zav

Q_DECLARE_METATYPE(zav::Decimal)
