#include "AnsiCodec.h"
#include "ColumnMap.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QStringList Captions(const QList<DocumentColumn>& columns)
{
    QStringList captions;
    for (const DocumentColumn& column : columns)
        captions.append(column.caption + QLatin1Char('|') + column.tagString);
    return captions;
}

} // namespace

TEST(ColumnMap, ParsesCaptionsAndTagStrings)
{
    const struct {
        const char* text;
        QStringList columns;
    } cases[] = {
        {"Номер=Номер;DOC_NUM\r\n\r\n  Дата = Дата;DOC_DATE  \r\n",
         {"Номер|Номер;DOC_NUM", "Дата|Дата;DOC_DATE"}},
        {"Итого=Сумма;SUM=X", {"Итого|Сумма;SUM"}},
        {"A=a;x\nB=b;y\r\r\nC=c\n", {"A|a;x", "B|b;y\r", "C|c"}},
        {"", {}},
        {"   \r\n \r\n", {}},
        {"\t\r\nA=a", {"\t|", "A|a"}},
        {"Без тега\r\nB=b", {"Без тега|", "B|b"}},
        {"=;x", {"|;x"}},
        {"A= a ; b ", {"A|a ; b"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Captions(ColumnMap::Parse(QString::fromUtf8(c.text))), c.columns) << c.text;
}

TEST(ColumnMap, LoadsWindows1251AndNamesAMissingFile)
{
    QTemporaryDir dir;
    ColumnMap map;
    EXPECT_FALSE(map.Load(dir.path()));
    EXPECT_TRUE(map.Columns().isEmpty());
    EXPECT_EQ(map.errorString(), QStringLiteral("Не найден файл столбцов '%1'").arg(dir.filePath("TAG.INI")));

    // As shipped, and as a Linux text editor saves it: UTF-8, with or without its mark, LF.
    const QString line = QStringLiteral("Сумма документа = Сумма;SUMMA;SUM_DOC");
    for (const QByteArray& bytes : {AnsiCodec::Encode(line + "\r\n"), (line + "\n").toUtf8(),
                                    "\xEF\xBB\xBF" + (line + "\n").toUtf8()}) {
        WriteTestFile(dir.filePath("TAG.INI"), bytes);
        ASSERT_TRUE(map.Load(dir.path()));
        ASSERT_EQ(map.Columns().size(), 1);
        EXPECT_EQ(map.Columns()[0].caption, QStringLiteral("Сумма документа"));
        EXPECT_EQ(map.Columns()[0].tagString, QStringLiteral("Сумма;SUMMA;SUM_DOC"));
    }
}

TEST(ColumnMap, TheShippedMapHasTheDocumentColumns)
{
    ColumnMap map;
    ASSERT_TRUE(map.Load(QStringLiteral(VYPISKA_SOURCE_DIR "/config")));
    ASSERT_GE(map.Columns().size(), 10);
    EXPECT_EQ(map.Columns()[0].caption, QStringLiteral("Номер"));
    EXPECT_EQ(map.Columns()[2].tagString,
              QStringLiteral("Сумма;СуммаДок;Amount;Data/Sum;ED101@Sum*0.01;AccDoc@docSum"));
}
