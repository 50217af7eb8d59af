#include "AmountInWords.h"

#include "TextCleanup.h"

#include <array>

namespace {

using Words = std::array<const char*, 10>;

constexpr Words kUnits = {"",      "один ",  "два ",  "три ",    "четыре ",
                          "пять ", "шесть ", "семь ", "восемь ", "девять "};
constexpr Words kUnitsFeminine = {"",      "одна ",  "две ",  "три ",    "четыре ",
                                  "пять ", "шесть ", "семь ", "восемь ", "девять "};
constexpr Words kTeens = {"десять ",       "одиннадцать ", "двенадцать ",  "тринадцать ",
                          "четырнадцать ", "пятнадцать ",  "шестнадцать ", "семнадцать ",
                          "восемнадцать ", "девятнадцать "};
constexpr Words kTens = {"",
                         "",
                         "двадцать ",
                         "тридцать ",
                         "сорок ",
                         "пятьдесят ",
                         "шестьдесят ",
                         "семьдесят ",
                         "восемьдесят ",
                         "девяносто "};
constexpr Words kHundreds = {"",         "сто ",      "двести ",  "триста ",    "четыреста ",
                             "пятьсот ", "шестьсот ", "семьсот ", "восемьсот ", "девятьсот "};

// The forms of a scale word after a count ending in 1, in 2 to 4, and in anything else.
struct Scale {
    const char* one;
    const char* few;
    const char* many;
};

constexpr Scale kThousands = {"тысяча ", "тысячи ", "тысяч "};
constexpr Scale kMillions = {"миллион ", "миллиона ", "миллионов "};
constexpr Scale kBillions = {"миллиард ", "миллиарда ", "миллиардов "};

// The three digits of a group, counted from the units: group 0 holds the units, hundreds and
// tens of the number, group 1 its thousands, and so on.
struct Group {
    int hundreds;
    int tens;
    int units;
    bool IsZero() const { return hundreds == 0 && tens == 0 && units == 0; }
};

Group GroupOf(qint64 number, int group)
{
    const double value = double(number);
    const auto digit = [&](int position) {
        return int(TextCleanup::GetDigit(value, 3 * group + position));
    };
    return {digit(3), digit(2), digit(1)};
}

QString GroupWords(const Group& g, const Words& units)
{
    QString words = QString::fromUtf8(kHundreds[g.hundreds]);
    if (g.tens == 1)
        return words + QString::fromUtf8(kTeens[g.units]);
    return words + QString::fromUtf8(kTens[g.tens]) + QString::fromUtf8(units[g.units]);
}

QString ScaleWord(const Group& g, const Scale& scale)
{
    if (g.tens == 1 || g.units == 0 || g.units >= 5)
        return QString::fromUtf8(scale.many);
    return QString::fromUtf8(g.units == 1 ? scale.one : scale.few);
}

// A group with its scale word, or nothing when all its digits are zero.
QString ScaledGroup(const Group& g, const Words& units, const Scale& scale)
{
    if (g.IsZero())
        return {};
    return GroupWords(g, units) + ScaleWord(g, scale);
}

// The count of billions is a number of its own (up to 922 337 in 64 bits), spelled with its own
// thousands; the scale word follows its last group even when that group is zero ("тысяча
// миллиардов").
QString BillionsWords(qint64 billions)
{
    if (billions == 0)
        return {};
    const Group low = GroupOf(billions, 0);
    return ScaledGroup(GroupOf(billions, 1), kUnitsFeminine, kThousands) + GroupWords(low, kUnits) +
           ScaleWord(low, kBillions);
}

} // namespace

QString AmountInWords::StringSumm(qint64 n)
{
    const qint64 whole = n / 10000;
    // Kopecks alone are no roubles: the whole part is spelled, and zero is "ноль".
    if (whole <= 0)
        return QStringLiteral("ноль");
    const qint64 billions = whole / 1000000000;
    const qint64 rest = whole % 1000000000;
    const QString words = BillionsWords(billions) +
                          ScaledGroup(GroupOf(rest, 2), kUnits, kMillions) +
                          ScaledGroup(GroupOf(rest, 1), kUnitsFeminine, kThousands) +
                          GroupWords(GroupOf(rest, 0), kUnits);
    return words.trimmed();
}
