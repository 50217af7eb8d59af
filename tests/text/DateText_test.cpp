#include "DateText.h"

#include <gtest/gtest.h>

namespace {

QString General(const QString& text, const QLocale& locale = QLocale())
{
    const std::optional<DateTimeValue> value = DateText::Parse(text, locale);
    return value ? DateText::GeneralForm(*value, locale) : QStringLiteral("<none>");
}

} // namespace

TEST(DateText, RecognisesDatesAndTimesInTheRussianLocale)
{
    const struct {
        const char* text;
        const char* general;
    } cases[] = {
        {"2024-03-05", "05.03.2024"},
        {"05.03.2024", "05.03.2024"},
        {"5.3.2024", "05.03.2024"},
        {"5/3/24", "05.03.2024"},
        {"05-03-1999", "05.03.1999"},
        {"1.1.29", "01.01.2029"},
        {"1.1.30", "01.01.1930"},
        {" 2024-03-07T14:30:00 ", "07.03.2024 14:30:00"},
        {"2024-03-07 9:05", "07.03.2024 09:05:00"},
        {"2024-03-07T00:00:00", "07.03.2024"},
        {"2024-03-07T14:30:00.123", "07.03.2024 14:30:00"},
        {"12:30", "12:30:00"},
        {"29.02.2024", "29.02.2024"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(General(QString::fromUtf8(c.text)), QString::fromUtf8(c.general)) << c.text;
}

TEST(DateText, RefusesWhatIsNotARealDate)
{
    for (const char* text : {"", "125", "1.5", "-3.25", "12.5", "1 234,56", "29.02.2023", "32.01.2024",
                             "2024-13-01", "05.03.024", "05.03.2024x", "2024-03-07T14:30:00Z",
                             "25:00", "12:3", "7701234567", "40702810438000012345", "abc",
                             "Договор: 17/2024", "05.03/2024"}) {
        EXPECT_FALSE(DateText::Parse(QString::fromUtf8(text)).has_value()) << text;
    }
}

TEST(DateText, TakesDayMonthOrderFromTheLocale)
{
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(General(QStringLiteral("3/5/2024"), us), QStringLiteral("3/5/24"));
    EXPECT_EQ(DateText::Parse(QStringLiteral("3/5/2024"), us)->date, QDate(2024, 3, 5));
    EXPECT_EQ(DateText::Parse(QStringLiteral("3/5/2024"))->date, QDate(2024, 5, 3));
}
