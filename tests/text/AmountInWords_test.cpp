#include "TextCoder.h"

#include <gtest/gtest.h>

TEST(AmountInWords, SpellsTheWholeRoublesWithTheScaleWordsInTheirForms)
{
    const qint64 max = std::numeric_limits<qint64>::max();
    const struct {
        qint64 roubles;
        const char* words;
    } cases[] = {
        // clang-format off
        {1, "один"}, {2, "два"}, {12, "двенадцать"}, {110, "сто десять"}, {1000, "одна тысяча"},
        {2000, "две тысячи"}, {5000, "пять тысяч"}, {10000, "десять тысяч"},
        {11000, "одиннадцать тысяч"}, {21105, "двадцать одна тысяча сто пять"},
        {1000000, "один миллион"}, {20000000, "двадцать миллионов"},
        {344000000, "триста сорок четыре миллиона"}, {2500000000, "два миллиарда пятьсот миллионов"},
        {1000005000, "один миллиард пять тысяч"}, {121000000000, "сто двадцать один миллиард"},
        {1000000000000, "одна тысяча миллиардов"},
        {922337203685477, "девятьсот двадцать две тысячи триста тридцать семь миллиардов двести "
                          "три миллиона шестьсот восемьдесят пять тысяч четыреста семьдесят семь"},
        // clang-format on
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TextCoder::Shared().StringSumm(c.roubles * 10000 + 5807), c.words) << c.roubles;
        EXPECT_EQ(TextCoder::Shared().StringSumm(c.roubles * 10000), c.words) << c.roubles;
    }
    // Kopecks alone and debts are no roubles.
    for (const qint64 amount : {qint64(0), qint64(9999), qint64(-50000), -max - 1})
        EXPECT_EQ(TextCoder::Shared().StringSumm(amount), "ноль") << amount;
}
