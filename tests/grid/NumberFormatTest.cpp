#include "platform/data/Currency.h"
#include "platform/data/RuntimeError.h"
#include "platform/grid/GroupExpression.h"
#include "platform/grid/NumberFormat.h"

#include <gtest/gtest.h>

using zav::formatNumber;
using zav::formatValue;

TEST(NumberFormat, DigitPlaceholdersGroupThousandsWithoutDecimals)
{
    for (const QString format : {QStringLiteral("# ###"), QStringLiteral("## ###")}) {
        EXPECT_EQ(formatNumber(0, format), QString()) << "zero leaves the placeholders empty";
        EXPECT_EQ(formatNumber(7, format), QStringLiteral("7"));
        EXPECT_EQ(formatNumber(999, format), QStringLiteral("999"));
        EXPECT_EQ(formatNumber(1000, format), QStringLiteral("1 000"));
        EXPECT_EQ(formatNumber(1234567, format), QStringLiteral("1 234 567"));
        EXPECT_EQ(formatNumber(-1234, format), QStringLiteral("-1 234"));
        EXPECT_EQ(formatNumber(-5, format), QStringLiteral("-5"));
    }
}

TEST(NumberFormat, DigitPlaceholdersRoundHalfAwayFromZero)
{
    EXPECT_EQ(formatNumber(2.5, QStringLiteral("# ###")), QStringLiteral("3"));
    EXPECT_EQ(formatNumber(-2.5, QStringLiteral("# ###")), QStringLiteral("-3"));
    EXPECT_EQ(formatNumber(1999.4999, QStringLiteral("# ###")), QStringLiteral("1 999"));
    EXPECT_EQ(formatNumber(0.4, QStringLiteral("# ###")), QString()) << "rounds to zero, shows nothing";
    EXPECT_EQ(formatNumber(-0.4, QStringLiteral("# ###")), QString());
}

TEST(NumberFormat, StandardHasGroupsAndTwoDecimals)
{
    EXPECT_EQ(formatNumber(0, QStringLiteral("Standard")), QStringLiteral("0,00"));
    EXPECT_EQ(formatNumber(0.5, QStringLiteral("Standard")), QStringLiteral("0,50"));
    EXPECT_EQ(formatNumber(1234.5, QStringLiteral("Standard")), QStringLiteral("1 234,50"));
    EXPECT_EQ(formatNumber(-1234567.125, QStringLiteral("Standard")), QStringLiteral("-1 234 567,13"));
    EXPECT_EQ(formatNumber(-0.001, QStringLiteral("Standard")), QStringLiteral("0,00"));
}

TEST(NumberFormat, ValuesOfEveryKindAndNoFormat)
{
    EXPECT_EQ(formatValue(QVariant::fromValue(zav::Currency::fromInteger(12000)), QStringLiteral("## ###")),
              QStringLiteral("12 000"));
    EXPECT_EQ(formatValue(QStringLiteral("4500"), QStringLiteral("# ###")), QStringLiteral("4 500"))
        << "a figure kept as text formats too";
    EXPECT_EQ(formatValue(QStringLiteral("Total"), QStringLiteral("# ###")), QStringLiteral("Total"));
    EXPECT_EQ(formatValue(QVariant(), QStringLiteral("# ###")), QString());
    EXPECT_EQ(formatValue(QVariant::fromValue(zav::Currency::parse(QStringLiteral("1234.5"))), QString()),
              QStringLiteral("1234.5"));
    EXPECT_EQ(formatValue(qint16(99), QString()), QStringLiteral("99"));
}

TEST(GroupExpression, TotalQuantityHeading)
{
    const zav::GroupExpression expression(
        QStringLiteral(" ' Total Quant = ' & Format((GroupCalc(1) ),'Standard') & '  '"));
    EXPECT_EQ(expression.evaluate([](int n) { return n == 1 ? 12345.0 : -1.0; }),
              QStringLiteral(" Total Quant = 12 345,00  "));
}

TEST(GroupExpression, QuotesNumbersAndMistakes)
{
    auto calc = [](int n) { return double(n * 10); };
    EXPECT_EQ(zav::GroupExpression(QStringLiteral("'It''s ' & GroupCalc(2)")).evaluate(calc), QStringLiteral("It's 20"));
    EXPECT_EQ(zav::GroupExpression(QStringLiteral("Format(GroupCalc(3), '# ###') & ' un'")).evaluate(calc),
              QStringLiteral("30 un"));
    EXPECT_EQ(zav::GroupExpression(QString()).evaluate(calc), QString());
    for (const QString bad : {QStringLiteral("'open"), QStringLiteral("Total"), QStringLiteral("GroupCalc(1"),
                              QStringLiteral("'a' & "), QStringLiteral("'a' 'b'")}) {
        EXPECT_THROW(zav::GroupExpression(bad).validate(), zav::RuntimeError) << bad.toStdString();
    }
}
