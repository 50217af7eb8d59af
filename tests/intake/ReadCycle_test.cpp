#include "ColumnMap.h"
#include "DocumentTableModel.h"
#include "FolderTree.h"
#include "ReadCycle.h"
#include "TestFiles.h"
#include "ZipBuilder.h"

#include <QScopeGuard>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

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
    // Reading a pipe would wait for a writer for ever.
    ASSERT_EQ(mkfifo(QFile::encodeName(folder + "/pipe.xml").constData(), 0600), 0);
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
    const QString temp = root.filePath("temp");
    QDir().mkpath(temp);
    const QByteArray oldTemp = qgetenv("TEMP");
    qputenv("TEMP", QFile::encodeName(temp));
    const auto restore = qScopeGuard([&] { qputenv("TEMP", oldTemp); });
    const QList<ZipEntry> pack = {
        {"a.xml", Doc(1)}, {"sub/b.xml", Doc(2)}, {"c.XML", Doc(3)}, {"d.txt", Doc(4)}};
    ASSERT_TRUE(WriteZip(root.filePath("PACK.Zip"), pack));
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
        // While an archive is read, its folder under TEMP is private to the user.
        QFile::Permissions permissions;
        const auto look = [&](qsizetype, qsizetype) {
            const QDir folder(temp);
            for (const QFileInfo& info : folder.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot))
                permissions |= info.permissions();
        };
        Reader reader;
        const StatusMessage status = ReadCycle(reader.table, look).Run(c.path);
        EXPECT_EQ(reader.table.rowCount(), c.rows) << c.path.toStdString();
        EXPECT_EQ(status.color, c.rows ? StatusColor::Green : StatusColor::Red);
        const bool isArchive = c.path.endsWith("zip", Qt::CaseInsensitive);
        EXPECT_EQ(permissions != QFile::Permissions(), isArchive) << c.path.toStdString();
        EXPECT_FALSE(permissions & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteOther));
        // Whatever an archive read found, it leaves nothing behind.
        EXPECT_EQ(FolderTree(temp), QStringList()) << c.path.toStdString();
    }
    qputenv("TEMP", "");
    EXPECT_EQ(ReadCycle::TemporaryRoot(), QDir::tempPath());
}

TEST(ReadCycle, LongReadsYieldBetweenDocumentsAndKeepTheListingOrder)
{
    QTemporaryDir root;
    QStringList expected;
    for (int i = 0; i < 600; ++i) {
        const QString name = QString("d%1.xml").arg(i, 3, 10, QChar('0'));
        expected.append(WriteTestFile(root.filePath(name), Doc(i)));
    }
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

TEST(ReadCycle, AFolderListingHasNoLimitOnItsLength)
{
    QTemporaryDir root;
    constexpr int count = 32800; // past the largest 16-bit index
    for (int i = 0; i < count; ++i)
        WriteTestFile(root.filePath(QString("%1.xml").arg(i, 5, 10, QChar('0'))), {});
    const QStringList paths = ReadCycle::ListDocuments(root.path());
    ASSERT_EQ(paths.size(), count);
    EXPECT_EQ(paths.last(), root.path() + "/32799.xml");
}
