#include "TextCleanup.h"
#include "TextCoderError.h"

#include <QDate>
#include <gtest/gtest.h>

TEST(TextCleanup, LimDigitPadsOrCutsOnTheLeft)
{
    EXPECT_EQ(TextCleanup::LimDigit(7, 3), QStringLiteral("007"));
    EXPECT_EQ(TextCleanup::LimDigit(12345, 3), QStringLiteral("345"));
    EXPECT_EQ(TextCleanup::LimDigit(-5, 3), QStringLiteral("0-5"));
    EXPECT_EQ(TextCleanup::LimDigit(5, 0), QString());
    EXPECT_THROW(TextCleanup::LimDigit(5, -1), TextCoderError);
}

TEST(TextCleanup, SpaceCompressCollapsesTabsAndSpacesOnly)
{
    EXPECT_EQ(TextCleanup::SpaceCompress(QStringLiteral("a\t\t b")), QStringLiteral("a b"));
    EXPECT_EQ(TextCleanup::SpaceCompress(QStringLiteral(" a     b ")), QStringLiteral(" a b "));
    EXPECT_EQ(TextCleanup::SpaceCompress(QStringLiteral("a\r\n\u00A0\u00A0b")), QStringLiteral("a\r\n\u00A0\u00A0b"));
}

TEST(TextCleanup, AntiNullGivesEmptyTextForNothing)
{
    EXPECT_EQ(TextCleanup::AntiNull(QVariant()), QString());
    EXPECT_EQ(TextCleanup::AntiNull(QVariant::fromValue(nullptr)), QString());
    EXPECT_EQ(TextCleanup::AntiNull(QStringLiteral("x")), QStringLiteral("x"));
    EXPECT_EQ(TextCleanup::AntiNull(1.5), QStringLiteral("1,5"));
    EXPECT_EQ(TextCleanup::AntiNull(QDate(2024, 3, 5)), QStringLiteral("05.03.2024"));
}

TEST(TextCleanup, ReplacePunctuationChangesTheCallersTextToo)
{
    QString text = QStringLiteral("«Рога_и-копыта»");
    EXPECT_EQ(TextCleanup::ReplacePunctuation(text), QStringLiteral("Рога и копыта"));
    EXPECT_EQ(text, QStringLiteral("Рога и копыта"));
    QString others = QStringLiteral("a>b x/y !@#$%^&*()+={[}]|\\;:'\"<.,?`~");
    EXPECT_EQ(TextCleanup::ReplacePunctuation(others), QStringLiteral("a>b x y "));
}

TEST(TextCleanup, GetDigitCountsFromTheUnits)
{
    EXPECT_EQ(TextCleanup::GetDigit(1234, 1), 4);
    EXPECT_EQ(TextCleanup::GetDigit(1234, 2), 3);
    EXPECT_EQ(TextCleanup::GetDigit(1234, 4), 1);
    EXPECT_EQ(TextCleanup::GetDigit(1234, 5), 0);
}
