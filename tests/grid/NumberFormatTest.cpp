#include "platform/data/Currency.h"
#include "platform/data/Decimal.h"
#include "platform/data/RuntimeError.h"
#include "platform/grid/GroupExpression.h"
#include "platform/grid/NumberFormat.h"

#include <gtest/gtest.h>

using zav::formatNumber;
using zav::formatValue;

// Digit placeholders group thousands without decimals and leave zero empty;
// Standard has two decimals. Both round half away from zero.
TEST(NumberFormat, PlaceholdersAndStandard)
{
    const QList<std::tuple<double, const char*, const char*>> casos = {
        {0, "# ###", ""},           {7, "# ###", "7"},          {999, "## ###", "999"},
        {1000, "# ###", "1 000"},   {1234567, "## ###", "1 234 567"}, {-1234, "# ###", "-1 234"},
        {-5, "# ###", "-5"},        {2.5, "# ###", "3"},        {-2.5, "# ###", "-3"},
        {1999.4999, "# ###", "1 999"}, {0.4, "# ###", ""},      {-0.4, "# ###", ""},
        {0, "Standard", "0,00"},    {0.5, "Standard", "0,50"},  {1234.5, "Standard", "1 234,50"},
        {-1234567.125, "Standard", "-1 234 567,13"},            {-0.001, "Standard", "0,00"},
    };
    for (const auto& [valor, formato, esperado] : casos)
        EXPECT_EQ(formatNumber(valor, formato), esperado) << valor << " " << formato;
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

TEST(GroupExpression, QuotesNumbersFormatsAndMistakes)
{
    auto calc = [](int n) { return double(n * 10); };
    EXPECT_EQ(zav::GroupExpression(QStringLiteral(" ' Total Quant = ' & Format((GroupCalc(1) ),'Standard') & '  '"))
                  .evaluate([](int n) { return n == 1 ? 12345.0 : -1.0; }),
              QStringLiteral(" Total Quant = 12 345,00  "));
    EXPECT_EQ(zav::GroupExpression(QStringLiteral("'It''s ' & GroupCalc(2)")).evaluate(calc), QStringLiteral("It's 20"));
    EXPECT_EQ(zav::GroupExpression(QStringLiteral("Format(GroupCalc(3), '# ###') & ' un'")).evaluate(calc),
              QStringLiteral("30 un"));
    EXPECT_EQ(zav::GroupExpression(QString()).evaluate(calc), QString());
    for (const QString bad : {QStringLiteral("'open"), QStringLiteral("Total"), QStringLiteral("GroupCalc(1"),
                              QStringLiteral("'a' & "), QStringLiteral("'a' 'b'")}) {
        EXPECT_THROW(zav::GroupExpression(bad).validate(), zav::RuntimeError) << bad.toStdString();
    }
}

TEST(NumberFormat, ExactDecimalsFormatAsNumbers)
{
    const QVariant big = QVariant::fromValue(zav::Decimal::parse(QStringLiteral("1234567.5")));
    EXPECT_EQ(formatValue(big, QStringLiteral("## ###")), QStringLiteral("1 234 568"));
    EXPECT_EQ(formatValue(big, QStringLiteral("Standard")), QStringLiteral("1 234 567,50"));
    EXPECT_EQ(formatValue(QVariant::fromValue(zav::Decimal::parse(QStringLiteral("1234567890123456.78"))), QString()),
              QStringLiteral("1234567890123456.78"));
    double number = 0;
    EXPECT_TRUE(zav::toNumber(big, number));
    EXPECT_DOUBLE_EQ(number, 1234567.5);
}
