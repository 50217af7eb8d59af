#include "CurrencyFormat.h"
#include "LocaleNumbers.h"
#include "TextCoder.h"

#include <QDate>
#include <QLocale>
#include <gtest/gtest.h>

TEST(LocaleNumbers, SymbolsFollowTheUserLocaleAtEveryCall)
{
    EXPECT_EQ(LocaleNumbers::LocalPoint() + LocaleNumbers::LocalGrpSpace() +
                  LocaleNumbers::LocalCurrency(),
              QStringLiteral(",\u00A0\u00A0₽"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(TextCoder::Shared().LocalPoint() + TextCoder::Shared().LocalGrpSpace() +
                  TextCoder::Shared().LocalCurrency(),
              QStringLiteral(".,$"));
    QLocale ungrouped(QLocale::Russian, QLocale::Russia);
    ungrouped.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(ungrouped);
    EXPECT_EQ(LocaleNumbers::LocalGrpSpace(), QString()) << "a digit is no grouping character";
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    EXPECT_TRUE(LocaleNumbers::IsMultiSeparator("1,5", ",") &&
                LocaleNumbers::IsMultiSeparator("", ","));
    EXPECT_FALSE(LocaleNumbers::IsMultiSeparator("1,2,3", ","));
}

TEST(LocaleNumbers, IsNumberStripsEveryLocaleDecoration)
{
    // clang-format off
    for (const QVariant& value : {QVariant("1234.56"), QVariant("1 234,56"), QVariant("1,234.56"),
             QVariant("-15"), QVariant("15-"), QVariant("1.2.3"), QVariant(" 42 "), QVariant("1e5"),
             QVariant(QStringLiteral("15\u00A0000,50\u00A0₽")), QVariant(QStringLiteral("1 500,50 ₽")),
             QVariant(12.5), QVariant(QDate(2024, 3, 5))})
        EXPECT_TRUE(LocaleNumbers::IsNumber(value)) << value.toString().toStdString();
    for (const QVariant& value : {QVariant("12:30"), QVariant("abc"), QVariant("-"), QVariant("-15-"),
             QVariant("1e"), QVariant(""), QVariant()})
        EXPECT_FALSE(LocaleNumbers::IsNumber(value)) << value.toString().toStdString();
    // clang-format on
    // A locale that writes its currency as " р." after the amount, with a space between groups:
    // the currency text goes before the grouping character.
    const NumberSymbols symbols{",", " ", " р.", "р."};
    EXPECT_TRUE(LocaleNumbers::IsNumber(QStringLiteral("100,00 р."), symbols));
    EXPECT_TRUE(LocaleNumbers::IsNumber(QStringLiteral("1 234,56 р."), symbols));
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
