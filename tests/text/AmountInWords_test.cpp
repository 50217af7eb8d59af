#include "TextCoder.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <random>

namespace {

// An independent speller: recursive over powers of a thousand, choosing each scale word by the
// count's value modulo 100 and 10, and joining words with QStringList.
QStringList Spell(qint64 n, bool feminine)
{
    static const QStringList hundreds = {"",          "сто",      "двести",   "триста",
                                         "четыреста", "пятьсот",  "шестьсот", "семьсот",
                                         "восемьсот", "девятьсот"};
    static const QStringList tens = {
        "",          "",           "двадцать",  "тридцать",    "сорок",
        "пятьдесят", "шестьдесят", "семьдесят", "восемьдесят", "девяносто"};
    static const QStringList small = {
        "",           "один",        "два",        "три",          "четыре",
        "пять",       "шесть",       "семь",       "восемь",       "девять",
        "десять",     "одиннадцать", "двенадцать", "тринадцать",   "четырнадцать",
        "пятнадцать", "шестнадцать", "семнадцать", "восемнадцать", "девятнадцать"};
    const struct {
        qint64 size;
        bool feminine;
        QStringList forms;
    } scales[] = {{1000000000, false, {"миллиард", "миллиарда", "миллиардов"}},
                  {1000000, false, {"миллион", "миллиона", "миллионов"}},
                  {1000, true, {"тысяча", "тысячи", "тысяч"}}};
    for (const auto& scale : scales) {
        const qint64 count = n / scale.size;
        if (count == 0)
            continue;
        const bool teen = count % 100 >= 11 && count % 100 <= 19;
        const int form = teen || count % 10 == 0 || count % 10 >= 5 ? 2 : count % 10 == 1 ? 0 : 1;
        return Spell(count, scale.feminine) + QStringList{scale.forms[form]} +
               Spell(n % scale.size, feminine);
    }
    const int rest = int(n % 100);
    QStringList words = {hundreds[n / 100]};
    words << (rest < 20 ? QStringList{small[rest]}
                        : QStringList{tens[rest / 10], small[rest % 10]});
    if (feminine && words.last() == "один")
        words.last() = "одна";
    if (feminine && words.last() == "два")
        words.last() = "две";
    words.removeAll(QString());
    return words;
}

QString Expected(qint64 tenThousandths)
{
    if (tenThousandths < 10000)
        return "ноль";
    return Spell(tenThousandths / 10000, false).join(' ');
}

constexpr qint64 kUnit = 10000;

} // namespace

TEST(AmountInWords, AnchorsOfTheIndependentSpeller)
{
    const qint64 max = std::numeric_limits<qint64>::max();
    EXPECT_EQ(Expected(21105 * kUnit), "двадцать одна тысяча сто пять");
    EXPECT_EQ(Expected(2500000000 * kUnit), "два миллиарда пятьсот миллионов");
    EXPECT_EQ(TextCoder::Shared().StringSumm(max),
              "девятьсот двадцать две тысячи триста тридцать семь миллиардов двести три миллиона "
              "шестьсот восемьдесят пять тысяч четыреста семьдесят семь");
}

TEST(AmountInWords, AgreesWithTheIndependentSpeller)
{
    // The documented examples first, the billions counts of ten and more among them.
    std::vector<qint64> amounts = {0,         -5 * kUnit, std::numeric_limits<qint64>::min(),
                                   kUnit / 2, 1239900,    std::numeric_limits<qint64>::max()};
    for (const qint64 whole :
         {1LL,          11LL,          21LL,           100LL,          110LL,
          1000LL,       2000LL,        5000LL,         11000LL,        21000LL,
          500000LL,     100001LL,      1000000LL,      2000000LL,      12000000LL,
          300000000LL,  1234567LL,     1000000000LL,   2500000000LL,   1000005000LL,
          9999999999LL, 12000000000LL, 121000000000LL, 999999999999LL, 1000000000000LL})
        amounts.push_back(whole * kUnit);
    for (qint64 whole : {1, 2, 5, 10, 11, 19, 20, 21, 99, 101, 111, 999}) {
        for (qint64 scale = 1; scale <= 100000000000000 && whole * scale < 922337203685477; scale *= 1000) {
            amounts.push_back((whole * scale + 1) * kUnit + 9999);
            amounts.push_back((whole * scale - 1) * kUnit);
        }
    }
    for (qint64 whole = 0; whole <= 25000; ++whole)
        amounts.push_back(whole * kUnit + whole % 10000);
    std::mt19937_64 random(271828);
    for (int i = 0; i < 40000; ++i) {
        // Log-uniform, so every length of amount gets its share.
        const quint64 mask = (quint64(1) << (1 + random() % 63)) - 1;
        const qint64 amount = qint64(random() & mask);
        amounts.push_back(i % 50 == 0 ? -amount : amount);
    }
    for (const qint64 amount : amounts)
        ASSERT_EQ(TextCoder::Shared().StringSumm(amount), Expected(amount)) << amount;
}
