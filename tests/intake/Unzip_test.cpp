#include "FolderTree.h"
#include "TestFiles.h"
#include "Unzip.h"
#include "ZipBuilder.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

quint32 Crc32(const QByteArray& bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// An entry with a CP866 name and a Unicode path extra field naming it in UTF-8, as Windows
// archivers write them. libzip refuses to set that field itself, so it is written under a
// neighbouring ID and renamed in the file.
bool WriteZipWithUnicodePath(const QString& path, const QByteArray& rawName, const QString& name)
{
    int error = 0;
    zip_t* archive =
        zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    static const char data[] = "<СуммаДок>1</СуммаДок>";
    zip_source_t* source = zip_source_buffer(archive, data, sizeof data - 1, 0);
    const zip_int64_t index = zip_file_add(archive, rawName.constData(), source, ZIP_FL_ENC_CP437);
    QByteArray field(1, '\x01');
    const quint32 crc = Crc32(rawName);
    for (int shift = 0; shift < 32; shift += 8)
        field.append(char((crc >> shift) & 0xFF));
    field.append(name.toUtf8());
    zip_file_extra_field_set(archive, zip_uint64_t(index), 0x7076, ZIP_EXTRA_FIELD_NEW,
                             reinterpret_cast<const zip_uint8_t*>(field.constData()),
                             zip_uint16_t(field.size()), ZIP_FL_CENTRAL | ZIP_FL_LOCAL);
    if (zip_close(archive) != 0)
        return false;
    const QByteArray header = QByteArray("\x76\x70") + char(field.size()) + '\0' + '\x01';
    return PatchFile(path, header, QByteArray("\x75\x70") + header.mid(2));
}

} // namespace

TEST(UnzipFile, BuildsTheFolderTreeByTheNameRules)
{
    QTemporaryDir root;
    const QString zip = root.filePath("docs.zip");
    // Large enough to be written in several chunks before its damage shows.
    const QByteArray big = QByteArray(300000, 'x') + "MARKER" + QByteArray(1000, 'y');
    const QList<ZipEntry> entries = {
        {"a.xml", "A"},
        {"sub/b.xml", "B"},
        {"sub/deeper/c.xml", "C"},
        {"1/d.xml", "D"}, // a one-character folder is skipped with all below it
        {"sub/y/f.xml", "F"},
        {"x", "X"}, // so is a one-character file
        {"ab", "AB"},
        {"empty/", "", ZipEntry::Folder},
        {"zero.xml", ""},
        {"only/prefix/e.xml", "E"},                      // folders named only as prefixes
        {"win\\g.xml", "G"},                             // a backslash separates like a slash
        {"\x8E\xE2\xE7\xA5\xE2.xml", "1"},               // CP866 "Отчет.xml"
        {"\x80\xE0\xE5\xA8\xA2\\\x84\xAE\xAA.xml", "2"}, // CP866 "Архив\Док.xml"
        {"Папка/Файл.xml", "3"},                         // UTF-8, flagged by libzip
        {"bad.xml", big, ZipEntry::Stored},              // leaves no partial file
    };
    ASSERT_TRUE(WriteZip(zip, entries));
    ASSERT_TRUE(PatchFile(zip, "MARKER", "MARKET"));
    std::pair<qsizetype, qsizetype> progress;
    EXPECT_TRUE(UnzipFile(zip, root.filePath("out"), [&](qsizetype done, qsizetype total) {
        progress = {done, total};
    }));
    EXPECT_EQ(FolderTree(root.filePath("out")),
              QStringList({"a.xml", "ab", "empty/", "only/", "only/prefix/", "only/prefix/e.xml",
                           "sub/", "sub/b.xml", "sub/deeper/", "sub/deeper/c.xml", "win/",
                           "win/g.xml", "zero.xml", "Архив/", "Архив/Док.xml", "Отчет.xml",
                           "Папка/", "Папка/Файл.xml"}));
    EXPECT_EQ(Contents(root.filePath("out/sub/deeper/c.xml")), "C");
    EXPECT_EQ(Contents(root.filePath("out/zero.xml")), "");
    EXPECT_EQ(progress, std::make_pair(qsizetype(11), qsizetype(14)));
}

TEST(UnzipFile, NothingIsWrittenOutsideTheDestination)
{
    QTemporaryDir root;
    // Links planted in the destination beforehand must not lead the extraction out of it.
    const QString victim = WriteTestFile(root.filePath("outside/victim.xml"), "victim");
    QDir().mkpath(root.filePath("dest"));
    ASSERT_TRUE(QFile::link(root.filePath("outside"), root.filePath("dest/sub")));
    ASSERT_TRUE(QFile::link(victim, root.filePath("dest/planted.xml")));
    const QString zip = root.filePath("hostile.zip");
    const QList<ZipEntry> entries = {
        {"../escape.xml", "1"},
        {"sub/../../escape2.xml", "2"},
        {QFile::encodeName(root.filePath("absolute.xml")), "3"},
        {"\\backslash.xml", "4"},
        {"C:\\drive.xml", "5"},
        {"c:drive2.xml", "6"},
        {"link.xml", "../escape.xml", ZipEntry::Link},
        {"secret.xml", "7", ZipEntry::Encrypted},
        {"sub/x.xml", "8"},
        {"planted.xml", "9"},
        {"ok.xml", "10"},
    };
    ASSERT_TRUE(WriteZip(zip, entries));
    EXPECT_TRUE(UnzipFile(zip, root.filePath("dest")));
    EXPECT_EQ(FolderTree(root.path()),
              QStringList({"dest/", "dest/ok.xml", "dest/planted.xml@", "dest/sub@", "hostile.zip",
                           "outside/", "outside/victim.xml"}));
    EXPECT_EQ(Contents(victim), "victim");
}

TEST(UnzipFile, AnExistingFileIsNeverReplaced)
{
    QTemporaryDir root;
    const QString old = WriteTestFile(root.filePath("dest/a.xml"), "old");
    WriteTestFile(root.filePath("dest/sub"), "a file where the archive has a folder");
    const QString zip = root.filePath("a.zip");
    const QList<ZipEntry> entries = {
        {"a.xml", "new"}, {"dup1.xml", "first"}, {"dup2.xml", "second"}, {"sub/b.xml", "B"}};
    ASSERT_TRUE(WriteZip(zip, entries));
    ASSERT_TRUE(PatchFile(zip, "dup2.xml", "dup1.xml")); // libzip itself refuses duplicates
    UnzipFile(zip, root.filePath("dest"));
    EXPECT_EQ(FolderTree(root.filePath("dest")), QStringList({"a.xml", "dup1.xml", "sub"}));
    EXPECT_EQ(Contents(old), "old");
    EXPECT_EQ(Contents(root.filePath("dest/dup1.xml")), "first");
}

TEST(UnzipFile, TheUnicodePathFieldOfWindowsArchiversNamesTheFile)
{
    QTemporaryDir root;
    const QString zip = root.filePath("unicode.zip");
    ASSERT_TRUE(WriteZipWithUnicodePath(zip, "\x8E\xE2\xE7\xA5\xE2.xml", "Отчёт.xml"));
    UnzipFile(zip, root.filePath("dest"));
    EXPECT_EQ(FolderTree(root.filePath("dest")), QStringList({"Отчёт.xml"}));
}

TEST(UnzipFile, CreatesNothingWhereItCannot)
{
    QTemporaryDir root;
    const QString zip = root.filePath("docs.zip");
    ASSERT_TRUE(WriteZip(zip, {{"a.xml", "A"}}));
    const QString text = WriteTestFile(root.filePath("text.zip"), "not an archive");

    EXPECT_FALSE(UnzipFile(root.filePath("missing.zip"), root.filePath("d1")));
    EXPECT_FALSE(UnzipFile(text, root.filePath("d2")));
    EXPECT_TRUE(UnzipFile(zip, root.filePath("no/parent")));
    EXPECT_EQ(FolderTree(root.path()), QStringList({"docs.zip", "text.zip"}));

    // Without a destination the archive goes beside itself, into its name less ".zip".
    EXPECT_TRUE(UnzipFile(zip, QString()));
    EXPECT_EQ(Contents(root.filePath("docs/a.xml")), "A");
}
