#include "AnsiCodec.h"
#include "ColumnMap.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(ColumnMap, ParsesCaptionsAndTagStrings)
{
    // CR LF or a lone LF ends a line; only spaces count as blank, and a second "=" ends the tags.
    const QList<DocumentColumn> columns = ColumnMap::Parse(QStringLiteral(
        "Номер=Номер;DOC_NUM\r\n\r\n  Дата = Дата;DOC_DATE  \r\nИтого=Сумма;SUM=X\nB=b;y\r\r\n"
        "   \r\n\t\r\nБез тега\r\n=;x\nA= a ; b "));
    QStringList captions;
    for (const DocumentColumn& column : columns)
        captions.append(column.caption + QLatin1Char('|') + column.tagString);
    EXPECT_EQ(captions, QStringList({"Номер|Номер;DOC_NUM", "Дата|Дата;DOC_DATE", "Итого|Сумма;SUM",
                                     "B|b;y\r", "\t|", "Без тега|", "|;x", "A|a ; b"}));
    EXPECT_TRUE(ColumnMap::Parse(QString()).isEmpty());
}

TEST(ColumnMap, LoadsWindows1251AndNamesAFileItCannotRead)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("TAG.INI");
    ColumnMap map;
    EXPECT_FALSE(map.Load(dir.path()));
    EXPECT_EQ(map.errorString(), "Не найден файл столбцов '" + path + "'");
    // As shipped: Windows-1251, CR LF.
    WriteTestFile(path, AnsiCodec::Encode(u"Сумма документа = Сумма;SUMMA;SUM_DOC\r\n"));
    ASSERT_TRUE(map.Load(dir.path()));
    ASSERT_EQ(map.Columns().size(), 1);
    EXPECT_EQ(map.Columns()[0].caption, QStringLiteral("Сумма документа"));
    EXPECT_EQ(map.Columns()[0].tagString, QStringLiteral("Сумма;SUMMA;SUM_DOC"));
    EXPECT_EQ(map.errorString(), QString());
    // Far larger than any column map: not read, and the columns of the last map are gone.
    ASSERT_TRUE(QFile::resize(path, (qint64(64) << 20) + 1));
    EXPECT_FALSE(map.Load(dir.path()));
    EXPECT_TRUE(map.Columns().isEmpty());
    EXPECT_EQ(map.errorString(), "Не удалось прочитать файл столбцов '" + path + "'");
}
