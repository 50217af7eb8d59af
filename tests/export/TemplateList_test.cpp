#include "TemplateList.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(TemplateList, TemplatesByNameBecomeFileTypes)
{
    QTemporaryDir dir;
    for (const char* name :
         {"Отчёт.csv.tpl", "Банк.txt.tpl", "plain.tpl", "UPPER.HTML.TPL", "notes.txt", "TAG.INI"})
        WriteTestFile(dir.filePath(QString::fromUtf8(name)), "");
    const TemplateList list(dir.path());
    ASSERT_EQ(list.Entries().size(), 4);
    EXPECT_EQ(list.NameFilters(),
              QStringList({"plain (*.)", "UPPER (*.HTML)", "Банк (*.txt)", "Отчёт (*.csv)"}));
    EXPECT_EQ(list.Filter(), "plain (*.);;UPPER (*.HTML);;Банк (*.txt);;Отчёт (*.csv)");
    EXPECT_EQ(list.Path(2), dir.filePath("Банк.txt.tpl"));
    EXPECT_EQ(list.OutputExtension(), "csv");
    EXPECT_EQ(list.ProposedName("C:\\in\\ON_DOC_2024_0a1b-77.xml"), "0a1b-77.csv");
    EXPECT_EQ(list.ProposedName("/in/ON_DOC_2024_0a1b-77.xml"), "0a1b-77.csv");
}

TEST(TemplateList, TwoFoldersListTogetherTheFirstFoldersTemplateBeforeALikeNamedOne)
{
    QTemporaryDir user;
    QTemporaryDir program;
    for (const char* name : {"Банк.txt.tpl", "Мой.csv.tpl"})
        WriteTestFile(user.filePath(QString::fromUtf8(name)), "");
    for (const char* name : {"банк.txt.tpl", "CSV.csv.tpl"})
        WriteTestFile(program.filePath(QString::fromUtf8(name)), "");
    const TemplateList list(QStringList{user.path(), program.path()});
    EXPECT_EQ(list.NameFilters(), QStringList({"CSV (*.csv)", "Банк (*.txt)",
                                               "банк, папка программы (*.txt)", "Мой (*.csv)"}));
    const QStringList paths = {list.Path(0), list.Path(1), list.Path(2), list.Path(3)};
    EXPECT_EQ(paths, QStringList({program.filePath("CSV.csv.tpl"), user.filePath("Банк.txt.tpl"),
                                  program.filePath("банк.txt.tpl"), user.filePath("Мой.csv.tpl")}));
    EXPECT_EQ(list.Entries()[1].folder, user.path());
}

TEST(TemplateList, NoTemplatesProposeANameEndingInAPoint)
{
    QTemporaryDir dir;
    const TemplateList list(dir.path());
    EXPECT_TRUE(list.Entries().isEmpty());
    EXPECT_EQ(list.Filter(), QString());
    EXPECT_EQ(list.ProposedName("/in/a_b.xml"), "b.");
}

TEST(TemplateList, SaveMessagesCountEveryRowOfTheTable)
{
    const struct {
        qint64 rows;
        const char* text;
    } cases[] = {
        {1, "Документ успешно сохранен в '/out/a.txt'"},
        {0, "Документ успешно сохранен в '/out/a.txt'"},
        {2, "Документы успешно сохранены в '/out/a.txt'"},
        {21, "Документы успешно сохранены в '/out/a.txt'"},
    };
    for (const auto& c : cases) {
        const StatusMessage message = TemplateList::SuccessMessage(c.rows, "/out/a.txt");
        EXPECT_EQ(message.text, QString::fromUtf8(c.text));
        EXPECT_EQ(message.color, StatusColor::Green);
    }
    EXPECT_EQ(TemplateList::FailureMessage().text, "Ошибка! Не удалось сохранить файл!");
    EXPECT_EQ(TemplateList::FailureMessage().color, StatusColor::Red);
    EXPECT_EQ(TemplateList::FailureMessage("Шаблон 'a.tpl' не годится").text,
              "Ошибка! Не удалось сохранить файл! Шаблон 'a.tpl' не годится");
}

TEST(TemplateList, TheSaveMessageSaysWhatTheUserShouldKnow)
{
    ExportOutcome outcome;
    outcome.accountMissing = true;
    outcome.openingUnreadable = true;
    outcome.replacedCharacters = 3;
    outcome.unfilled = QStringList{"{КодНазПлатежа}", "{=sum Итог}"};
    const StatusMessage message = TemplateList::SuccessMessage(2, "/out/a.txt", outcome);
    EXPECT_EQ(message.text, "Документы успешно сохранены в '/out/a.txt'. Не задан расчетный счет "
                            "организации (Настройки, CONFIG.INI). "
                            "Начальный остаток в настройках не сумма: "
                            "взят 0.00. Заменено на \"?\" символов, которых нет в Windows-1251: 3. "
                            "Не заполнены: {КодНазПлатежа}, {=sum Итог}");
    EXPECT_EQ(message.color, StatusColor::Green);
}
