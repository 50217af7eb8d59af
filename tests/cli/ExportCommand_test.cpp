#include "AnsiCodec.h"
#include "CliRunner.h"
#include "TestFiles.h"

#include <QDate>
#include <QDir>
#include <QMap>
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

TEST(ExportCommand, RendersThroughATemplateByNameOrPathDatedAsAsked)
{
    QTemporaryDir dir;
    WriteTestFile(dir.filePath("TAG.INI"),
                  Ansi("Сумма = Сумма;СуммаДок\r\nДата = Дата;ДатаДок\r\n"));
    WriteTestFile(dir.filePath("CONFIG.INI"), "[Organization]\r\nACC= 40702810000000000001 \r\n");
    WriteTestFile(
        dir.filePath("Мой шаблон.txt.tpl"),
        Ansi("<header>{MakeDate} {MakeTime} {ACC}</header>"
             "<document>{сумма}|{ДАТА}|{СуммаДок}|{НазнПлат}</document><footer>end</footer>"));
    const QString path = WriteTestFile(
        dir.filePath("other/t.tpl"), "<header>{MakeDate} {MakeTime}</header><document></document>");
    const QString out = dir.filePath("out file.txt");
    const struct {
        QString tpl;
        const char* date;
        QByteArray written;
        QString told = {};
    } cases[] = {
        {"Мой шаблон.txt.tpl", "2024-03-05T09:07:30",
         Ansi("05.03.2024 09:07 "
              "40702810000000000001\r\n15000,50|05.03.2024|15000,50|{НазнПлат}\r\nend"),
         ". Не заполнены: {НазнПлат}"},
        {path, "2024-03-05", "05.03.2024 00:00\r\n\r\n"},
        {path, "2024-03-05T09:07", "05.03.2024 09:07\r\n\r\n"},
        {path, "2024-12-31T23:59:59", "31.12.2024 23:59\r\n\r\n"},
        // Skipped by the clocks in Berlin, where the run takes place.
        {path, "2024-03-31T02:30", "31.03.2024 02:30\r\n\r\n"},
    };
    for (const auto& c : cases) {
        const CliRun run = Cli({"export", kSample, "--template", c.tpl, "--out", out, "--config",
                                dir.path(), "--date", c.date},
                               {.variables = {"TZ=Europe/Berlin"}});
        EXPECT_EQ(run.status, 0) << c.date;
        EXPECT_EQ(Contents(out), c.written) << c.date;
        EXPECT_EQ(run.err, "Документ успешно сохранен в '" + out + "'" + c.told + "\n");
        EXPECT_EQ(run.out, QString());
    }
    ASSERT_EQ(
        Cli({"export", kSample, "--template", path, "--out", out, "--config", dir.path()}).status,
        0);
    EXPECT_TRUE(Contents(out).startsWith(QDate::currentDate().toString("dd.MM.yyyy").toLatin1()));
}

TEST(TemplatesCommand, ListsFileNameTitleExtensionAndFolder)
{
    QTemporaryDir dir;
    for (const char* name : {"Банк.txt.tpl", "plain.tpl", "TAG.INI"})
        WriteTestFile(dir.filePath(QString::fromUtf8(name)), "");
    const CliRun run = Cli({"templates", "--config", dir.path()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "plain.tpl\tplain\t\t" + dir.path() + "\nБанк.txt.tpl\tБанк\ttxt\t" +
                           dir.path() + "\n");
}

namespace {

// The keys of the exchange format that a statement from the bank may hold, by section.
const QStringList kHeaderKeys =
    QString("ВерсияФормата Кодировка Отправитель Получатель ДатаСоздания ВремяСоздания ДатаНачала "
            "ДатаКонца РасчСчет Документ")
        .split(' ');
const QStringList kAccountKeys = QString("ДатаНачала ДатаКонца РасчСчет НачальныйОстаток "
                                         "ВсегоПоступило ВсегоСписано КонечныйОстаток")
                                     .split(' ');
const QStringList kDocumentKeys =
    QString("Номер Дата Сумма КвитанцияДата КвитанцияВремя КвитанцияСодержание ПлательщикСчет "
            "ДатаСписано Плательщик ПлательщикИНН Плательщик1 Плательщик2 Плательщик3 Плательщик4 "
            "ПлательщикРасчСчет ПлательщикБанк1 ПлательщикБанк2 ПлательщикБИК ПлательщикКорсчет "
            "ПлательщикКПП ПолучательСчет ДатаПоступило Получатель ПолучательИНН Получатель1 "
            "Получатель2 Получатель3 Получатель4 ПолучательРасчСчет ПолучательБанк1 "
            "ПолучательБанк2 ПолучательБИК ПолучательКорсчет ПолучательКПП ВидПлатежа ВидОплаты "
            "Код КодНазПлатежа СтатусСоставителя ПоказательКБК ОКАТО ПоказательОснования "
            "ПоказательПериода ПоказательНомера ПоказательДаты ПоказательТипа Очередность "
            "СрокПлатежа НазначениеПлатежа")
        .split(' ');

// Kopecks of an amount written with a point, as the format writes it.
qint64 Kopecks(const QString& amount)
{
    const QStringList parts = amount.split('.');
    EXPECT_TRUE(parts.size() == 2 && parts[1].size() == 2) << amount.toStdString();
    const qint64 kopecks =
        parts[0].mid(parts[0].startsWith('-')).toLongLong() * 100 + parts.value(1).toLongLong();
    return parts[0].startsWith('-') ? -kopecks : kopecks;
}

QDate DateOf(const QString& text)
{
    return QDate::fromString(text, "dd.MM.yyyy");
}

// Reads a statement as a strict importer does: every line a known key of its section, the
// required keys present, the sums and the period agreeing with the documents.
void CheckStatement(const QString& text, const QString& account)
{
    QStringList lines = text.split("\r\n");
    ASSERT_EQ(lines.takeFirst(), "1CClientBankExchange");
    ASSERT_EQ(lines.takeLast(), "");
    ASSERT_EQ(lines.takeLast(), "КонецФайла");
    QMap<QString, QString> header, section, document;
    QMap<QString, QString>* current = &header;
    const QStringList* keys = &kHeaderKeys;
    qint64 debits = 0, credits = 0;
    QList<QDate> dates;
    for (const QString& line : std::as_const(lines)) {
        if (line == "СекцияРасчСчет" || line.startsWith("СекцияДокумент=")) {
            current = line == "СекцияРасчСчет" ? &section : &document;
            keys = line == "СекцияРасчСчет" ? &kAccountKeys : &kDocumentKeys;
            current->clear();
            continue;
        }
        if (line == "КонецРасчСчет") {
            EXPECT_EQ(QStringList(section.keys()).size(), kAccountKeys.size());
            continue;
        }
        if (line == "КонецДокумента") {
            for (const char* key : {"Номер", "Дата", "Сумма", "ПлательщикСчет", "ПолучательСчет",
                                    "ДатаСписано", "ДатаПоступило"})
                EXPECT_TRUE(document.contains(key)) << key;
            EXPECT_EQ(!document["ДатаСписано"].isEmpty(), document["ПлательщикСчет"] == account);
            EXPECT_EQ(!document["ДатаПоступило"].isEmpty(), document["ПолучательСчет"] == account);
            if (!document["ДатаСписано"].isEmpty())
                debits += Kopecks(document["Сумма"]);
            if (!document["ДатаПоступило"].isEmpty())
                credits += Kopecks(document["Сумма"]);
            dates.append(DateOf(document["Дата"]));
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        ASSERT_GT(equals, 0) << line.toStdString();
        EXPECT_TRUE(keys->contains(line.left(equals))) << line.toStdString();
        current->insert(line.left(equals), line.mid(equals + 1));
    }
    for (const char* key : {"ДатаНачала", "ДатаКонца", "РасчСчет"})
        EXPECT_EQ(header[key], section[key]) << key;
    EXPECT_EQ(section["РасчСчет"], account);
    EXPECT_EQ(DateOf(section["ДатаНачала"]), *std::min_element(dates.begin(), dates.end()));
    EXPECT_EQ(DateOf(section["ДатаКонца"]), *std::max_element(dates.begin(), dates.end()));
    EXPECT_EQ(Kopecks(section["ВсегоСписано"]), debits);
    EXPECT_EQ(Kopecks(section["ВсегоПоступило"]), credits);
    EXPECT_EQ(Kopecks(section["КонечныйОстаток"]),
              Kopecks(section["НачальныйОстаток"]) + credits - debits);
}

} // namespace

TEST(ExportCommand, TheStatementHoldsWhatAStrictImporterRequires)
{
    QTemporaryDir dir;
    for (const QString& name : QDir(kConfig).entryList(QDir::Files))
        QFile::copy(QDir(kConfig).filePath(name), dir.filePath(name));
    const struct {
        const char* account;
        const char* opening;
        const char* balances;
    } cases[] = {
        {"40702810438000012345", "100000.00",
         "НачальныйОстаток=100000.00\r\nВсегоПоступило=3150.00\r\nВсегоСписано=38300.50\r\n"
         "КонечныйОстаток=64849.50\r\n"},
        {"40702810242000031906", "", // never set
         "НачальныйОстаток=0.00\r\nВсегоПоступило=27300.00\r\nВсегоСписано=1234.56\r\n"
         "КонечныйОстаток=26065.44\r\n"},
    };
    for (const auto& c : cases) {
        WriteTestFile(dir.filePath("CONFIG.INI"), QByteArray("[Organization]\r\nACC=") + c.account +
                                                      "\r\nOpeningBalance=" + c.opening + "\r\n");
        const QString out = dir.filePath("statement.txt");
        const CliRun run =
            Cli({"export", ExamplesFolder(), "--template", "Выписка для бухгалтерии.txt.tpl",
                 "--out", out, "--config", dir.path(), "--date", "2024-03-21T10:00"});
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        EXPECT_EQ(run.err, "Документы успешно сохранены в '" + out + "'\n");
        const QString text = AnsiCodec::Decode(Contents(out));
        EXPECT_TRUE(text.contains(QString::fromUtf8(c.balances))) << c.account;
        CheckStatement(text, c.account);
    }
}

TEST(ExportCommand, ReadAndTheShippedTemplatesGiveTheSameBytesUnderEveryLocale)
{
    QTemporaryDir dir;
    const QString out = dir.filePath("out");
    const QString saved = "Документ успешно сохранен в '" + out + "'";
    const QString noAccount = ". Не задан расчетный счет организации (Настройки, CONFIG.INI)\n";
    const struct {
        const char* name;
        QString err;
        const char* start;
        const char* contains;
        const char* end;
    } templates[] = {
        {"Выписка для бухгалтерии.txt.tpl", saved + noAccount,
         "1CClientBankExchange\r\nВерсияФормата=1.03\r\nКодировка=Windows\r\n",
         "\r\nДатаСоздания=05.03.2024\r\nВремяСоздания=09:07:30\r\nДатаНачала=05.03.2024\r\n"
         "ДатаКонца=05.03.2024\r\nРасчСчет=\r\nСекцияРасчСчет\r\n",
         "\r\nКонецДокумента\r\nКонецФайла\r\n"},
        {"CSV-реестр.csv.tpl", saved + "\n", "Номер;Дата;Сумма;",
         "\r\n125;05.03.2024;15000,50;ООО «Ромашка»;7701234560;770101001;40702810438000012345;"
         "ПАО «Городской банк», г. Москва;",
         "руб.\r\nИтого: 1 документ на сумму 15000,50\r\n"},
        {"HTML-реестр.html.tpl", saved + noAccount, "<!DOCTYPE html>\r\n",
         "<meta charset=\"windows-1251\">",
         "<p>Итого: 1 документ на сумму 15000,50</p>\r\n</body>\r\n</html>\r\n"},
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
                Cli({"export", kSample, "--template", QString::fromUtf8(t.name), "--out", out,
                     "--config", kConfig, "--date", "2024-03-05T09:07:30"},
                    setup);
            EXPECT_EQ(run.err, t.err) << t.name << " " << locale;
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
