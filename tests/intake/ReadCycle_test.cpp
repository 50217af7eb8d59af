#include "ColumnMap.h"
#include "DocumentTableModel.h"
#include "ReadCycle.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Reader {
    Reader()
    {
        ColumnMap map;
        map.Load(QStringLiteral(VYPISKA_SOURCE_DIR "/config"));
        table.SetColumns(map.Columns());
    }
    DocumentTableModel table;
};

} // namespace

TEST(ReadCycle, ReadsOneSampleDocumentAndReportsInGreen)
{
    Reader reader;
    const QString path = ExamplesFolder() + "/PP_7701234560_20240305_000125.xml";
    const StatusMessage status = ReadCycle(reader.table).Run(path);
    EXPECT_EQ(status.color, StatusColor::Green);
    EXPECT_EQ(status.text, "Успешно прочитан 1 документ в '" + path + "'");
    ASSERT_EQ(reader.table.rowCount(), 1);
    EXPECT_EQ(reader.table.DisplayText(0, 0), QStringLiteral("125"));
    EXPECT_EQ(reader.table.DisplayText(0, 1), QStringLiteral("05.03.2024"));
    EXPECT_EQ(reader.table.DisplayText(0, 2), QStringLiteral("15\u00A0000,50\u00A0\u20BD"));
    EXPECT_EQ(reader.table.DisplayText(0, 3), QStringLiteral("ООО «Ромашка»"));
    EXPECT_EQ(reader.table.headerData(0, Qt::Horizontal, Qt::CheckStateRole).toInt(), Qt::Checked);
}

TEST(ReadCycle, EveryOtherPathFindsNothingInRed)
{
    QTemporaryDir dir;
    const QString noAmount = ExamplesFolder() + "/PP_7813029746_20240306_000126.xml";
    const QString text = WriteTestFile(dir.filePath("a.txt"), "<СуммаДок>1</СуммаДок>");
    for (const QString& path : {noAmount, text, dir.filePath("missing.xml"), QString()}) {
        Reader reader;
        const StatusMessage status = ReadCycle(reader.table).Run(path);
        EXPECT_EQ(status.color, StatusColor::Red) << path.toStdString();
        EXPECT_EQ(status.text, "Не найдено совместимых документов в '" + path + "'");
        EXPECT_EQ(reader.table.rowCount(), 0);
    }
}

TEST(ReadCycle, ANewReadReplacesTheRows)
{
    Reader reader;
    ReadCycle cycle(reader.table);
    cycle.Run(ExamplesFolder() + "/PP_7701234560_20240305_000125.xml");
    cycle.Run(ExamplesFolder() + "/PP_5260118733_20240311_000129.xml");
    ASSERT_EQ(reader.table.rowCount(), 1);
    EXPECT_EQ(reader.table.DisplayText(0, 2), QStringLiteral("1\u00A0234,56\u00A0\u20BD"));
}
