#include "CurrencyFormat.h"

#include <gtest/gtest.h>

TEST(CurrencyFormat, RussianLocaleWritesGroupedRoubles)
{
    const CurrencyFormat format(QLocale(QLocale::Russian, QLocale::Russia));
    const struct {
        qint64 units;
        const char16_t* text;
    } cases[] = {
        {15005000, u"1\u00A0500,50\u00A0\u20BD"},
        {0, u"0,00\u00A0\u20BD"},
        {12345600, u"1\u00A0234,56\u00A0\u20BD"},
        {-150000, u"-15,00\u00A0\u20BD"},
        {125, u"0,01\u00A0\u20BD"},  // 0.0125 rounds half away from zero
        {124, u"0,01\u00A0\u20BD"},
        {std::numeric_limits<qint64>::max(), u"922\u00A0337\u00A0203\u00A0685\u00A0477,58\u00A0\u20BD"},
        {std::numeric_limits<qint64>::min(), u"-922\u00A0337\u00A0203\u00A0685\u00A0477,58\u00A0\u20BD"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(format.Format(c.units), QString::fromUtf16(c.text)) << c.units;
}

TEST(CurrencyFormat, FollowsTheLocalesOwnPattern)
{
    const CurrencyFormat format(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(format.Format(12345000), QStringLiteral("$1,234.50"));
    EXPECT_EQ(format.Format(-12345000), QStringLiteral("($1,234.50)"));
}
