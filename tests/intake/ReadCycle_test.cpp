#include "AnsiCodec.h"
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

const QByteArray kDoc = "<НомерДок>1</НомерДок><СуммаДок>1.50</СуммаДок>";

// A table with the shipped columns.
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

TEST(ReadCycle, ReadsEveryKindOfPathCountsWhatCannotBeReadAndLeavesNoTemporaryFiles)
{
    QTemporaryDir root;
    const QString temp = root.filePath("temp");
    QDir().mkpath(temp);
    const QByteArray oldTemp = qgetenv("TEMP");
    const auto restore = qScopeGuard([&] { qputenv("TEMP", oldTemp); });
    qputenv("TEMP", QFile::encodeName(temp));
    // A folder's own documents in name order whatever their case; links are listed whatever they
    // lead to (this one would never end) and so is a pipe (which would wait for a writer for
    // ever), so that those that cannot be read are counted.
    const QString folder = root.filePath("in.2024");
    for (const char* name :
         {"b.XML", "a.xml", "A.xml", "C.Xml", "notes.txt", "sub/d.xml", ".h.xml"})
        WriteTestFile(folder + '/' + name, kDoc);
    WriteTestFile(folder + "/dropped.xml", "<НомерДок>2</НомерДок>");
    QDir().mkpath(folder + "/folder.xml");
    ASSERT_TRUE(QFile::link(folder + "/gone", folder + "/vanished.xml"));
    ASSERT_TRUE(QFile::link("/dev/zero", folder + "/zero.xml"));
    ASSERT_EQ(mkfifo(QFile::encodeName(folder + "/pipe.xml").constData(), 0600), 0);
    const QString large = WriteTestFile(folder + "/large.xml", kDoc);
    ASSERT_TRUE(QFile::resize(large, DocumentParser::kLargestDocument + 1));
    QStringList listed = {"A.xml",     "a.xml",    "b.XML",        "C.Xml",   "dropped.xml",
                          "large.xml", "pipe.xml", "vanished.xml", "zero.xml"};
    for (QString& name : listed)
        name.prepend(folder + '/');
    EXPECT_EQ(ReadCycle::ListDocuments(folder), listed);
    EXPECT_EQ(ReadCycle::ListDocuments(listed[0]), QStringList());
    const QString pack = root.filePath("PACK.Zip");
    ASSERT_TRUE(
        WriteZip(pack, {{"a.xml", kDoc}, {"c.XML", kDoc}, {"s.xml", kDoc, ZipEntry::Encrypted}}));
    ASSERT_TRUE(WriteZip(root.filePath("deep.zip"), {{"sub/b.xml", kDoc}}));
    const struct {
        QString path;
        int rows;
        qsizetype unreadable;
    } cases[] = {
        {pack, 2, 1},
        {ExamplesFolder() + "/PP_7701234560_20240305_000125.xml", 1, 0},
        {ExamplesFolder() + "/PP_7813029746_20240306_000126.xml", 0, 0}, // no amount
        {WriteTestFile(root.filePath("1251.xml"),
                       AnsiCodec::Encode(QString::fromUtf8(
                           "<?xml version='1.0' encoding='windows-1251'?>" + kDoc))),
         1, 0},
        // Every format of the examples has its amount where the shipped columns look for it.
        {ExamplesFolder() + "/../direct-exchange", 3, 0},
        {ExamplesFolder() + "/../ed101", 3, 0},
        {ExamplesFolder() + "/../host-to-host", 2, 0},
        {root.filePath("deep.zip"), 0, 0},
        {WriteTestFile(root.filePath("broken.zip"), kDoc), 0, 1},
        {WriteTestFile(root.filePath("doc.XML"), kDoc), 1, 0},
        {WriteTestFile(root.filePath("doc.xml.bak"), kDoc), 0, 0},
        {folder + "/pipe.xml", 0, 1},
        {folder + "/folder.xml", 0, 0},
        {root.filePath("missing.zip"), 0, 0},
        {root.filePath("missing.xml"), 0, 0},
        {root.filePath("missing"), 0, 0},
        {QString(), 0, 0},
        {folder, 4, 4}};
    // One cycle for all: a new run replaces the rows and the counts of the last.
    Reader reader;
    QFile::Permissions permissions;
    QStringList yields;
    ReadCycle cycle(reader.table, [&](qsizetype done, qsizetype total) {
        yields.append(QString("%1/%2").arg(done).arg(total));
        // While an archive is read, its folder under TEMP is private to the user.
        for (const QFileInfo& info : QDir(temp).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot))
            permissions |= info.permissions();
    });
    for (const auto& c : cases) {
        permissions = {};
        yields.clear();
        const StatusMessage status = cycle.Run(c.path);
        EXPECT_EQ(reader.table.rowCount(), c.rows) << c.path.toStdString();
        EXPECT_EQ(cycle.UnreadableCount(), c.unreadable) << c.path.toStdString();
        EXPECT_EQ(status.text, c.rows ? ReadCycle::SuccessText(c.rows, c.path, c.unreadable)
                                      : ReadCycle::NothingFoundText(c.path, c.unreadable));
        EXPECT_EQ(status.color, c.rows ? StatusColor::Green : StatusColor::Red);
        EXPECT_TRUE(!c.rows ||
                    reader.table.headerData(0, Qt::Horizontal, Qt::CheckStateRole) == Qt::Checked);
        const bool isArchive = c.path.endsWith("zip", Qt::CaseInsensitive) && QFile::exists(c.path);
        EXPECT_EQ(permissions != QFile::Permissions(), isArchive) << c.path.toStdString();
        EXPECT_FALSE(permissions & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteOther));
        // Whatever an archive read found, it leaves nothing behind.
        EXPECT_EQ(FolderTree(temp), QStringList()) << c.path.toStdString();
    }
    // The folder, read last, yields after every document and keeps the listing's order.
    EXPECT_EQ(yields,
              QStringList({"0/0", "1/9", "2/9", "3/9", "4/9", "5/9", "6/9", "7/9", "8/9", "9/9"}));
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(reader.table.Key(row), listed[row]);
    // An archive needs a usable temporary folder, which TEMP names with or without separators of
    // either kind at its end.
    const QString file = WriteTestFile(root.filePath("file"), "x");
    for (const QString& unusable : {root.filePath("missing"), file + "/"}) {
        qputenv("TEMP", QFile::encodeName(unusable));
        const StatusMessage status = cycle.Run(pack);
        EXPECT_EQ(status.text, "Не удалось распаковать архив '" + pack + "': временная папка '" +
                                   unusable.chopped(unusable.endsWith('/') ? 1 : 0) +
                                   "' недоступна");
        EXPECT_EQ(status.color, StatusColor::Red);
    }
    qputenv("TEMP", QFile::encodeName(temp + "\\/"));
    EXPECT_EQ(ReadCycle::TemporaryRoot(), temp);
    qputenv("TEMP", "/");
    EXPECT_EQ(ReadCycle::TemporaryRoot(), "/");
    qputenv("TEMP", "");
    EXPECT_EQ(ReadCycle::TemporaryRoot(), QDir::tempPath());
    // Whatever throws while the extracted documents are read, they go with the stack. The run
    // yields (0, 0) when it starts and again once the extraction is done.
    qputenv("TEMP", QFile::encodeName(temp));
    int starts = 0;
    ReadCycle throwing(reader.table, [&](qsizetype, qsizetype total) {
        starts += total == 0 ? 1 : 0;
        if (starts == 2 && total > 0)
            throw std::bad_alloc();
    });
    EXPECT_THROW(throwing.Run(pack), std::bad_alloc);
    EXPECT_EQ(FolderTree(temp), QStringList());
}
