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
    // Reading a pipe would wait for a writer for ever; it is listed so that it is counted.
    ASSERT_EQ(mkfifo(QFile::encodeName(folder + "/pipe.xml").constData(), 0600), 0);
    const QStringList expected = {folder + "/a.xml", folder + "/b.XML", folder + "/C.Xml"};
    EXPECT_EQ(ReadCycle::ListDocuments(folder), expected + QStringList(folder + "/pipe.xml"));

    Reader reader;
    const StatusMessage status = ReadCycle(reader.table).Run(folder);
    EXPECT_EQ(Keys(reader.table), expected);
    EXPECT_EQ(status.text,
              "Успешно прочитано 3 документа в '" + folder + "'; не удалось прочитать 1 файл");
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

TEST(ReadCycle, FilesThatCannotBeReadAreCountedApartFromDroppedDocuments)
{
    QTemporaryDir root;
    const QByteArray oldTemp = qgetenv("TEMP");
    qputenv("TEMP", QFile::encodeName(root.filePath("temp")));
    QDir().mkpath(root.filePath("temp"));
    const auto restore = qScopeGuard([&] { qputenv("TEMP", oldTemp); });
    const QString mixed = root.filePath("mixed");
    WriteTestFile(mixed + "/a.xml", Doc(1));
    WriteTestFile(mixed + "/dropped.xml", "<НомерДок>2</НомерДок>");
    QDir().mkpath(mixed + "/folder.xml");
    ASSERT_TRUE(QFile::link(mixed + "/gone", mixed + "/vanished.xml"));
    ASSERT_EQ(mkfifo(QFile::encodeName(mixed + "/pipe.xml").constData(), 0600), 0);
    const QString large = WriteTestFile(mixed + "/large.xml", Doc(3));
    ASSERT_TRUE(QFile::resize(large, DocumentParser::kLargestDocument + 1));
    const QString none = root.filePath("none");
    QDir().mkpath(none);
    ASSERT_EQ(mkfifo(QFile::encodeName(none + "/x.xml").constData(), 0600), 0);
    const QString zip = root.filePath("a.zip");
    ASSERT_TRUE(WriteZip(zip, {{"a.xml", Doc(1)},
                               {"secret.xml", Doc(2), ZipEntry::Encrypted},
                               {"link.xml", "a.xml", ZipEntry::Link},
                               {"sub/secret.xml", Doc(3), ZipEntry::Encrypted}}));
    const QString broken = WriteTestFile(root.filePath("broken.zip"), Doc(1));
    const struct {
        QString path;
        int rows;
        qsizetype unreadable;
        QString text;
    } cases[] = {
        {mixed, 1, 3,
         "Успешно прочитан 1 документ в '" + mixed + "'; не удалось прочитать 3 файла"},
        {none, 0, 1,
         "Не найдено совместимых документов в '" + none + "'; не удалось прочитать 1 файл"},
        {zip, 1, 2, "Успешно прочитан 1 документ в '" + zip + "'; не удалось прочитать 2 файла"},
        {broken, 0, 1,
         "Не найдено совместимых документов в '" + broken + "'; не удалось прочитать 1 файл"},
        {root.filePath("missing.zip"), 0, 0,
         "Не найдено совместимых документов в '" + root.filePath("missing.zip") + "'"},
    };
    for (const auto& c : cases) {
        Reader reader;
        ReadCycle cycle(reader.table);
        const StatusMessage status = cycle.Run(c.path);
        EXPECT_EQ(reader.table.rowCount(), c.rows) << c.path.toStdString();
        EXPECT_EQ(cycle.UnreadableCount(), c.unreadable) << c.path.toStdString();
        EXPECT_EQ(status.text, c.text);
        EXPECT_EQ(status.color, c.rows ? StatusColor::Green : StatusColor::Red);
    }
}

TEST(ReadCycle, ArchivesNeedAUsableTemporaryFolderAndLeaveNothingInIt)
{
    QTemporaryDir root;
    const QByteArray oldTemp = qgetenv("TEMP");
    const auto restore = qScopeGuard([&] { qputenv("TEMP", oldTemp); });
    const QString zip = root.filePath("a.zip");
    ASSERT_TRUE(WriteZip(zip, {{"a.xml", Doc(1)}}));
    const QString file = WriteTestFile(root.filePath("file"), "x");
    const QString missing = root.filePath("missing");
    for (const QString& temp : {missing, file, file + "/"}) {
        qputenv("TEMP", QFile::encodeName(temp));
        Reader reader;
        const StatusMessage status = ReadCycle(reader.table).Run(zip);
        EXPECT_EQ(status.text, "Не удалось распаковать архив '" + zip + "': временная папка '" +
                                   (temp == missing ? missing : file) + "' недоступна");
        EXPECT_EQ(status.color, StatusColor::Red);
    }
    // A separator at the end of TEMP, of either kind, puts the folder inside TEMP.
    const QString temp = root.filePath("temp");
    QDir().mkpath(temp);
    for (const QString& written : {temp + "\\", temp + "/"}) {
        qputenv("TEMP", QFile::encodeName(written));
        QStringList inside;
        Reader reader;
        ReadCycle(reader.table, [&](qsizetype, qsizetype) { inside += FolderTree(temp); }).Run(zip);
        EXPECT_EQ(reader.table.rowCount(), 1);
        EXPECT_FALSE(inside.isEmpty()) << written.toStdString();
        EXPECT_EQ(FolderTree(root.path()), QStringList({"a.zip", "file", "temp/"}));
    }
    // Whatever throws while the extracted documents are read, they go with the stack. The run
    // yields (0, 0) when it starts and again once the extraction is done.
    qputenv("TEMP", QFile::encodeName(temp));
    Reader reader;
    int starts = 0;
    ReadCycle throwing(reader.table, [&](qsizetype, qsizetype total) {
        starts += total == 0 ? 1 : 0;
        if (starts == 2 && total > 0)
            throw std::bad_alloc();
    });
    EXPECT_THROW(throwing.Run(zip), std::bad_alloc);
    EXPECT_EQ(FolderTree(temp), QStringList());
}

TEST(ReadCycle, TheShippedColumnMapReadsEveryFormatOfTheExamples)
{
    const struct {
        const char* folder;
        int rows;
        const char* file;
        const char* cells;
    } cases[] = {
        {"direct-exchange", 3, "PP_6685023173_20240322_000141.xml",
         "141|22.03.2024|127 300,40 ₽|ООО "
         "\"Лютик-Строй\"|6685023173|668501001|40702810916000048801|"
         "ПАО «Уральский учебный банк», г. Екатеринбург|046577634|30101810100000000634|"
         "АО «Незабудка» & партнёры|6671045924|667101001|40702810916000002258|"
         "ПАО «Уральский учебный банк», г. Екатеринбург|046577634|30101810100000000634|01|5|"
         "Оплата по договору № 12/24 \"Поставка щебня\" <партия 3>. В т.ч. НДС 20% - 21216.73 "
         "руб."},
        {"ed101", 3, "ED101_7701234560_20240321_000142.xml",
         "142|21.03.2024|5 555,00 ₽|ООО "
         "«Ромашка»|7701234560|770101001|40702810438000012345||"
         "044525318|30101810100000000318|ООО «Канцелярский двор»|7714582036|771401001|"
         "40702810700000004417||044525764|30101810000000000764|01|5|"
         "Оплата по счету № 21 от 18.03.2024 за бумагу офисную. В т.ч. НДС 20% - 925.83 руб."},
        {"host-to-host", 2, "PP_6671045924_20240321_000145.xml",
         "145|21.03.2024|3 150,75 ₽|АО "
         "\"Незабудка\"|6671045924|667101001|40702810916000002258|"
         "ПАО \"Уральский учебный банк\", г. Екатеринбург|046577634|30101810100000000634|"
         "ООО \"Лютик-Строй\"|6685023173|668501001|40702810916000048801|"
         "ПАО \"Уральский учебный банк\", г. Екатеринбург|046577634|30101810100000000634|||"
         "Оплата по счету № 214 от 19.03.2024 за \"Песок строительный\". В т.ч. НДС 20% - 525.13 "
         "руб."},
    };
    for (const auto& c : cases) {
        const QString folder = QStringLiteral(VYPISKA_SOURCE_DIR "/examples/") + c.folder;
        Reader reader;
        ReadCycle(reader.table).Run(folder);
        EXPECT_EQ(reader.table.rowCount(), c.rows) << c.folder;
        const qsizetype row = Keys(reader.table).indexOf(folder + "/" + c.file);
        ASSERT_GE(row, 0) << c.file;
        QStringList cells;
        for (int column = 0; column < reader.table.columnCount(); ++column)
            cells.append(reader.table.DisplayText(int(row), column));
        EXPECT_EQ(cells.join('|').replace(QChar(0xA0), ' '), QString::fromUtf8(c.cells));
    }
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
