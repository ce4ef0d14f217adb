#include "platform/data/Currency.h"
#include "platform/data/Decimal.h"
#include "platform/data/FieldValue.h"
#include "platform/data/SqlBackend.h"
#include "support/ErrorNumber.h"

#include <gtest/gtest.h>
#include <limits>

using namespace zav;
using zav::test::errorNumberOf;

namespace {

QVariant decimal(const char* text)
{
    return QVariant::fromValue(Decimal::parse(QString::fromLatin1(text)));
}

} // namespace

TEST(Decimal, HoldsEveryDigitOfTheDatabasesDecimals)
{
    for (const char* text : {"1234567890123456.78", "-1234567890123456.78", "99999999999999999999999999999999999999",
                             "-99999999999999999999999999999999999999", "0.00000000000000000000000000000000000001",
                             "-922337203685477.5808", "922337203685477.5808", "0", "7", "-0.5"})
        EXPECT_EQ(Decimal::parse(QString::fromLatin1(text)).toString(), QString::fromLatin1(text));
    EXPECT_EQ(Decimal::parse(QStringLiteral(" 12,50 ")).toString(), QStringLiteral("12.5"));
    EXPECT_EQ(Decimal::parse(QStringLiteral("-000123.4500")).toString(), QStringLiteral("-123.45"));
    EXPECT_EQ(Decimal::parse(QStringLiteral("1.5E3")).toString(), QStringLiteral("1500"));
    EXPECT_EQ(Decimal::parse(QStringLiteral("25e-4")).toString(), QStringLiteral("0.0025"));
    EXPECT_EQ(Decimal::parse(QStringLiteral("-0")).toString(), QStringLiteral("0"));
    EXPECT_DOUBLE_EQ(Decimal::parse(QStringLiteral("-1234.5")).toDouble(), -1234.5);
}

TEST(Decimal, RefusesWhatIsNoNumberAndWhatHasTooManyDigits)
{
    for (const char* text : {"", "abc", "1.2.3", "--1", ".", "1e", "1 000"})
        EXPECT_EQ(errorNumberOf([&] { Decimal::parse(QString::fromLatin1(text)); }), errors::TypeMismatch) << text;
    EXPECT_EQ(errorNumberOf([] { Decimal::parse(QStringLiteral("100000000000000000000000000000000000000")); }), errors::Overflow);
    EXPECT_EQ(errorNumberOf([] { Decimal::parse(QStringLiteral("1e38")); }), errors::Overflow);
    EXPECT_EQ(errorNumberOf([] { Decimal::fromVariant(std::numeric_limits<double>::infinity()); }), errors::Overflow);
}

TEST(Decimal, ComparesTheNumbersWhateverTheirPlaces)
{
    EXPECT_EQ(Decimal::parse(QStringLiteral("1.5")), Decimal::parse(QStringLiteral("1.500")));
    EXPECT_LT(Decimal::parse(QStringLiteral("-0.1")), Decimal::parse(QStringLiteral("0")));
    EXPECT_LT(Decimal::parse(QStringLiteral("1234567890123456.77")), Decimal::parse(QStringLiteral("1234567890123456.78")));
    EXPECT_GT(Decimal::parse(QStringLiteral("10000000000000000000000000000000000000")), Decimal::parse(QStringLiteral("0.1234567890")));
    EXPECT_LT(Decimal::parse(QStringLiteral("-10000000000000000000000000000000000000")), Decimal::parse(QStringLiteral("-0.1234567890")));
    EXPECT_EQ(fieldvalue::compare(decimal("2"), decimal("10"), FieldType::Decimal), -1) << "as numbers, not as texts";
    EXPECT_EQ(fieldvalue::compare(QVariant(), decimal("-10"), FieldType::Decimal), -1);
    EXPECT_EQ(decimal("2.50"), decimal("2.5")) << "inside a QVariant too, as a write sees a changed value";
}

TEST(Decimal, ConvertsToCurrencyExactlyOrOverflows)
{
    EXPECT_EQ(Currency::fromVariant(decimal("-922337203685477.5808")).units(), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(Currency::fromVariant(decimal("922337203685477.5807")).units(), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(Currency::fromVariant(decimal("0.00005")).units(), 1); // half away from zero, as currency reads text
    EXPECT_EQ(errorNumberOf([] { Currency::fromVariant(decimal("1234567890123456.78")); }), errors::Overflow);
    EXPECT_EQ(Decimal::fromVariant(QVariant::fromValue(Currency::fromUnits(-15))).toString(), QStringLiteral("-0.0015"));
    EXPECT_EQ(Decimal::fromVariant(0.1 + 0.2).toString(), QStringLiteral("0.30000000000000004")) << "the double as it is";
    EXPECT_EQ(Decimal::fromVariant(qlonglong(std::numeric_limits<qint64>::min())).toString(), QStringLiteral("-9223372036854775808"));
}

TEST(Decimal, IsShownAndConvertedAsAnyNumber)
{
    EXPECT_EQ(fieldvalue::plainText(decimal("1234567890123456.78")), QStringLiteral("1234567890123456.78"));
    EXPECT_EQ(decimal("12.5").toString(), QStringLiteral("12.5"));
    EXPECT_DOUBLE_EQ(decimal("12.5").toDouble(), 12.5);
    EXPECT_EQ(fieldvalue::convertForComparison(decimal("12.5"), FieldType::Long).toInt(), 12); // half to even
    EXPECT_EQ(fieldvalue::convertForComparison(decimal("13.5"), FieldType::Long).toInt(), 14);
    EXPECT_EQ(fieldvalue::convertForComparison(decimal("99999999999"), FieldType::BigInt).toLongLong(), 99999999999);
    EXPECT_EQ(errorNumberOf([] { fieldvalue::convertForComparison(decimal("99999999999"), FieldType::Long); }), errors::Overflow);
    EXPECT_EQ(fieldvalue::convertForComparison(QStringLiteral("-0.10"), FieldType::Decimal), decimal("-0.1"));
}

// Currency only where every value of the column fits it: 922337203685477.5807
// has 15 digits before the point, not every 15-digit number does.
TEST(Decimal, ColumnsCurrencyCannotHoldAreReadAsExactDecimals)
{
    const struct {
        const char* declared;
        FieldType type;
    } cases[] = {
        {"money", FieldType::Currency},          {"smallmoney", FieldType::Currency},
        {"decimal(18,4)", FieldType::Currency},  {"numeric(14,0)", FieldType::Currency},
        {"decimal(16, 2)", FieldType::Currency}, {"decimal(19,4)", FieldType::Decimal},
        {"NUMERIC(19,4)", FieldType::Decimal},   {"decimal(18,2)", FieldType::Decimal},
        {"numeric(15,0)", FieldType::Decimal},   {"decimal(10,5)", FieldType::Decimal},
        {"decimal(38,10)", FieldType::Decimal},  {"decimal", FieldType::Decimal},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fieldForDeclaredType(QStringLiteral("Q"), QString::fromLatin1(c.declared)).type, c.type) << c.declared;
}
