#include "CliRunner.h"
#include "FolderTree.h"
#include "TestFiles.h"
#include "ZipBuilder.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

const QString kSample = ExamplesFolder() + "/PP_7701234560_20240305_000125.xml";

} // namespace

TEST(ReadCommand, PrintsCaptionsAndDisplayValuesAsTsv)
{
    const CliRun run = Cli({"read", kSample});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QStringList lines = run.out.split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith("Номер\tДата\tСумма\t"));
    EXPECT_TRUE(lines[1].startsWith(
        "125\t05.03.2024\t15\u00A0000,50\u00A0₽\tООО «Ромашка»\t"));
    EXPECT_EQ(lines[2], QString());
    EXPECT_EQ(run.err, "Успешно прочитан 1 документ в '" + kSample + "'\n");
}

TEST(ReadCommand, EscapesLineBreaksAndTabsInsideValues)
{
    QTemporaryDir dir;
    WriteTestFile(dir.filePath("TAG.INI"), "N=N;N\r\nT=T;T\r\n");
    const QString doc = WriteTestFile(dir.filePath("d.xml"),
                                      QByteArray("<N>1</N><T>a\tb\\c\r\nd\ne\r\x1B]0;x\x07\0\x7F"
                                                 "\xC2\x9B</T>",
                                                 36));
    const CliRun run = Cli({"read", doc, "--config", dir.path()});
    ASSERT_EQ(run.status, 0);
    // Control characters that would command a terminal are escaped too.
    EXPECT_EQ(run.out, "N\tT\n1\ta\\tb\\\\c\\r\\nd\\ne\\r\\x1B]0;x\\x07\\x00\\x7F\\x9B\n");
}

TEST(ReadCommand, PrintsJsonWithRawValues)
{
    const CliRun run = Cli({"read", kSample, "--format=json"});
    ASSERT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.contains("\"path\": \"" + kSample + "\""));
    EXPECT_TRUE(run.out.contains("\"raw\": null"));
    EXPECT_TRUE(run.out.contains("\"raw\": \"2024-03-05\""));
    EXPECT_TRUE(run.out.contains("\"display\": \"05.03.2024\""));
}

TEST(ReadCommand, ExitStatusTellsReadFromNothingFromUsage)
{
    const struct {
        QStringList arguments;
        int status;
        const char* errStart;
    } cases[] = {
        {{"read", "/nonexistent/x.xml"},
         1,
         "Не найдено совместимых документов в '/nonexistent/x.xml'"},
        {{"read", ExamplesFolder() + "/PP_7813029746_20240306_000126.xml"}, 1, "Не найдено"},
        {{"read"}, 2, "vypiska-cli: error: "},
        {{"read", kSample, "--format", "xml"}, 2, "vypiska-cli: error: "},
        {{"read", kSample, "--bogus", "1"}, 2, "vypiska-cli: error: unknown option"},
        {{"frobnicate"}, 2, "vypiska-cli: error: unknown command"},
        {{}, 2, "vypiska-cli: error: "},
    };
    for (const auto& c : cases) {
        const CliRun run = Cli(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith(QString::fromUtf8(c.errStart))) << run.err.toStdString();
    }
}

TEST(ReadCommand, MissingColumnMapIsAnErrorAndReadsNothing)
{
    QTemporaryDir dir;
    const CliRun run = Cli({"read", kSample, "--config", dir.path()});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.startsWith("vypiska-cli: error: Не найден файл столбцов"));
}

TEST(ReadCommand, HelpAndVersion)
{
    EXPECT_EQ(Cli({"--version"}).out, "vypiska-cli 1.0.0\n");
    const CliRun help = Cli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.startsWith("usage: vypiska-cli read PATH"));
    // Where each file is looked for, with the folders of this run.
    for (const char* file :
         {"TAG.INI", "*.tpl", "CONFIG.INI", "USER.INI", VYPISKA_BIN_DIR "/CONFIG\n", "/vypiska\n"})
        EXPECT_TRUE(help.out.contains(QString::fromUtf8(file))) << file;
}

namespace {

// The first field of every printed row: the documents' numbers.
QStringList Numbers(const QString& out)
{
    QStringList numbers;
    const QStringList lines = out.split('\n', Qt::SkipEmptyParts);
    for (qsizetype i = 1; i < lines.size(); ++i)
        numbers.append(lines[i].section('\t', 0, 0));
    return numbers;
}

QByteArray Doc(const char* number)
{
    return QByteArray("<НомерДок>") + number + "</НомерДок><СуммаДок>1.00</СуммаДок>";
}

} // namespace

TEST(ReadCommand, ReadsTheOwnDocumentsOfAFolderOrTheTopOfAnArchive)
{
    const CliRun folder = Cli({"read", ExamplesFolder()});
    EXPECT_EQ(Numbers(folder.out).size(), 11);
    EXPECT_FALSE(Numbers(folder.out).contains("120")); // archive/ is a sub-folder
    EXPECT_EQ(folder.err, "Успешно прочитано 11 документов в '" + ExamplesFolder() + "'\n");

    QTemporaryDir root;
    const QString temp = root.filePath("temp");
    QDir().mkpath(temp);
    const QString examples = QStringLiteral(VYPISKA_SOURCE_DIR "/examples/documents.zip");
    const CliRun run = Cli({"read", examples}, temp);
    EXPECT_EQ(Numbers(run.out), Numbers(folder.out));
    EXPECT_EQ(run.err, "Успешно прочитано 11 документов в '" + examples + "'\n");
    EXPECT_EQ(FolderTree(temp), QStringList());

    const QString built = root.filePath("Pack.ZIP");
    const QList<ZipEntry> entries = {{"b.xml", Doc("2")},
                                     {"A.XML", Doc("1")},
                                     {"\x8E\xE2\xE7\xA5\xE2.xml", Doc("3")}, // CP866 "Отчет.xml"
                                     {"sub/d.xml", Doc("5")},
                                     {"b.xml.txt", Doc("7")}};
    ASSERT_TRUE(WriteZip(built, entries));
    const CliRun own = Cli({"read", built}, temp);
    EXPECT_EQ(Numbers(own.out), QStringList({"1", "2", "3"}));
    EXPECT_EQ(own.err, "Успешно прочитано 3 документа в '" + built + "'\n");
    EXPECT_EQ(FolderTree(root.path()), QStringList({"Pack.ZIP", "temp/"}));
}

TEST(ReadCommand, FilesThatCouldNotBeReadEndInStatusThreeAfterTheRest)
{
    QTemporaryDir root;
    const QString folder = root.filePath("in");
    WriteTestFile(folder + "/a.xml", Doc("1"));
    ASSERT_EQ(mkfifo(QFile::encodeName(folder + "/pipe.xml").constData(), 0600), 0);
    // A temporary folder on a full disk: the large document cannot be extracted.
    const QString zip = root.filePath("a.zip");
    ASSERT_TRUE(
        WriteZip(zip, {{"a.xml", Doc("1")}, {"large.xml", Doc("2") + QByteArray(8192, ' ')}}));
    const QString temp = root.filePath("temp");
    QDir().mkpath(temp);
    const struct {
        CliRun run;
        int status;
        QString err;
    } cases[] = {
        {Cli({"read", folder}), 3,
         "Успешно прочитан 1 документ в '" + folder + "'; не удалось прочитать 1 файл\n"},
        {Cli({"read", zip}, temp, true), 3,
         "Успешно прочитан 1 документ в '" + zip + "'; не удалось прочитать 1 файл\n"},
        {Cli({"read", folder + "/pipe.xml"}), 3,
         "Не найдено совместимых документов в '" + folder +
             "/pipe.xml'; не удалось прочитать 1 файл\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.run.status, c.status) << c.err.toStdString();
        EXPECT_EQ(Numbers(c.run.out),
                  c.err.startsWith("Успешно") ? QStringList("1") : QStringList());
        EXPECT_EQ(c.run.err, c.err);
    }
    EXPECT_EQ(FolderTree(temp), QStringList());
}
