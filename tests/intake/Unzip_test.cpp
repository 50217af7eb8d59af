#include "FolderTree.h"
#include "TestFiles.h"
#include "Unzip.h"
#include "ZipBuilder.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <climits>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

// The tree below a folder as FolderTree gives it, archives left out and every file followed by
// its contents, or by its size when it is large.
QStringList Listing(const QString& folder)
{
    QStringList listing;
    for (const QString& path : FolderTree(folder)) {
        const QFileInfo file(QDir(folder).filePath(path));
        if (path.endsWith('/') || path.endsWith('@'))
            listing.append(path);
        else if (!path.endsWith(".zip"))
            listing.append(
                path + '=' +
                (file.size() > 16 ? QByteArray::number(file.size()) : Contents(file.filePath())));
    }
    return listing;
}

} // namespace

TEST(UnzipFile, ExtractsByTheNameRulesAndNothingElse)
{
    QTemporaryDir root;
    // Large enough to be written in several chunks before its damage shows.
    const QByteArray big = QByteArray(300000, 'x') + "MARKER" + QByteArray(1000, 'y');
    const QByteArray zeros((64 << 20) + 1, '\0');
    // Links planted in the destination beforehand must not lead the extraction out of it, and an
    // existing file is never replaced.
    const auto plant = [](const QString& folder) {
        WriteTestFile(folder + "/outside/victim.xml", "victim");
        WriteTestFile(folder + "/d/a.xml", "old");
        return QFile::link(folder + "/outside", folder + "/d/sub") &&
               QFile::link(folder + "/outside/victim.xml", folder + "/d/planted.xml") &&
               PatchFile(folder + "/a.zip", "dup2.xml", "dup1.xml"); // libzip refuses duplicates
    };
    const struct {
        const char* name;
        QList<ZipEntry> entries;
        QStringList tree; // of the case's folder, archive left out
        qsizetype unwritten;
        std::pair<qsizetype, qsizetype> progress;
        std::function<bool(const QString& folder)> prepare = {};
        UnzipLimits limits = {};
        const char* destination = "d";
    } cases[] = {
        // clang-format off
        {"names",
         {{"a.xml", "A"}, {"sub/b.xml", "B"}, {"sub/deeper/c.xml", "C"},
          {"1/d.xml", "D"}, {"sub/y/f.xml", "F"}, {"x", "X"}, // one character: skipped with all in it
          {"ab", "AB"}, {"empty/", "", ZipEntry::Folder}, {"zero.xml", ""},
          {"only/prefix/e.xml", "E"},                      // folders named only as prefixes
          {"\x80\xE0\xE5\xA8\xA2\\\x84\xAE\xAA.xml", "2"}, // CP866 "Архив\Док.xml"
          {"bad.xml", big, ZipEntry::Stored}},             // leaves no partial file
         {"d/", "d/a.xml=A", "d/ab=AB", "d/empty/", "d/only/", "d/only/prefix/", "d/only/prefix/e.xml=E",
          "d/sub/", "d/sub/b.xml=B", "d/sub/deeper/", "d/sub/deeper/c.xml=C", "d/zero.xml=", "d/Архив/",
          "d/Архив/Док.xml=2"},
         1, {8, 11},
         [](const QString& folder) { return PatchFile(folder + "/a.zip", "MARKER", "MARKET"); }},
        {"hostile",
         {{"../escape.xml", "1"}, {QFile::encodeName(root.filePath("hostile/x.xml")), "3"}, {"C:\\drive.xml", "5"},
          {"\\\\server\\share\\unc.xml", "7"}, {"link.xml", "../escape.xml", ZipEntry::Link},
          {"secret.xml", "8", ZipEntry::Encrypted}, {"sub/x.xml", "9"}, {"planted.xml", "10"},
          {"a.xml", "new"}, {"dup1.xml", "first"}, {"dup2.xml", "second"}},
         {"d/", "d/a.xml=old", "d/dup1.xml=first", "d/planted.xml@", "d/sub@", "outside/",
          "outside/victim.xml=victim"},
         2, {4, 5}, plant},
        // liar.xml claims less than it holds and fails past its limit, its 2001 bytes counted all
        // the same; b.xml fills the total exactly, so d.xml no longer fits. Documents at the top
        // only are counted.
        {"limits",
         {{"a.xml", QByteArray(2000, 'a')}, {"claims.xml", QByteArray(3000, 'c')},
          {"liar.xml", QByteArray(3000, 'l')}, {"sub/e.xml", QByteArray(3000, 'e')},
          {"f.txt", QByteArray(3000, 'f')}, {"b.xml", QByteArray(1999, 'b')}, {"d.xml", "d"},
          {"g.XML", "g", ZipEntry::Encrypted}, {"sub/g.xml", "g", ZipEntry::Encrypted},
          {"h.xml", "a.xml", ZipEntry::Link}},
         {"d/", "d/a.xml=2000", "d/b.xml=1999", "d/sub/"},
         5, {7, 7},
         [](const QString& folder) { return PatchEntrySizes(folder + "/a.zip", "liar.xml", {}, 1000); },
         {2000, 6000}},
        // One claims more than an entry may take and is not begun; the other runs out early.
        {"default limits",
         {{"bomb.xml", zeros}, {"exact.xml", zeros.left(64 << 20)}, {"deflated.xml", "1"},
          {"stored.xml", "2", ZipEntry::Stored}, {"ok.xml", "ok"}},
         {"d/", "d/exact.xml=67108864", "d/ok.xml=ok"},
         3, {5, 5},
         [](const QString& folder) {
             return PatchEntrySizes(folder + "/a.zip", "deflated.xml", {}, 0x7FFFFFF0) &&
                    PatchEntrySizes(folder + "/a.zip", "stored.xml", 1 << 20, 1 << 20);
         }},
        // A write that fails part way leaves no file behind.
        {"full disk", {{"big.xml", QByteArray(2000, 'b')}, {"small.xml", "s"}}, {"d/", "d/small.xml=s"},
         1, {2, 2}, [](const QString&) {
             const rlimit limit{1000, RLIM_INFINITY};
             return std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR && setrlimit(RLIMIT_FSIZE, &limit) == 0;
         }},
        {"beside the archive", {{"a.xml", "A"}}, {"a/", "a/a.xml=A"}, 0, {1, 1}, {}, {}, ""},
        {"through a link", {{"a.xml", "A"}}, {"d@", "real/", "real/a.xml=A"}, 0, {1, 1},
         [](const QString& folder) {
             return QDir().mkpath(folder + "/real") && QFile::link(folder + "/real", folder + "/d");
         }},
        {"no parent", {{"a.xml", "A"}, {"a.txt", "T"}}, {}, 1, {0, 0}, {}, {}, "no/parent"},
        // clang-format on
    };
    rlimit unlimited{};
    getrlimit(RLIMIT_FSIZE, &unlimited);
    QStringList folders;
    for (const auto& c : cases) {
        const QString folder = root.filePath(c.name);
        folders.append(c.name);
        QDir().mkpath(folder);
        ASSERT_TRUE(WriteZip(folder + "/a.zip", c.entries)) << c.name;
        ASSERT_TRUE(!c.prepare || c.prepare(folder)) << c.name;
        std::pair<qsizetype, qsizetype> progress;
        UnzipReport report;
        const QString destination = *c.destination ? folder + '/' + c.destination : QString();
        const bool opened = UnzipFile(
            folder + "/a.zip", destination,
            [&](qsizetype done, qsizetype total) {
                progress = {done, total};
            },
            c.limits, &report);
        setrlimit(RLIMIT_FSIZE, &unlimited);
        EXPECT_TRUE(opened) << c.name;
        EXPECT_EQ(Listing(folder), c.tree) << c.name;
        EXPECT_EQ(report.unwrittenDocuments, c.unwritten) << c.name;
        EXPECT_EQ(progress, c.progress) << c.name;
    }
    // An archive that cannot be opened, or no destination and no name to make one of, creates
    // nothing.
    const QString cut = root.filePath("names/a.zip");
    ASSERT_TRUE(QFile::resize(cut, 60));
    for (const QString& archive : {cut, root.filePath("missing.zip"), QStringLiteral("a")})
        EXPECT_FALSE(UnzipFile(archive, archive == "a" ? QString() : root.filePath("cut")));
    folders.sort();
    EXPECT_EQ(QDir(root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), folders);
}

TEST(UnzipFile, PathsAsLongAsTheSystemTakesAndNoLonger)
{
    QTemporaryDir root;
    const QString destination = root.filePath("d");
    const qsizetype room = PATH_MAX - 1 - QFile::encodeName(destination).size();
    // Folders of 200 characters with their separators, then a file name that brings the path
    // below the destination to the length.
    const auto entry = [](char folder, qsizetype length) {
        const qsizetype steps = (length - 50) / 200;
        return (QByteArray(199, folder) + '/').repeated(steps) +
               QByteArray(length - 200 * steps - 1, 'x');
    };
    const QString zip = root.filePath("long.zip");
    ASSERT_TRUE(WriteZip(zip, {{entry('a', room), "A"}, {entry('b', room + 1), "B"}}));
    EXPECT_TRUE(UnzipFile(zip, destination));
    EXPECT_EQ(Contents(destination + '/' + QFile::decodeName(entry('a', room))), "A");
    EXPECT_EQ(QDir(destination).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList(QString(199, 'a')));
}
