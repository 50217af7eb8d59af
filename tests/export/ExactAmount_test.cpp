#include "ExactAmount.h"

#include <gtest/gtest.h>

namespace {

// The Russian locale's decoration: a no-break space between groups and before the rouble sign.
const NumberSymbols kRussian{",", "\u00A0", "\u00A0₽", "₽"};

} // namespace

TEST(ExactAmount, ReadsNumbersExactlyWhateverTheirDecoration)
{
    // Each case: the text, then what is read, written with a point and two decimals at least.
    for (const char* row :
         {"15000.50|15000.50", "15\u00A0000,50\u00A0₽|15000.50", "1 234,5|1234.50",
          "-0,125|-0.125", "+7|7.00", "0.1|0.10", "1,234.56|1234.56", "1.234.567,8|1234567.80",
          "1,23,456|none", "05.03.2024|none", "2024-03-05|none", "1e5|none", "|none", "-|none",
          ",|none", "1.0000000000000000001|none",
          "123456789012345678901234567890.12|123456789012345678901234567890.12",
          "1234567890123456789012345678901234567|none"}) {
        const QString text = QString::fromUtf8(row);
        const std::optional<ExactAmount> amount =
            ExactAmount::Read(text.section('|', 0, 0), kRussian);
        EXPECT_EQ(amount ? amount->Text(u".", 2) : "none", text.section('|', 1)) << row;
    }
}

TEST(ExactAmount, AddsAndComparesWithoutRounding)
{
    const auto amount = [](const char* text) {
        return *ExactAmount::Read(QString::fromUtf8(text), kRussian);
    };
    // In binary floating point 0.1 + 0.2 is not 0.3.
    EXPECT_EQ(amount("0.1").Plus(amount("0.2"))->Compare(amount("0.3")), 0);
    EXPECT_EQ(amount("9.5").Compare(amount("10.25")), -1);
    EXPECT_EQ(amount("-9.5").Compare(amount("-10.25")), 1);
    EXPECT_EQ(amount("100").Minus(amount("100.01"))->Text(u",", 0), "-0,01");
    const ExactAmount nines = amount("99999999999999999999999999999999999");
    EXPECT_EQ(nines.Plus(nines)->Text(u".", 0), "199999999999999999999999999999999998");
    const ExactAmount huge = amount("999999999999999999999999999999999999");
    std::optional<ExactAmount> sum = huge;
    for (int additions = 0; sum && sum->Compare(ExactAmount()) > 0 && additions < 1000; ++additions)
        sum = sum->Plus(huge);
    EXPECT_FALSE(sum.has_value()) << "a sum beyond the range is refused, not wrapped";
}
