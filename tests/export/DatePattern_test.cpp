#include "DatePattern.h"

#include <gtest/gtest.h>

TEST(DatePattern, TokensInAnyCaseOtherCharactersCopied)
{
    const QDate date(2024, 3, 5);
    const QTime time(9, 7, 30);
    const struct {
        const char* pattern;
        const char* text;
    } cases[] = {
        {"dd.MM.yyyy", "05.03.2024"},
        {"d.M.yy", "5.3.24"},
        {"hh:mm", "09:07"},
        {"HH:mm:ss", "09:07:30"},
        {"h:m:s", "9:7:30"},
        {"hh:nn", "09:07"},
        {"DD.mm.YYYY", "05.03.2024"},
        {"dd/MM/yyyy hh.mm", "05/03/2024 09.07"},
        {"mm hh mm", "03 09 07"},
        {"yyyyMMddTHHnnss", "20240305T090730"},
        {"y", "65"},
        {"dddd, d MMMM yyyy", "вторник, 5 марта 2024"},
        {"Дата: dd", "Дата: 05"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DatePattern::Format(date, time, QString::fromUtf8(c.pattern)),
                  QString::fromUtf8(c.text))
            << c.pattern;
}
