#include "AnsiCodec.h"
#include "CliRunner.h"
#include "TestFiles.h"

#include <QDate>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray Ansi(const QString& text)
{
    return AnsiCodec::Encode(text);
}

const QString kConfig = QStringLiteral(VYPISKA_SOURCE_DIR "/config");
const QString kSample = ExamplesFolder() + "/PP_7701234560_20240305_000125.xml";

} // namespace

TEST(ExportCommand, ReadAndTheShippedTemplatesGiveTheSameBytesUnderEveryLocale)
{
    QTemporaryDir dir;
    for (const QString& name : QDir(kConfig).entryList(QDir::Files))
        QFile::copy(QDir(kConfig).filePath(name), dir.filePath(name));
    WriteTestFile(dir.filePath("CONFIG.INI"),
                  "[Organization]\r\nACC=40702810438000012345\r\nOpeningBalance=100000.00\r\n");
    const QString out = dir.filePath("out");
    const struct {
        const char* name;
        const char* start;
        const char* contains;
        const char* end;
    } templates[] = {
        {"Выписка для бухгалтерии.txt.tpl",
         "1CClientBankExchange\r\nВерсияФормата=1.03\r\nКодировка=Windows\r\n",
         "\r\nДатаСоздания=21.03.2024\r\nВремяСоздания=10:00:00\r\nДатаНачала=05.03.2024\r\n"
         "ДатаКонца=20.03.2024\r\nРасчСчет=40702810438000012345\r\nСекцияРасчСчет\r\n"
         "ДатаНачала=05.03.2024\r\nДатаКонца=20.03.2024\r\nРасчСчет=40702810438000012345\r\n"
         "НачальныйОстаток=100000.00\r\nВсегоПоступило=3150.00\r\nВсегоСписано=38300.50\r\n"
         "КонечныйОстаток=64849.50\r\nКонецРасчСчет\r\n",
         "\r\nКонецДокумента\r\nКонецФайла\r\n"},
        {"CSV-реестр.csv.tpl", "Номер;Дата;Сумма;",
         "\r\n125;05.03.2024;15000,50;ООО «Ромашка»;7701234560;770101001;40702810438000012345;"
         "ПАО «Городской банк», г. Москва;",
         "\r\nИтого: 11 документов на сумму 1408955,96\r\n"},
        {"HTML-реестр.html.tpl", "<!DOCTYPE html>\r\n", "<meta charset=\"windows-1251\">",
         "<p>Итого: 11 документов на сумму 1408955,96</p>\r\n</body>\r\n</html>\r\n"},
    };
    QList<QByteArray> russian;
    for (const char* locale : {"ru_RU.UTF-8", "en_US.UTF-8", "de_DE.UTF-8", "ja_JP.UTF-8", "C"}) {
        const CliSetup setup = {.variables = {QStringLiteral("LANG=") + locale,
                                              QStringLiteral("LC_ALL=") + locale,
                                              QStringLiteral("LC_NUMERIC=") + locale}};
        QList<QByteArray> outputs;
        for (const char* format : {"tsv", "json"}) {
            const CliRun run =
                Cli({"read", ExamplesFolder(), "--config", kConfig, "--format", format}, setup);
            outputs.append((run.out + run.err).toUtf8());
        }
        for (const auto& t : templates) {
            const CliRun run =
                Cli({"export", ExamplesFolder(), "--template", QString::fromUtf8(t.name), "--out",
                     out, "--config", dir.path(), "--date", "2024-03-21T10:00"},
                    setup);
            EXPECT_EQ(run.err, "Документы успешно сохранены в '" + out + "'\n") << t.name << locale;
            outputs.append(Contents(out));
        }
        if (russian.isEmpty())
            russian = outputs;
        for (qsizetype i = 0; i < outputs.size(); ++i)
            EXPECT_EQ(outputs[i], russian[i]) << locale << " output " << i;
    }
    EXPECT_TRUE(russian[0].contains("\t05.03.2024\t15\u00A0000,50\u00A0₽\t"));
    EXPECT_TRUE(russian[2].contains(Ansi("\r\nСумма=15000.50\r\n")));
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(russian[2 + i].startsWith(Ansi(QString::fromUtf8(templates[i].start)))) << i;
        EXPECT_TRUE(russian[2 + i].contains(Ansi(QString::fromUtf8(templates[i].contains)))) << i;
        EXPECT_TRUE(russian[2 + i].endsWith(Ansi(QString::fromUtf8(templates[i].end)))) << i;
    }
}
