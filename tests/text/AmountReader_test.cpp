#include "AmountReader.h"

#include <gtest/gtest.h>

TEST(AmountReader, ReadsAmountsAsDocumentsWriteThem)
{
    const struct {
        const char16_t* raw;
        qint64 units;
    } cases[] = {
        {u"1500.5", 15005000},
        {u"15000.50", 150005000},
        {u"800", 8000000},
        {u"1234,56", 12345600},
        {u"1 234,56", 12345600},
        {u"1\u00A0250\u00A0000.00", 12500000000},
        {u"1 250 000.00", 12500000000},
        {u"1,234.56", 12345600},
        {u"abc", 0},
        {u"", 0},
        {u"-15", -150000},
        {u"+2.5", 25000},
        {u"1.2.3", 12000},
        {u"1.234,56", 12345600},
        {u"1,234,567", 12345670000},
        {u"12abc", 120000},
        {u"1e3", 10000000},
        {u"1.5E-2", 150},
        {u"&HFF", 2550000},
        {u"&O17", 150000},
        {u"0.00005", 0},
        {u"0.00015", 2},
        {u"0.00025", 2},
        {u"0.000251", 3},
        {u"\t 42 \n", 420000},
        {u"-0", 0},
        {u"922337203685477.5807", std::numeric_limits<qint64>::max()},
        {u"-922337203685477.5808", std::numeric_limits<qint64>::min()},
    };
    for (const auto& c : cases) {
        const std::optional<qint64> units = AmountReader::Read(QStringView(c.raw));
        ASSERT_TRUE(units.has_value()) << QString::fromUtf16(c.raw).toStdString();
        EXPECT_EQ(*units, c.units) << QString::fromUtf16(c.raw).toStdString();
    }
}

TEST(AmountReader, AmountsBeyondTheRangeAreRefusedNotWrapped)
{
    for (const char16_t* raw : {u"922337203685477.5808", u"-922337203685477.5809", u"1e15",
                                u"99999999999999999999999", u"&HFFFFFFFFFFFFFFFF", u"1e100000"}) {
        EXPECT_FALSE(AmountReader::Read(QStringView(raw)).has_value())
            << QString::fromUtf16(raw).toStdString();
    }
}
