#include "platform/data/Currency.h"
#include "support/ErrorNumber.h"

#include <gtest/gtest.h>
#include <limits>

using zav::Currency;
using zav::test::errorNumberOf;
namespace errors = zav::errors;

TEST(Currency, SumsStayExactWhereDoublesDrift)
{
    Currency total;
    for (int i = 0; i < 1000; ++i)
        total += Currency::parse(QStringLiteral("0.1"));
    EXPECT_EQ(total, Currency::fromInteger(100));
    EXPECT_EQ((Currency::parse(QStringLiteral("1234567890.12")) - Currency::parse(QStringLiteral("0.12"))).toString(),
              QStringLiteral("1234567890"));
}

TEST(Currency, ReadsTextAndDatabaseValues)
{
    EXPECT_EQ(Currency::parse(QStringLiteral("12,5")).units(), 125000);
    EXPECT_EQ(Currency::parse(QStringLiteral(" -3.00005 ")).units(), -30001); // half away from zero
    EXPECT_EQ(Currency::parse(QStringLiteral("0.00004")).units(), 0);
    EXPECT_EQ(Currency::fromVariant(QVariant()).units(), 0);
    EXPECT_EQ(Currency::fromVariant(QStringLiteral("")).units(), 0);
    EXPECT_EQ(Currency::fromVariant(0.1 + 0.2).toString(), QStringLiteral("0.3"));
    EXPECT_EQ(Currency::fromVariant(qlonglong(42)).toString(), QStringLiteral("42"));
    EXPECT_EQ(Currency::fromVariant(QStringLiteral("19.9900")).toString(), QStringLiteral("19.99"));
    EXPECT_EQ(Currency::fromUnits(-5).toString(), QStringLiteral("-0.0005"));
    EXPECT_EQ(Currency::fromUnits(std::numeric_limits<std::int64_t>::min()).toString(),
              QStringLiteral("-922337203685477.5808"));
}

TEST(Currency, RefusesWhatIsNotANumber)
{
    for (const char* text : {"", "abc", "1.2.3", "1 000", "--1", "."})
        EXPECT_EQ(errorNumberOf([&] { Currency::parse(QString::fromLatin1(text)); }), errors::TypeMismatch) << text;
}

TEST(Currency, OverflowRaisesInsteadOfWrapping)
{
    const Currency max = Currency::fromUnits(std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(errorNumberOf([&] { (void)(max + Currency::fromUnits(1)); }), errors::Overflow);
    EXPECT_EQ(errorNumberOf([&] { (void)(-max - Currency::fromUnits(2)); }), errors::Overflow);
    EXPECT_EQ(errorNumberOf([] { Currency::parse(QStringLiteral("922337203685478")); }), errors::Overflow);
    EXPECT_EQ(errorNumberOf([] { Currency::fromVariant(1e300); }), errors::Overflow);
    EXPECT_EQ(errorNumberOf([] { Currency::fromInteger(std::numeric_limits<std::int64_t>::max() / 1000); }),
              errors::Overflow);
    EXPECT_EQ(Currency::parse(QStringLiteral("922337203685477.5807")), max);
}

TEST(Currency, BehavesInsideQVariant)
{
    const QVariant a = QVariant::fromValue(Currency::parse(QStringLiteral("2.5")));
    EXPECT_EQ(a, QVariant::fromValue(Currency::parse(QStringLiteral("2.50"))));
    EXPECT_NE(a, QVariant::fromValue(Currency::parse(QStringLiteral("2.51"))));
    EXPECT_EQ(a.toString(), QStringLiteral("2.5"));
    EXPECT_DOUBLE_EQ(a.toDouble(), 2.5);
    EXPECT_EQ(Currency::fromVariant(a), Currency::fromUnits(25000));
}

TEST(Currency, HoldsItsLeastValueFromTextAndFromDouble)
{
    const Currency least = Currency::fromUnits(std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(Currency::parse(QStringLiteral("-922337203685477.5808")), least);
    EXPECT_EQ(Currency::parse(QStringLiteral("-922337203685477.58075")), least); // rounds onto it, not past
    EXPECT_EQ(Currency::parse(QStringLiteral("-922337203685477.5807")).units(), std::numeric_limits<std::int64_t>::min() + 1);
    EXPECT_EQ(Currency::parse(least.toString()), least);
    EXPECT_EQ(Currency::fromVariant(-922337203685477.5808), least); // -2^63 units, exactly a double
    EXPECT_EQ(errorNumberOf([] { Currency::parse(QStringLiteral("-922337203685477.5809")); }), errors::Overflow);
    EXPECT_EQ(errorNumberOf([] { Currency::parse(QStringLiteral("-922337203685477.58085")); }), errors::Overflow);
    EXPECT_EQ(errorNumberOf([] { Currency::fromVariant(-922337203685478.0); }), errors::Overflow);
    EXPECT_EQ(errorNumberOf([&] { (void)-least; }), errors::Overflow);
}
