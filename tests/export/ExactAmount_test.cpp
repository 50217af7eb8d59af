#include "ExactAmount.h"

#include <gtest/gtest.h>

namespace {

// The Russian locale's decoration: a no-break space between groups and before the rouble sign.
const NumberSymbols kRussian{",", "\u00A0", "\u00A0₽", "₽"};

QString Read(const char* text)
{
    const std::optional<ExactAmount> amount = ExactAmount::Read(QString::fromUtf8(text), kRussian);
    return amount ? amount->Text(u".", 2) : QStringLiteral("none");
}

} // namespace

TEST(ExactAmount, ReadsNumbersExactlyWhateverTheirDecoration)
{
    const struct {
        const char* text;
        const char* read;
    } cases[] = {{"15000.50", "15000.50"},
                 {"15\u00A0000,50\u00A0₽", "15000.50"},
                 {"1 234,5", "1234.50"},
                 {"-0,125", "-0.125"},
                 {"+7", "7.00"},
                 {"0.1", "0.10"},
                 {"123456789012345678901234567890.12", "123456789012345678901234567890.12"},
                 {"1,234.56", "1234.56"},
                 {"1.234.567,8", "1234567.80"},
                 {"1,23,456", "none"},
                 {"05.03.2024", "none"},
                 {"2024-03-05", "none"},
                 {"1e5", "none"},
                 {"", "none"},
                 {"-", "none"},
                 {",", "none"},
                 {"1.0000000000000000001", "none"},
                 {"1234567890123456789012345678901234567", "none"}};
    for (const auto& c : cases)
        EXPECT_EQ(Read(c.text), QString::fromUtf8(c.read)) << c.text;
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
    EXPECT_EQ(amount("99999999999999999999999999999999999")
                  .Plus(amount("99999999999999999999999999999999999"))
                  ->Text(u".", 0),
              "199999999999999999999999999999999998");
    const ExactAmount huge = amount("999999999999999999999999999999999999");
    std::optional<ExactAmount> sum = huge;
    int additions = 0;
    while (sum && sum->Compare(ExactAmount()) > 0 && additions < 1000) {
        sum = sum->Plus(huge);
        ++additions;
    }
    EXPECT_FALSE(sum.has_value()) << "a sum beyond the range is refused, not wrapped";
}
