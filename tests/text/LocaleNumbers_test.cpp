#include "CurrencyFormat.h"
#include "LocaleNumbers.h"
#include "TextCoder.h"

#include <QDate>
#include <QLocale>
#include <gtest/gtest.h>

TEST(LocaleNumbers, SymbolsFollowTheUserLocaleAtEveryCall)
{
    const TextCoder& coder = TextCoder::Shared();
    const auto symbols = [&] {
        return LocaleNumbers::LocalPoint() + coder.LocalGrpSpace() + "|" + coder.LocalCurrency();
    };
    EXPECT_EQ(symbols(), QStringLiteral(",\u00A0|\u00A0₽"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(symbols(), ".,|$");
    QLocale ungrouped(QLocale::Russian, QLocale::Russia);
    ungrouped.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(ungrouped);
    EXPECT_EQ(symbols(), QStringLiteral(",|\u00A0₽")) << "a digit is no grouping character";
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    EXPECT_TRUE(LocaleNumbers::IsMultiSeparator("1,5", ",") &&
                LocaleNumbers::IsMultiSeparator("", ","));
    EXPECT_FALSE(LocaleNumbers::IsMultiSeparator("1,2,3", ","));
}

TEST(LocaleNumbers, IsNumberStripsEveryLocaleDecoration)
{
    using Values = std::initializer_list<QVariant>;
    for (const QVariant& value : Values{"1234.56", "1 234,56", "1,234.56", "-15", "15-", "1.2.3",
                                        " 42 ", "1e5", QStringLiteral("15\u00A0000,50\u00A0₽"),
                                        QStringLiteral("1 500,50 ₽"), 12.5, QDate(2024, 3, 5)})
        EXPECT_TRUE(LocaleNumbers::IsNumber(value)) << value.toString().toStdString();
    for (const QVariant& value : Values{"12:30", "abc", "-", "-15-", "1e", "", QVariant()})
        EXPECT_FALSE(LocaleNumbers::IsNumber(value)) << value.toString().toStdString();
    // A locale that writes its currency as " р." after the amount, with a space between groups:
    // the currency text goes before the grouping character.
    const NumberSymbols symbols{",", " ", " р.", "р."};
    EXPECT_TRUE(LocaleNumbers::IsNumber(QStringLiteral("100,00 р."), symbols) &&
                LocaleNumbers::IsNumber(QStringLiteral("1 234,56 р."), symbols));
    EXPECT_FALSE(LocaleNumbers::IsNumber(QStringLiteral("1 234,56 руб"), symbols));
}

TEST(CurrencyFormat, WritesTheLocalesPatternRoundingHalvesAwayFromZero)
{
    const CurrencyFormat russian(QLocale(QLocale::Russian, QLocale::Russia));
    const qint64 max = std::numeric_limits<qint64>::max();
    // clang-format off
    const std::pair<qint64, const char16_t*> cases[] = {{15005000, u"1\u00A0500,50\u00A0₽"},
        {0, u"0,00\u00A0₽"}, {-1, u"-0,00\u00A0₽"}, {-150000, u"-15,00\u00A0₽"}, {125, u"0,01\u00A0₽"},
        {124, u"0,01\u00A0₽"}, {max, u"922\u00A0337\u00A0203\u00A0685\u00A0477,58\u00A0₽"},
        {-max - 1, u"-922\u00A0337\u00A0203\u00A0685\u00A0477,58\u00A0₽"}};
    // clang-format on
    for (const auto& [units, text] : cases)
        EXPECT_EQ(russian.Format(units), QString::fromUtf16(text)) << units;
    const CurrencyFormat english(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(english.Format(12345000) + " " + english.Format(-12345000), "$1,234.50 ($1,234.50)");
}
