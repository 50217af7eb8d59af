#include "AnsiCodec.h"
#include "CliRunner.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kSample = ExamplesFolder() + "/PP_7701234560_20240305_000125.xml";
const QString kConfig = QStringLiteral(VYPISKA_SOURCE_DIR "/config");

QByteArray Ansi(const QString& text)
{
    return AnsiCodec::Encode(text);
}

} // namespace

TEST(Commands, EveryRunEndsWithItsStatusAndSaysWhatWentWrong)
{
    const CliRun help = Cli({"--help"});
    EXPECT_EQ(help.status, 0);
    const QString usage = help.out.section("\n\n", 0, 0) + "\n";
    EXPECT_TRUE(usage.startsWith("usage: vypiska-cli read PATH")) << usage.toStdString();
    // Where each file is looked for, with the folders of this run.
    for (const char* file :
         {"TAG.INI", "*.tpl", "CONFIG.INI", "USER.INI", VYPISKA_BIN_DIR "/CONFIG\n", "/vypiska\n"})
        EXPECT_TRUE(help.out.contains(QString::fromUtf8(file))) << file;
    const auto error = [&](const QString& message) {
        return "vypiska-cli: error: " + message + "\n" + usage;
    };
    const QString nothing = "Не найдено совместимых документов в '%1'\n";
    QTemporaryDir empty;
    QTemporaryDir own; // a column map of its own, a document and templates
    for (const char* name : {"Банк.txt.tpl", "plain.tpl"})
        WriteTestFile(own.filePath(QString::fromUtf8(name)), "");
    WriteTestFile(own.filePath("TAG.INI"), "N=N;N\r\nT=T;T\r\n");
    const QString doc =
        WriteTestFile(own.filePath("d.xml"),
                      QByteArray("<N>1</N><T>a\tb\\c\r\nd\ne\r\x1B]0;x\x07\0\x7F\xC2\x9B</T>", 36));
    // What it printed: the error output, then the standard output.
    QList<std::tuple<QStringList, int, QString>> cases = {
        {{}, 2, error("no command given")},
        {{"frobnicate"}, 2, error("unknown command 'frobnicate'")},
        {{"--version"}, 0, "vypiska-cli 1.0.0\n"},
        {{"read"}, 2, error("read takes exactly one PATH")},
        {{"read", kSample, "--format", "xml"}, 2, error("--format is tsv or json")},
        {{"read", kSample, "--bogus", "1"}, 2, error("unknown option '--bogus'")},
        {{"read", kSample, "--format"}, 2, error("option '--format' needs a value")},
        // Control characters that would command a terminal are escaped too.
        {{"read", doc, "--config", own.path()},
         0,
         "Успешно прочитан 1 документ в '" + doc +
             "'\nN\tT\n1\ta\\tb\\\\c\\r\\nd\\ne\\r\\x1B]0;x\\x07\\x00\\x7F\\x9B\n"},
        {{"read", kSample, "--config", empty.path()},
         1,
         "vypiska-cli: error: Не найден файл столбцов '" + empty.path() + "/TAG.INI'\n" +
             nothing.arg(kSample) + "\n"},
        {{"export", kSample, "--template", "t"},
         2,
         error("export needs --template T and --out FILE")},
        {{"export", kSample, "--template=t", "--out"}, 2, error("option '--out' needs a value")},
        {{"export", "--template", "t", "--out", "x", "--", "--format"}, 1, nothing.arg("--format")},
        {{"export", "--out", "x", "/nonexistent/x.xml", "--template", "t"},
         1,
         nothing.arg("/nonexistent/x.xml")},
        {{"export", kSample, kSample, "--template", "t", "--out", "x"},
         2,
         error("export takes exactly one PATH")},
        {{"export", kSample, "--template=t", "--out=x", "--date=2024-02-30"},
         2,
         error("--date is yyyy-MM-dd or yyyy-MM-ddTHH:mm[:ss]")},
        {{"templates", "extra"}, 2, error("templates takes no PATH")},
        {{"templates", "--config", own.path()},
         0,
         "plain.tpl\tplain\t\t" + own.path() + "\nБанк.txt.tpl\tБанк\ttxt\t" + own.path() + "\n"},
        {{"templates", "--config", "/absent"},
         1,
         "vypiska-cli: error: Не найдена папка настроек '/absent'\n"},
        {{"words"}, 2, error("words takes exactly one AMOUNT")},
        {{"words", "21105"}, 0, "двадцать одна тысяча сто пять\n"},
        {{"words", "--", "123,99999"}, 0, "сто двадцать три\n"},
        {{"words", "0012000000000"}, 0, "двенадцать миллиардов\n"},
        {{"words", "922337203685477.5807"},
         0,
         "девятьсот двадцать две тысячи триста тридцать семь миллиардов двести три миллиона "
         "шестьсот восемьдесят пять тысяч четыреста семьдесят семь\n"},
    };
    for (const QString amount : {"", "1.2.3", "-5", "1 000", "1e5", ".5", "5.", "١٢", "12руб",
                                 "922337203685477.5808", "99999999999999999999", "--5"}) {
        cases.append({{"words", "--", amount},
                      2,
                      "vypiska-cli: error: '" + amount +
                          "' is not an amount: expected digits with '.' or ',' before the "
                          "fraction, at most 922337203685477.5807\n"});
    }
    for (const auto& [arguments, status, printed] : cases) {
        const CliRun run = Cli(arguments);
        EXPECT_EQ(run.status, status) << arguments.join(' ').toStdString();
        EXPECT_EQ(run.err + run.out, printed) << arguments.join(' ').toStdString();
    }
}

TEST(ReadCommand, PrintsCaptionsAndDisplayValuesAsTsvOrRawValuesAsJson)
{
    const CliRun run = Cli({"read", kSample});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.count('\n'), 2);
    EXPECT_TRUE(run.out.startsWith("Номер\tДата\tСумма\t"));
    EXPECT_TRUE(run.out.contains(
        "\n125\t05.03.2024\t15\u00A0000,50\u00A0₽\tООО «Ромашка»\t"));
    EXPECT_EQ(run.err, "Успешно прочитан 1 документ в '" + kSample + "'\n");

    const CliRun json = Cli({"read", kSample, "--format=json"});
    for (const QString& part :
         {"\"path\": \"" + kSample + "\"", QString("\"raw\": null"),
          QString("\"raw\": \"2024-03-05\""), QString("\"display\": \"05.03.2024\"")})
        EXPECT_TRUE(json.out.contains(part)) << part.toStdString();
}

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
        // The whole statement is compared with tests/data/cli/statement.txt below.
        {"Выписка для бухгалтерии.txt.tpl", "1CClientBankExchange\r\n", "", "КонецФайла\r\n"},
        {"CSV-реестр.csv.tpl", "Номер;Дата;Сумма;",
         "\r\n125;05.03.2024;15000,50;ООО «Ромашка»;7701234560;770101001;40702810438000012345;"
         "ПАО «Городской банк», г. Москва;",
         "\r\nИтого: 11 документов на сумму 1408955,96\r\n"},
        {"HTML-реестр.html.tpl", "<!DOCTYPE html>\r\n", "<meta charset=\"windows-1251\">",
         "<p>Итого: 11 документов на сумму 1408955,96</p>\r\n</body>\r\n</html>\r\n"},
    };
    QList<QByteArray> russian;
    for (const char* locale :
         {"ru_RU.UTF-8", "en_US.UTF-8", "de_DE.UTF-8", "uk_UA.UTF-8", "ja_JP.UTF-8", "C"}) {
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
    EXPECT_TRUE(russian[0].endsWith(
        ("Успешно прочитано 11 документов в '" + ExamplesFolder() + "'\n").toUtf8()));
    // Checked once by a strict importer's rules: every section's required keys, the period, the
    // balances, and the debit and credit dates of each document.
    EXPECT_EQ(russian[2],
              Contents(QStringLiteral(VYPISKA_SOURCE_DIR "/tests/data/cli/statement.txt")));
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(russian[2 + i].startsWith(Ansi(QString::fromUtf8(templates[i].start)))) << i;
        EXPECT_TRUE(russian[2 + i].contains(Ansi(QString::fromUtf8(templates[i].contains)))) << i;
        EXPECT_TRUE(russian[2 + i].endsWith(Ansi(QString::fromUtf8(templates[i].end)))) << i;
    }
}
