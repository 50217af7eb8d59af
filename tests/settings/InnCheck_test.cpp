#include "InnCheck.h"

#include <gtest/gtest.h>

TEST(InnCheck, OnlyCompleteNumbersWithWrongCheckDigitsFail)
{
    const struct {
        const char* inn;
        bool fails;
    } cases[] = {
        {"7701234560", false},   {"7701234561", true},
        {"7714582036", false},   {"500100732259", false},
        {"500100732258", true},  {"500100732269", true},
        {"526219083446", false}, {"", false},
        {"770123456", false},    {"77012345601", false},
        {"770123456O", false},   {"5001007322591", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(InnCheckFails(QString::fromLatin1(c.inn)), c.fails) << c.inn;
}
