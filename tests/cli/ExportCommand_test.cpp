#include "AnsiCodec.h"
#include "CliRunner.h"
#include "TestFiles.h"

#include <QDate>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray Ansi(const QString& text)
{
    return AnsiCodec::Encode(text);
}

const QString kConfig = QStringLiteral(VYPISKA_SOURCE_DIR "/config");
const QString kSample = ExamplesFolder() + "/PP_7701234560_20240305_000125.xml";

// A configuration folder of its own: a two-column map, an account and one template.
class ExportCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteTestFile(dir.filePath("TAG.INI"),
                      Ansi("Сумма = Сумма;СуммаДок\r\nДата = Дата;ДатаДок\r\n"));
        WriteTestFile(dir.filePath("CONFIG.INI"),
                      "[Organization]\r\nACC= 40702810000000000001 \r\n");
        WriteTestFile(dir.filePath("Мой шаблон.txt.tpl"),
                      Ansi("<header>{MakeDate} {MakeTime} {ACC}</header>"
                           "<document>{сумма}|{ДАТА}|{СуммаДок}</document><footer>end</footer>"));
    }

    QString Out() const { return dir.filePath("out file.txt"); }

    QTemporaryDir dir;
};

} // namespace

TEST_F(ExportCommandTest, RendersThroughATemplateOfTheConfigurationFolder)
{
    const CliRun run = Cli({"export", kSample, "--template", "Мой шаблон.txt.tpl", "--out", Out(),
                            "--config", dir.path(), "--date", "2024-03-05T09:07:30"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(Contents(Out()), "05.03.2024 09:07 40702810000000000001\r\n"
                               "15000,50|05.03.2024|15000,50\r\nend");
    EXPECT_EQ(run.err, "Документ успешно сохранен в '" + Out() + "'\n");
    EXPECT_EQ(run.out, QString());
}

TEST_F(ExportCommandTest, DatesAndTemplatePathsInEveryAcceptedForm)
{
    const QString tpl =
        WriteTestFile(dir.filePath("other/t.tpl"), "<header>{MakeDate} {MakeTime}</header>");
    const struct {
        const char* date;
        const char* header;
    } cases[] = {
        {"2024-03-05", "05.03.2024 00:00"},
        {"2024-03-05T09:07", "05.03.2024 09:07"},
        {"2024-12-31T23:59:59", "31.12.2024 23:59"},
        // Skipped by the clocks in Berlin, where the run takes place.
        {"2024-03-31T02:30", "31.03.2024 02:30"},
    };
    const QByteArray zone = qgetenv("TZ");
    qputenv("TZ", "Europe/Berlin");
    for (const auto& c : cases) {
        const CliRun run = Cli({"export", kSample, "--template", tpl, "--out", Out(), "--config",
                                dir.path(), "--date", c.date});
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        EXPECT_EQ(Contents(Out()), QByteArray(c.header) + "\r\n\r\n") << c.date;
    }
    qputenv("TZ", zone);
    const CliRun now =
        Cli({"export", kSample, "--template", tpl, "--out", Out(), "--config", dir.path()});
    ASSERT_EQ(now.status, 0);
    EXPECT_TRUE(Contents(Out()).startsWith(QDate::currentDate().toString("dd.MM.yyyy").toLatin1()));
}

TEST_F(ExportCommandTest, FailuresWriteNothingAndSayWhy)
{
    const CliRun nothing =
        Cli({"export", ExamplesFolder() + "/PP_7813029746_20240306_000126.xml", "--template",
             "Мой шаблон.txt.tpl", "--out", Out(), "--config", dir.path()});
    EXPECT_EQ(nothing.status, 1);
    EXPECT_TRUE(nothing.err.startsWith("Не найдено совместимых документов в '"))
        << nothing.err.toStdString();
    EXPECT_FALSE(QFile::exists(Out()));

    const CliRun noTemplate = Cli({"export", kSample, "--template", "absent.txt.tpl", "--out",
                                   Out(), "--config", dir.path()});
    EXPECT_EQ(noTemplate.status, 1);
    EXPECT_TRUE(noTemplate.err.startsWith("vypiska-cli: error: ")) << noTemplate.err.toStdString();
    EXPECT_TRUE(noTemplate.err.contains("absent.txt.tpl"));
    EXPECT_TRUE(noTemplate.err.contains("Ошибка! Не удалось сохранить файл!"));
    EXPECT_FALSE(QFile::exists(Out()));
}

TEST(ExportCommand, UsageErrors)
{
    const QStringList cases[] = {
        {"export", kSample, "--out", "x"},
        {"export", kSample, "--template", "t"},
        {"export", "--template", "t", "--out", "x"},
        {"export", kSample, kSample, "--template", "t", "--out", "x"},
        {"export", kSample, "--template", "t", "--out", "x", "--date", "05.03.2024"},
        {"export", kSample, "--template", "t", "--out", "x", "--date", "2024-02-30"},
        {"templates", "extra"},
    };
    for (const QStringList& arguments : cases) {
        const CliRun run = Cli(arguments);
        EXPECT_EQ(run.status, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith("vypiska-cli: error: ")) << run.err.toStdString();
    }
}

TEST(ExportCommand, ShippedTemplatesRenderTheSampleDocument)
{
    QTemporaryDir dir;
    const struct {
        const char* name;
        const char* start;
        const char* contains;
        const char* end;
    } cases[] = {
        {"Выписка для бухгалтерии.txt.tpl",
         "1CClientBankExchange\r\nВерсияФормата=1.03\r\nКодировка=Windows\r\n",
         "\r\nДатаСоздания=05.03.2024\r\nВремяСоздания=09:07:30\r\nРасчСчет=\r\n"
         "СекцияДокумент=Платежное поручение\r\nНомер=125\r\nДата=05.03.2024\r\nСумма=15000.50\r\n",
         "\r\nКонецДокумента\r\nКонецФайла\r\n"},
        {"CSV-реестр.csv.tpl", "Номер;Дата;Сумма;",
         "\r\n125;05.03.2024;15000,50;\"ООО «Ромашка»\";7701234560;", "руб.\"\r\n"},
        {"HTML-реестр.html.tpl", "<!DOCTYPE html>\r\n", "<meta charset=\"windows-1251\">",
         "</html>\r\n"},
    };
    for (const auto& c : cases) {
        const QString out = dir.filePath("out");
        const CliRun run = Cli({"export", kSample, "--template", QString::fromUtf8(c.name), "--out",
                                out, "--config", kConfig, "--date", "2024-03-05T09:07:30"});
        ASSERT_EQ(run.status, 0) << c.name << run.err.toStdString();
        const QByteArray bytes = Contents(out);
        EXPECT_TRUE(bytes.startsWith(Ansi(QString::fromUtf8(c.start)))) << c.name;
        EXPECT_TRUE(bytes.contains(Ansi(QString::fromUtf8(c.contains)))) << c.name;
        EXPECT_TRUE(bytes.endsWith(Ansi(QString::fromUtf8(c.end)))) << c.name;
    }
}

TEST(TemplatesCommand, ListsFileNameTitleAndExtension)
{
    QTemporaryDir dir;
    WriteTestFile(dir.filePath("Банк.txt.tpl"), "");
    WriteTestFile(dir.filePath("plain.tpl"), "");
    WriteTestFile(dir.filePath("TAG.INI"), "");
    const CliRun run = Cli({"templates", "--config", dir.path()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "plain.tpl\tplain\t\nБанк.txt.tpl\tБанк\ttxt\n");

    const CliRun missing = Cli({"templates", "--config", dir.filePath("absent")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.err.startsWith("vypiska-cli: error: "));
}
