#include "PluralSuffix.h"
#include "ReadCycle.h"

#include <gtest/gtest.h>

TEST(PluralSuffix, FollowsRussianGrammarForEveryCount)
{
    // The count, then the words of kinds 0, 1 and 2 for it.
    for (const char* c :
         {"1 прочитан сохранен документ", "2 прочитано сохранена документа",
          "4 прочитано сохранена документа", "5 прочитано сохранены документов",
          "11 прочитано сохранены документов", "14 прочитано сохранены документов",
          "21 прочитан сохранен документ", "22 прочитано сохранена документа",
          "111 прочитано сохранены документов", "112 прочитано сохранены документов",
          "1004 прочитано сохранена документа", "-21 прочитан сохранен документ",
          "0 прочитано сохранены документов"}) {
        const QStringList words = QString::fromUtf8(c).split(' ');
        const qint64 count = words[0].toLongLong();
        EXPECT_EQ(PluralSuffix("прочитан", count, 0), words[1]) << c;
        EXPECT_EQ(PluralSuffix("сохранен", count, 1), words[2]) << c;
        EXPECT_EQ(PluralSuffix("документ", count, 2), words[3]) << c;
    }
    EXPECT_EQ(ReadCycle::SuccessText(21, "p"), "Успешно прочитан 21 документ в 'p'");
    EXPECT_EQ(ReadCycle::SuccessText(3, "p", 5),
              "Успешно прочитано 3 документа в 'p'; не удалось прочитать 5 файлов");
    EXPECT_EQ(ReadCycle::NothingFoundText("p", 1),
              "Не найдено совместимых документов в 'p'; не удалось прочитать 1 файл");
}
