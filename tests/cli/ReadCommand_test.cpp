#include "TestFiles.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct CliRun {
    int status = -1;
    QString out;
    QString err;
};

CliRun Cli(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(VYPISKA_BIN_DIR "/vypiska-cli"), arguments);
    process.waitForFinished(30000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

const QString kSample = ExamplesFolder() + "/PP_7701234560_20240305_000125.xml";

} // namespace

TEST(ReadCommand, PrintsCaptionsAndDisplayValuesAsTsv)
{
    const CliRun run = Cli({"read", kSample});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QStringList lines = run.out.split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith("Номер\tДата\tСумма\t"));
    EXPECT_TRUE(lines[1].startsWith("125\t05.03.2024\t15\u00A0000,50\u00A0₽\tООО «Ромашка»\t"));
    EXPECT_EQ(lines[2], QString());
    EXPECT_EQ(run.err, "Успешно прочитан 1 документ в '" + kSample + "'\n");
}

TEST(ReadCommand, EscapesLineBreaksAndTabsInsideValues)
{
    QTemporaryDir dir;
    WriteTestFile(dir.filePath("TAG.INI"), "N=N;N\r\nT=T;T\r\n");
    const QString doc = WriteTestFile(dir.filePath("d.xml"), "<N>1</N><T>a\tb\\c\r\nd\ne\r</T>");
    const CliRun run = Cli({"read", doc, "--config", dir.path()});
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "N\tT\n1\ta\\tb\\\\c\\r\\nd\\ne\\r\n");
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
        {{"read", "/nonexistent/x.xml"}, 1, "Не найдено совместимых документов в '/nonexistent/x.xml'"},
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
}
