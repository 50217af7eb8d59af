#include "AmountReader.h"

#include <gtest/gtest.h>

TEST(AmountReader, ReadsAmountsAsDocumentsWriteThemAndRefusesWhatDoesNotFit)
{
    const qint64 max = std::numeric_limits<qint64>::max();
    const std::nullopt_t none = std::nullopt;
    const struct {
        const char16_t* raw;
        std::optional<qint64> units;
    } cases[] = {
        // clang-format off
        {u"1500.5", 15005000}, {u"15000.50", 150005000}, {u"800", 8000000}, {u"1234,56", 12345600},
        {u"1 234,56", 12345600}, {u"1\u00A0250\u00A0000.00", 12500000000}, {u"1,234.56", 12345600},
        {u"abc", 0}, {u"", 0}, {u"-15", -150000}, {u"+2.5", 25000}, {u"1.2.3", 12000},
        {u"1.234,56", 12345600}, {u"1,234,567", 12345670000}, {u"12abc", 120000}, {u"1e3", 10000000},
        {u"1.5E-2", 150}, {u"0.00005", 0}, {u"0.00015", 2}, {u"0.00025", 2}, {u"0.000251", 3},
        {u"\t 42 \n", 420000}, {u"-0", 0}, {u"922337203685477.5807", max},
        {u"-922337203685477.5808", -max - 1},
        // Hexadecimal and octal literals in either case; a digit outside the radix ends the number.
        {u"&HFF", 2550000}, {u"&hff", 2550000}, {u"&Ha0", 1600000}, {u"&HA0", 1600000},
        {u"&H10g", 160000}, {u"&H0", 0}, {u"&O17", 150000}, {u"&o10", 80000}, {u"&O18", 10000},
        {u"&O8", 0}, {u"922337203685477.5808", none}, {u"-922337203685477.5809", none},
        {u"1e15", none}, {u"99999999999999999999999", none}, {u"&HFFFFFFFFFFFFFFFF", none},
        {u"1e100000", none},
        // clang-format on
    };
    for (const auto& c : cases)
        EXPECT_EQ(AmountReader::Read(QStringView(c.raw)), c.units)
            << QString::fromUtf16(c.raw).toStdString();
}
