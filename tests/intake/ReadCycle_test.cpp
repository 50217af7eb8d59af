#include "ColumnMap.h"
#include "DocumentTableModel.h"
#include "FolderTree.h"
#include "ReadCycle.h"
#include "TestFiles.h"
#include "ZipBuilder.h"

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

namespace {

QByteArray Doc(int number)
{
    return "<НомерДок>" + QByteArray::number(number) + "</НомерДок><СуммаДок>" +
           QByteArray::number(number) + ".50</СуммаДок>";
}

QStringList Keys(const DocumentTableModel& table)
{
    QStringList keys;
    for (const DocumentRow& row : table.Rows())
        keys.append(row.key);
    return keys;
}

// Points "TEMP" at a folder of the test's own for as long as it lives.
struct TempVariable {
    explicit TempVariable(const QString& value) : old(qgetenv("TEMP")), had(qEnvironmentVariableIsSet("TEMP"))
    {
        qputenv("TEMP", QFile::encodeName(value));
    }
    ~TempVariable()
    {
        if (had)
            qputenv("TEMP", old);
        else
            qunsetenv("TEMP");
    }
    QByteArray old;
    bool had;
};

} // namespace

TEST(ReadCycle, ReadsAFolderOwnXmlFilesInNameOrderWhateverTheirCase)
{
    QTemporaryDir root;
    const QString folder = root.filePath("in.2024");
    WriteTestFile(folder + "/b.XML", Doc(2));
    WriteTestFile(folder + "/a.xml", Doc(1));
    WriteTestFile(folder + "/C.Xml", Doc(3));
    WriteTestFile(folder + "/notes.txt", Doc(4));
    WriteTestFile(folder + "/sub/d.xml", Doc(5));
    WriteTestFile(folder + "/.hidden.xml", Doc(6));
    QDir().mkpath(folder + "/dir.xml");
    const QStringList expected = {folder + "/a.xml", folder + "/b.XML", folder + "/C.Xml"};
    EXPECT_EQ(ReadCycle::ListDocuments(folder), expected);

    Reader reader;
    const StatusMessage status = ReadCycle(reader.table).Run(folder);
    EXPECT_EQ(Keys(reader.table), expected);
    EXPECT_EQ(status.text, "Успешно прочитано 3 документа в '" + folder + "'");
    EXPECT_EQ(status.color, StatusColor::Green);
}

TEST(ReadCycle, ThePathKindDecidesWhatIsRead)
{
    QTemporaryDir root;
    TempVariable temp(root.filePath("temp"));
    QDir().mkpath(root.filePath("temp"));
    ASSERT_TRUE(WriteZip(root.filePath("PACK.Zip"),
                         {{"a.xml", Doc(1)}, {"sub/b.xml", Doc(2)}, {"c.XML", Doc(3)}, {"d.txt", Doc(4)}}));
    ASSERT_TRUE(WriteZip(root.filePath("deep.zip"), {{"sub/b.xml", Doc(2)}}));
    const struct {
        QString path;
        int rows;
    } cases[] = {
        {root.filePath("PACK.Zip"), 2},
        {root.filePath("deep.zip"), 0},
        {WriteTestFile(root.filePath("broken.zip"), Doc(1)), 0},
        {WriteTestFile(root.filePath("doc.XML"), Doc(1)), 1},
        {WriteTestFile(root.filePath("noext"), Doc(1)), 0},
        {WriteTestFile(root.filePath("doc.xml.bak"), Doc(1)), 0},
        {root.filePath("missing"), 0},
    };
    for (const auto& c : cases) {
        Reader reader;
        const StatusMessage status = ReadCycle(reader.table).Run(c.path);
        EXPECT_EQ(reader.table.rowCount(), c.rows) << c.path.toStdString();
        EXPECT_EQ(status.color, c.rows ? StatusColor::Green : StatusColor::Red);
        // Every archive read, whatever it found, leaves the temporary folder empty.
        EXPECT_EQ(FolderTree(root.filePath("temp")), QStringList()) << c.path.toStdString();
    }
}

TEST(ReadCycle, AnArchiveIsExtractedIntoAPrivateFolderUnderTemp)
{
    QTemporaryDir root;
    TempVariable temp(root.path());
    const QString zip = root.filePath("a.zip");
    ASSERT_TRUE(WriteZip(zip, {{"a.xml", Doc(1)}}));
    Reader reader;
    QStringList seen;
    QFile::Permissions permissions;
    ReadCycle(reader.table, [&](qsizetype, qsizetype) {
        const QFileInfoList folders = QDir(root.path()).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QFileInfo& folder : folders) {
            seen.append(folder.fileName());
            permissions = folder.permissions();
        }
    }).Run(zip);
    ASSERT_FALSE(seen.isEmpty());
    EXPECT_TRUE(seen.first().startsWith("vypiska-"));
    EXPECT_EQ(permissions & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
              QFile::Permissions());
    EXPECT_EQ(FolderTree(root.path()), QStringList({"a.zip"}));

    qputenv("TEMP", "");
    EXPECT_EQ(ReadCycle::TemporaryRoot(), QDir::tempPath());
}

TEST(ReadCycle, LongReadsYieldBetweenDocumentsAndKeepTheListingOrder)
{
    QTemporaryDir root;
    QStringList expected;
    for (int i = 0; i < 600; ++i)
        expected.append(WriteTestFile(root.filePath(QString("d%1.xml").arg(i, 3, 10, QChar('0'))), Doc(i)));
    Reader reader;
    qsizetype next = 1;
    bool ordered = true;
    StatusMessage status = ReadCycle(reader.table, [&](qsizetype done, qsizetype total) {
        if (total > 0)
            ordered = ordered && done == next++ && total == 600;
    }).Run(root.path());
    EXPECT_TRUE(ordered);
    EXPECT_EQ(next, 601);
    EXPECT_EQ(Keys(reader.table), expected);
    EXPECT_EQ(status.text, "Успешно прочитано 600 документов в '" + root.path() + "'");
}
