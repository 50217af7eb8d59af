#include "CurrencyFormat.h"
#include "LocaleNumbers.h"
#include "TextCoder.h"

#include <QDate>
#include <QLocale>
#include <gtest/gtest.h>

namespace {

// Sets the default locale for one test and puts the Russian one back afterwards.
class LocaleScope {
public:
    explicit LocaleScope(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
};

} // namespace

TEST(LocaleNumbers, SymbolsFollowTheUserLocaleAtEveryCall)
{
    EXPECT_EQ(LocaleNumbers::LocalPoint(), QStringLiteral(","));
    EXPECT_EQ(LocaleNumbers::LocalGrpSpace(), QStringLiteral("\u00A0"));
    EXPECT_EQ(LocaleNumbers::LocalCurrency(), QStringLiteral("\u00A0₽"));
    {
        const LocaleScope english(QLocale(QLocale::English, QLocale::UnitedStates));
        EXPECT_EQ(TextCoder::Shared().LocalPoint(), QStringLiteral("."));
        EXPECT_EQ(TextCoder::Shared().LocalGrpSpace(), QStringLiteral(","));
        EXPECT_EQ(TextCoder::Shared().LocalCurrency(), QStringLiteral("$"));
    }
    QLocale ungrouped(QLocale::Russian, QLocale::Russia);
    ungrouped.setNumberOptions(QLocale::OmitGroupSeparator);
    const LocaleScope scope(ungrouped);
    EXPECT_EQ(LocaleNumbers::LocalGrpSpace(), QString()) << "a digit is no grouping character";
}

TEST(LocaleNumbers, IsMultiSeparatorMeansAtMostOnce)
{
    EXPECT_TRUE(LocaleNumbers::IsMultiSeparator("1,5", ","));
    EXPECT_FALSE(LocaleNumbers::IsMultiSeparator("1,2,3", ","));
    EXPECT_TRUE(LocaleNumbers::IsMultiSeparator("15", ","));
    EXPECT_TRUE(LocaleNumbers::IsMultiSeparator("", ","));
}

TEST(LocaleNumbers, IsNumberStripsEveryLocaleDecoration)
{
    const struct {
        QVariant value;
        bool number;
    } cases[] = {
        {"1234.56", true},
        {"1 234,56", true},
        {"1,234.56", true},
        {"-15", true},
        {"15-", true},
        {"1.2.3", true},
        {" 42 ", true},
        {"1e5", true},
        {QStringLiteral("15\u00A0000,50\u00A0₽"), true},
        {QStringLiteral("1 500,50 ₽"), true},
        {QStringLiteral("1\u00A0500,50\u00A0₽"), true},
        {"12:30", false},
        {"abc", false},
        {"-", false},
        {"-15-", false},
        {"1e", false},
        {"", false},
        {QVariant(), false},
        {QVariant(12.5), true},
        {QVariant(QDate(2024, 3, 5)), true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LocaleNumbers::IsNumber(c.value), c.number) << c.value.toString().toStdString();
}

TEST(LocaleNumbers, CurrencyTextIsRemovedBeforeTheGroupingCharacter)
{
    // A locale that writes its currency as " р." after the amount, with a space between groups.
    const NumberSymbols symbols{",", " ", " р.", "р."};
    EXPECT_TRUE(LocaleNumbers::IsNumber(QStringLiteral("100,00 р."), symbols));
    EXPECT_TRUE(LocaleNumbers::IsNumber(QStringLiteral("1 234,56 р."), symbols));
    EXPECT_FALSE(LocaleNumbers::IsNumber(QStringLiteral("1 234,56 руб"), symbols));
}

TEST(CurrencyFormat, WritesTheLocalesPatternRoundingHalvesAwayFromZero)
{
    const CurrencyFormat russian(QLocale(QLocale::Russian, QLocale::Russia));
    const CurrencyFormat english(QLocale(QLocale::English, QLocale::UnitedStates));
    const qint64 max = std::numeric_limits<qint64>::max();
    const struct {
        const CurrencyFormat& format;
        qint64 units;
        const char16_t* text;
    } cases[] = {
        {russian, 15005000, u"1\u00A0500,50\u00A0\u20BD"},
        {russian, 0, u"0,00\u00A0\u20BD"},
        {russian, -1, u"-0,00\u00A0\u20BD"},
        {russian, -150000, u"-15,00\u00A0\u20BD"},
        {russian, 125, u"0,01\u00A0\u20BD"},
        {russian, 124, u"0,01\u00A0\u20BD"},
        {russian, max, u"922\u00A0337\u00A0203\u00A0685\u00A0477,58\u00A0\u20BD"},
        {russian, -max - 1, u"-922\u00A0337\u00A0203\u00A0685\u00A0477,58\u00A0\u20BD"},
        {english, 12345000, u"$1,234.50"},
        {english, -12345000, u"($1,234.50)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.format.Format(c.units), QString::fromUtf16(c.text)) << c.units;
}
