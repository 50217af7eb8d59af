#include "PluralSuffix.h"
#include "ReadCycle.h"

#include <gtest/gtest.h>

TEST(PluralSuffix, FollowsRussianGrammarForEveryCount)
{
    const struct {
        qint64 count;
        const char* text;
    } cases[] = {
        {1, "Успешно прочитан 1 документ в 'p'"},       {2, "Успешно прочитано 2 документа в 'p'"},
        {3, "Успешно прочитано 3 документа в 'p'"},     {5, "Успешно прочитано 5 документов в 'p'"},
        {11, "Успешно прочитано 11 документов в 'p'"},  {12, "Успешно прочитано 12 документов в 'p'"},
        {14, "Успешно прочитано 14 документов в 'p'"},  {20, "Успешно прочитано 20 документов в 'p'"},
        {21, "Успешно прочитан 21 документ в 'p'"},     {22, "Успешно прочитано 22 документа в 'p'"},
        {30, "Успешно прочитано 30 документов в 'p'"},  {101, "Успешно прочитан 101 документ в 'p'"},
        {111, "Успешно прочитано 111 документов в 'p'"}, {112, "Успешно прочитано 112 документов в 'p'"},
        {1004, "Успешно прочитано 1004 документа в 'p'"}, {10000, "Успешно прочитано 10000 документов в 'p'"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadCycle::SuccessText(c.count, QStringLiteral("p")), QString::fromUtf8(c.text)) << c.count;
}

TEST(PluralSuffix, FilesThatCouldNotBeReadTakeTheNounEndings)
{
    const struct {
        qint64 count;
        const char* text;
    } cases[] = {
        {1, "прочитать 1 файл"},       {2, "прочитать 2 файла"},  {5, "прочитать 5 файлов"},
        {11, "прочитать 11 файлов"},   {21, "прочитать 21 файл"}, {84, "прочитать 84 файла"},
        {111, "прочитать 111 файлов"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadCycle::SuccessText(16, "p", c.count),
                  "Успешно прочитано 16 документов в 'p'; не удалось " + QString::fromUtf8(c.text));
}

TEST(PluralSuffix, KindOneGivesThePluralOfSavedDocuments)
{
    EXPECT_EQ(PluralSuffix(QStringLiteral("Документ"), 1, 1), QStringLiteral("Документ"));
    EXPECT_EQ(PluralSuffix(QStringLiteral("Документ"), 10, 1), QStringLiteral("Документы"));
    EXPECT_EQ(PluralSuffix(QStringLiteral("сохранен"), 10, 1), QStringLiteral("сохранены"));
    EXPECT_EQ(PluralSuffix(QStringLiteral("сохранен"), 3, 1), QStringLiteral("сохранена"));
}
