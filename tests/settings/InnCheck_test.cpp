#include "InnCheck.h"

#include <gtest/gtest.h>

TEST(InnCheck, OnlyCompleteNumbersWithWrongCheckDigitsFail)
{
    for (const char* inn : {"7701234561", "500100732258", "500100732269"})
        EXPECT_TRUE(InnCheckFails(QString::fromLatin1(inn))) << inn;
    for (const char* inn : {"7701234560", "7714582036", "500100732259", "526219083446", "",
                            "770123456", "77012345601", "770123456O", "5001007322591"})
        EXPECT_FALSE(InnCheckFails(QString::fromLatin1(inn))) << inn;
}
