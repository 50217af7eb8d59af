#include "AnsiCodec.h"
#include "ColumnMap.h"
#include "DocumentTableModel.h"
#include "FolderTree.h"
#include "ReadCycle.h"
#include "TestFiles.h"
#include "Unzip.h"
#include "ZipBuilder.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

QByteArray Doc(int number)
{
    return "<НомерДок>" + QByteArray::number(number) + "</НомерДок><СуммаДок>" +
           QByteArray::number(number) + ".00</СуммаДок>";
}

// Every byte value in a fixed order: NULs, stray "<" and "%", bytes that are no UTF-8.
QByteArray Garbage(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char((i * 37 + 11) & 0xFF);
    return bytes;
}

bool Truncate(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && file.resize(file.size() / 2);
}

// Each case reads with TEMP in a folder of its own, beside the input: whatever an archive leaves
// behind or writes outside its folder shows in the tree of that one folder.
class BadInputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir().mkpath(Temp());
        m_oldTemp = qgetenv("TEMP");
        qputenv("TEMP", QFile::encodeName(Temp()));
    }

    void TearDown() override { qputenv("TEMP", m_oldTemp); }

    QString Temp() const { return root.filePath("temp"); }
    QString In(const QString& name) const { return root.filePath("in/" + name); }

    // The file names of the rows the path gives, with the shipped columns; the display values of
    // the rows' first four columns go to values.
    QStringList Read(const QString& path, const ReadCycle::Yield& yield = {})
    {
        ColumnMap map;
        map.Load(QStringLiteral(VYPISKA_SOURCE_DIR "/config"));
        table.SetColumns(map.Columns());
        const StatusMessage status = ReadCycle(table, yield).Run(path);
        EXPECT_EQ(status.color, table.rowCount() > 0 ? StatusColor::Green : StatusColor::Red);
        EXPECT_EQ(FolderTree(Temp()), QStringList()) << path.toStdString();
        QStringList names;
        values.clear();
        for (int row = 0; row < table.rowCount(); ++row) {
            names.append(QFileInfo(table.Rows()[row].key).fileName());
            for (int column = 0; column < 4; ++column)
                values.append(table.DisplayText(row, column));
        }
        return names;
    }

    QTemporaryDir root;
    DocumentTableModel table;
    QStringList values;

private:
    QByteArray m_oldTemp;
};

} // namespace

TEST_F(BadInputTest, HostileArchivesGiveOnlyTheirHonestTopLevelDocuments)
{
    const QString victim = WriteTestFile(root.filePath("outside/victim.xml"), Doc(9));
    const QByteArray outside = QFile::encodeName(root.filePath("outside"));
    const QList<ZipEntry> three = {{"a.xml", Doc(1)}, {"b.xml", Doc(2)}, {"c.xml", Doc(3)}};
    const struct {
        const char* name;
        QList<ZipEntry> entries;
        std::function<bool(const QString&)> damage;
        QStringList rows;
    } cases[] = {
        {"parent folder components",
         {{"../up.xml", Doc(1)},
          {"sub/../../up2.xml", Doc(2)},
          {"..\\up3.xml", Doc(3)},
          {"ok.xml", Doc(4)}},
         {},
         {"ok.xml"}},
        {"absolute paths and drive letters",
         {{outside + "/abs.xml", Doc(1)},
          {"C:/drive.xml", Doc(2)},
          {"C:\\drive2.xml", Doc(3)},
          {"c:drive3.xml", Doc(4)},
          {"\\\\server\\share\\unc.xml", Doc(5)}},
         {},
         {}},
        {"symbolic links",
         {{"link.xml", QFile::encodeName(victim), ZipEntry::Link},
          {"up.xml", "../outside/victim.xml", ZipEntry::Link},
          {"ok.xml", Doc(4)}},
         {},
         {"ok.xml"}},
        {"encrypted entries",
         {{"secret.xml", Doc(1), ZipEntry::Encrypted}, {"ok.xml", Doc(2)}},
         {},
         {"ok.xml"}},
        {"a folder named like a document",
         {{"x.xml/", "", ZipEntry::Folder}, {"x.xml/in.xml", Doc(1)}},
         {},
         {}},
        {"folders nested past the longest path the system takes",
         {{QByteArray("a-folder-with-a-rather-long-name/").repeated(200) + "deep.xml", Doc(1)},
          {"ok.xml", Doc(2)}},
         {},
         {"ok.xml"}},
        {"an archive cut in half", three, Truncate, {}},
        // One claims more than an entry may take and is not begun; the other runs out early.
        {"entries claiming far more than they hold",
         {{"deflated.xml", Doc(1)}, {"stored.xml", Doc(2), ZipEntry::Stored}, {"ok.xml", Doc(3)}},
         [](const QString& zip) {
             return PatchEntrySizes(zip, "deflated.xml", {}, 0x7FFFFFF0) &&
                    PatchEntrySizes(zip, "stored.xml", 1 << 20, 1 << 20);
         },
         {"ok.xml"}},
    };
    QDir().mkpath(In({}));
    for (const auto& c : cases) {
        const QString zip = In(QString::fromUtf8(c.name) + ".zip");
        ASSERT_TRUE(WriteZip(zip, c.entries)) << c.name;
        ASSERT_TRUE(!c.damage || c.damage(zip)) << c.name;
        const QStringList before = FolderTree(root.path());
        EXPECT_EQ(Read(zip), c.rows) << c.name;
        EXPECT_EQ(FolderTree(root.path()), before) << c.name;
    }
    QFile file(victim);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), Doc(9));
}

TEST_F(BadInputTest, BrokenDocumentsAreReadByTheRules)
{
    // The 50 MB come before the amount, so the whole text is searched.
    QByteArray large = "<DocNumber>50</DocNumber>";
    const QByteArray line = "<Строка>Назначение%20платежа\t№ 1</Строка>\r\n";
    while (large.size() < 50 * 1024 * 1024)
        large += line;
    large += "<Amount>50</Amount>";
    const struct {
        const char* name;
        QByteArray bytes;
        QStringList values; // Номер, Дата, Сумма, Плательщик; none when no row comes
    } cases[] = {
        {"empty", "", {}},
        {"binary garbage", Garbage(1 << 16), {}},
        {"requisites among garbage",
         Garbage(5000) + "<DocNumber>5</DocNumber>" + Garbage(5000) + "\xE2\x82<Amount>7</Amount>",
         {"5", "", "7,00\u00A0₽", ""}},
        {"Windows-1251",
         "<Amount>12.5</Amount><PayerName>" + AnsiCodec::Encode(u"ООО «Ромашка»") + "</PayerName>",
         {"", "", "12,50\u00A0₽", QString(3, QChar(0xFFFD)) + " " + QString(9, QChar(0xFFFD))}},
        {"Windows-1251 as declared",
         AnsiCodec::Encode(
             u"<?xml version=\"1.0\" encoding=\"windows-1251\"?><НомерДок>7</НомерДок>"
             u"<СуммаДок>1</СуммаДок><НаимПлат>ООО «Ромашка»</НаимПлат>"),
         {"7", "", "1,00\u00A0₽", "ООО «Ромашка»"}},
        {"50 MB", large, {"50", "", "50,00\u00A0₽", ""}},
    };
    for (const auto& c : cases) {
        const QString path = WriteTestFile(In(QString::fromUtf8(c.name) + ".xml"), c.bytes);
        EXPECT_EQ(Read(path),
                  c.values.isEmpty() ? QStringList() : QStringList(QFileInfo(path).fileName()))
            << c.name;
        EXPECT_EQ(values, c.values) << c.name;
    }
}

TEST_F(BadInputTest, PathsThatAreNotWhatTheySeem)
{
    const QString folder = In("x.xml");
    WriteTestFile(folder + "/a.xml", Doc(1));
    // A folder listing takes links whatever they lead to: this one would never end.
    ASSERT_TRUE(QFile::link("/dev/zero", folder + "/zero.xml"));
    const QString pipe = In("pipe.xml");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString shrinking = In("shrinking");
    for (int i = 1; i <= 3; ++i)
        WriteTestFile(shrinking + QString("/%1.xml").arg(i), Doc(i));
    // The next document of the listing disappears while the first one is being shown.
    const auto vanish = [&](qsizetype done, qsizetype total) {
        if (total == 3 && done == 1)
            QFile::remove(shrinking + "/2.xml");
    };
    const struct {
        const char* name;
        QString path;
        ReadCycle::Yield yield;
        QStringList rows;
    } cases[] = {
        {"a folder named like a document, with a link to a device", folder, {}, {"a.xml"}},
        {"a pipe named like a document", pipe, {}, {}},
        {"a document vanishing between listing and reading", shrinking, vanish, {"1.xml", "3.xml"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Read(c.path, c.yield), c.rows) << c.name;
}

namespace {

// The state of a source of zero bytes, which the archive compresses as it reads them.
struct Zeros {
    zip_uint64_t size = 0;
    zip_uint64_t done = 0;
};

zip_int64_t ZeroSource(void* state, void* data, zip_uint64_t length, zip_source_cmd_t command)
{
    auto* zeros = static_cast<Zeros*>(state);
    switch (command) {
    case ZIP_SOURCE_OPEN:
        zeros->done = 0;
        return 0;
    case ZIP_SOURCE_READ: {
        const zip_uint64_t count = std::min(length, zeros->size - zeros->done);
        std::memset(data, 0, count);
        zeros->done += count;
        return zip_int64_t(count);
    }
    case ZIP_SOURCE_STAT: {
        auto* stat = static_cast<zip_stat_t*>(data);
        zip_stat_init(stat);
        stat->valid = ZIP_STAT_SIZE;
        stat->size = zeros->size;
        return sizeof(zip_stat_t);
    }
    case ZIP_SOURCE_ERROR:
        std::memset(data, 0, 2 * sizeof(int));
        return 2 * sizeof(int);
    case ZIP_SOURCE_SUPPORTS:
        return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE,
                                              ZIP_SOURCE_STAT, ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE,
                                              -1);
    default:
        return 0;
    }
}

// An archive of one small document and "bomb.xml", size zero bytes deflated as they are made.
bool WriteBomb(const QString& path, zip_uint64_t size)
{
    int error = 0;
    zip_t* archive =
        zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    Zeros zeros{size};
    zip_source_t* source = zip_source_function(archive, ZeroSource, &zeros);
    const zip_int64_t bomb = zip_file_add(archive, "bomb.xml", source, 0);
    zip_set_file_compression(archive, zip_uint64_t(bomb), ZIP_CM_DEFLATE, 1);
    const QByteArray doc = Doc(1);
    zip_file_add(archive, "ok.xml", zip_source_buffer(archive, doc.constData(), doc.size(), 0), 0);
    return zip_close(archive) == 0;
}

long PeakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

constexpr zip_uint64_t kBombSize = 400u << 20;

// 4 MB that open every plain element of the shipped columns and close none of them but one at the
// end: each column's value would run from its element to that end.
QByteArray Unclosed()
{
    ColumnMap map;
    map.Load(QStringLiteral(VYPISKA_SOURCE_DIR "/config"));
    QByteArray bytes;
    for (const DocumentColumn& column : map.Columns()) {
        for (const QString& name : column.tagString.split(';').mid(1)) {
            if (!name.contains('/') && !name.contains('@'))
                bytes += "<" + name.toUtf8() + ">";
        }
    }
    bytes += QByteArray(4 << 20, 'x');
    return bytes + "</x>";
}

} // namespace

TEST_F(BadInputTest, HugeContentNeverReachesMemoryOrStaysOnDisk)
{
    const QString bomb = In("bomb.zip");
    QDir().mkpath(In({}));
    ASSERT_TRUE(WriteBomb(bomb, kBombSize));
    // An archive that says its entry is small and inflates it to the full size all the same.
    const QString liar = In("liar.zip");
    ASSERT_TRUE(QFile::copy(bomb, liar));
    ASSERT_TRUE(PatchEntrySizes(liar, "bomb.xml", {}, 1000));
    // A document far larger than any payment document, without taking the disk space.
    const QString huge = WriteTestFile(In("huge.xml"), Doc(1));
    ASSERT_EQ(::truncate(QFile::encodeName(huge).constData(), 200 << 20), 0);
    // Values are cut, so rows stay small however much of the document they would take.
    const QByteArray unclosed = Unclosed();
    const QString open = WriteTestFile(In("open.xml"), unclosed);
    const QString opens = In("opens.zip");
    ASSERT_TRUE(WriteZip(opens, {{"1.xml", unclosed}, {"2.xml", unclosed}, {"3.xml", unclosed}}));
    // Unclosed elements that only paths could find: the reader gives up on the text.
    const QString paths = WriteTestFile(In("paths.xml"), "<PayDocRu><Data><Sum>1</Sum><Payer>" +
                                                             QByteArray(4 << 20, 'x') + "</x>");

    const struct {
        QString path;
        QStringList rows;
    } cases[] = {{bomb, {"ok.xml"}},
                 {liar, {"ok.xml"}},
                 {huge, {}},
                 {open, {"open.xml"}},
                 {opens, {"1.xml", "2.xml", "3.xml"}},
                 {paths, {}}};
    for (const auto& c : cases) {
        const QStringList before = FolderTree(root.path());
        const long peak = PeakKilobytes();
        EXPECT_EQ(Read(c.path), c.rows) << c.path.toStdString();
        EXPECT_LT(PeakKilobytes() - peak, 100 * 1024) << c.path.toStdString();
        EXPECT_EQ(FolderTree(root.path()), before);
    }
}

TEST(UnzipLimits, AnExtractionKeepsWithinItsLimitsWhateverTheHeadersSay)
{
    QTemporaryDir root;
    const QString zip = root.filePath("limits.zip");
    const QByteArray kilobyte(1000, 'k');
    ASSERT_TRUE(WriteZip(zip, {{"a.xml", kilobyte},
                               {"claims.xml", kilobyte + kilobyte + kilobyte},
                               {"liar.xml", kilobyte + kilobyte + kilobyte},
                               {"b.xml", kilobyte},
                               {"c.xml", kilobyte},
                               {"d.xml", "small"},
                               {"sub/e.xml", kilobyte + kilobyte + kilobyte},
                               {"f.txt", kilobyte + kilobyte + kilobyte},
                               {"g.XML", "secret", ZipEntry::Encrypted},
                               {"h.xml", "a.xml", ZipEntry::Link}}));
    ASSERT_TRUE(PatchEntrySizes(zip, "liar.xml", {}, 1000));
    UnzipReport report;
    EXPECT_TRUE(UnzipFile(zip, root.filePath("out"), {}, {2000, 5000}, &report));
    // liar.xml fails past its limit, its 2001 bytes counted; c.xml would take the whole past the
    // limit; the small one after it still fits.
    EXPECT_EQ(FolderTree(root.filePath("out")), QStringList({"a.xml", "b.xml", "d.xml", "sub/"}));
    // Documents at the top only.
    EXPECT_EQ(report.unwrittenDocuments, 5);

    // Entries that fail past their limit use up the total all the same.
    const QString liars = root.filePath("liars.zip");
    const QByteArray big(3000, 'b');
    ASSERT_TRUE(WriteZip(liars, {{"x.xml", big}, {"y.xml", big}, {"z.xml", kilobyte}}));
    ASSERT_TRUE(PatchEntrySizes(liars, "x.xml", {}, 1000));
    ASSERT_TRUE(PatchEntrySizes(liars, "y.xml", {}, 1000));
    report = {};
    EXPECT_TRUE(UnzipFile(liars, root.filePath("liars"), {}, {2000, 4500}, &report));
    EXPECT_EQ(FolderTree(root.filePath("liars")), QStringList());
    EXPECT_EQ(report.unwrittenDocuments, 3);
}
