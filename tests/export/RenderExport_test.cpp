#include "AnsiCodec.h"
#include "DocumentTableModel.h"
#include "ExportTotals.h"
#include "INIStorage.h"
#include "RenderExport.h"
#include "TemplateList.h"
#include "TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QDateTime kTimestamp(QDate(2024, 3, 5), QTime(9, 7, 30));
const QString kAccount = QStringLiteral("40702810000000000001");

QByteArray Ansi(const QString& text)
{
    return AnsiCodec::Encode(text);
}

// A table with the amount shown in currency form first, then a date, a number, a name and the
// payer's and payee's accounts.
class ExportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        table.SetColumns({{"Сумма", "Сумма;Amount"},
                          {"Дата", "Дата"},
                          {"ИНН", "INN;ИНН"},
                          {"Имя", "Имя; KPP"},
                          {"Счет плательщика", "Плательщик"},
                          {"Счет получателя", "Получатель"}});
        AddRow("1\u00A0234,56\u00A0₽", "05.03.2024", "2024-03-05", "7701234560", "ООО «Ромашка»");
    }

    void AddRow(const QString& amount, const QString& dateShown, const QString& date,
                const QString& inn, const QString& name, Qt::CheckState state = Qt::Checked,
                const QString& payer = {}, const QString& payee = {})
    {
        const QList<SubItem> cells = {
            {dateShown, date}, {inn, inn}, {name, name}, {payer, payer}, {payee, payee}};
        table.AppendRow({"doc" + QString::number(table.rowCount()), amount, state, cells});
    }

    void SetAccount(const QByteArray& settings = "ACC=" + kAccount.toLatin1() +
                                                 "\r\nOpeningBalance=100.00")
    {
        WriteTestFile(dir.filePath("CONFIG.INI"), "[Organization]\r\n" + settings + "\r\n");
    }

    // Renders the rows in the order given; the outcome tells what the user would be told.
    QByteArray RenderRows(const QString& text, const QList<int>& rows, ExportOutcome& outcome)
    {
        EXPECT_TRUE(RenderExport(Output(), table, rows,
                                 WriteTestFile(dir.filePath("t.tpl"), Ansi(text)), kTimestamp,
                                 INIStorage(dir.path()), outcome))
            << outcome.errorString.toStdString();
        return Contents(Output());
    }

    // What the export of the checked rows writes, or "refused" for a template that does not fit.
    QByteArray Render(const QByteArray& templateBytes)
    {
        QFile::remove(Output());
        const QString tpl = WriteTestFile(dir.filePath("t.tpl"), templateBytes);
        // Told why or not, the export ends the same way.
        const bool quiet = RenderExport(Output(), table, tpl, kTimestamp, INIStorage(dir.path()));
        QString error;
        const bool told =
            RenderExport(Output(), table, tpl, kTimestamp, INIStorage(dir.path()), &error);
        EXPECT_EQ(quiet, told);
        if (told)
            return Contents(Output());
        EXPECT_EQ(Contents(Output()), "<missing>");
        return error.startsWith("Шаблон '" + tpl + "' не годится: ") ? "refused" : error.toUtf8();
    }

    QString Output() const { return dir.filePath("out.txt"); }

    QTemporaryDir dir;
    DocumentTableModel table;
};

} // namespace

TEST_F(ExportTest, TemplatesAreFilledByTheirSectionsWhateverTheFileHolds)
{
    QByteArray unknown;
    for (int i = 0; i < 50000; ++i)
        unknown += "{X" + QByteArray::number(i) + "}{=x" + QByteArray::number(i) + "}{";
    const struct {
        const char* name;
        QByteArray bytes;
        QByteArray output;
    } cases[] = {
        {"no formats: the user's separator and the default patterns; names in any case",
         Ansi("<header>{makedate} {MAKETIME}</header><document>{сумма}|{AMOUNT}|{Дата}</document>"),
         "05.03.2024 09:07\r\n1234,56|1234,56|05.03.2024\r\n"},
        {"100 000 names and directives that nothing fills", "<document>" + unknown + "</document>",
         "\r\n" + unknown + "\r\n"},
        {"empty", "", "refused"},
        {"truncated before the document block ends",
         Ansi("<header>\r\n1CClientBankExchange\r\n</header>\r\n<document>\r\nНомер={Номер}"),
         "refused"},
        {"an escape kind that does not exist",
         "<formats><escape>xml</escape></formats><document></document>", "refused"},
        {"LF line ends",
         Ansi("<formats>\n<date>yyyy</date>\n</formats>\n<header>\n{MakeDate}\n</header>\n"
              "<document>\n{Дата}|{Amount}\n</document>\n<footer>\nend\n</footer>\n"),
         "\n2024\n\r\n\n2024|1234,56\n\r\n\nend\n"},
        {"sections missing or left open", Ansi("<document>{Сумма}</document><footer>end"),
         "\r\n1234,56\r\n"},
        {"binary formats",
         "<formats><date>" + QByteArray("\0'\xFF", 3) + "</date><decimal_separator>" +
             QByteArray(1, '\0') + "</decimal_separator></formats>" +
             Ansi("<document>{Дата} {Сумма}</document>"),
         "\r\n" + QByteArray("\0'\xFF", 3) + " 1234" + QByteArray(1, '\0') + "56\r\n"},
        {"a date pattern of 200 000 letters",
         "<formats><date>" + QByteArray(200000, 'd') +
             "</date></formats><header>{MakeDate}</header><document></document>",
         Ansi("вторник").repeated(50000) + "\r\n\r\n"},
    };
    AddRow("10,00 ₽", "06.03.2024", "2024-03-06", "", "", Qt::Unchecked);
    for (const auto& c : cases)
        EXPECT_EQ(Render(c.bytes), c.output) << c.name;
}

TEST_F(ExportTest, DirectivesFigureOverTheCheckedDocumentsInTheOrderGiven)
{
    SetAccount();
    AddRow("10,00 ₽", "07.03.2024", "2024-03-07", "", "{Дата}{Получатель}{=count}", Qt::Checked,
           "1", kAccount);
    AddRow("9,50 ₽", "06.03.2024", "06.03.2024", "", "", Qt::Checked, " " + kAccount + " ");
    AddRow("1 000 000,00 ₽", "01.01.2024", "2024-01-01", "", "", Qt::Unchecked, kAccount);
    AddRow("0,25 ₽", "", "", "", "x", Qt::Checked, kAccount, kAccount);
    const QString formats = "<formats><decimal_separator>.</decimal_separator>"
                            "<payer_account>ПЛАТЕЛЬЩИК</payer_account>"
                            "<payee_account>получатель</payee_account></formats>";
    // Count, sums, earliest and latest; balances relative to the account; conditions per document,
    // values inserted once and never searched again, rows in the order given; amounts with two
    // decimals at least, other values as they are; what nothing fills stays as written and is
    // reported.
    const struct {
        const char* sections;
        QList<int> rows;
        const char* output;
        QStringList unfilled = {};
    } cases[] = {
        {"<header>{=count} {=COUNT документ документа документов} {=sum Amount} {=min Дата} "
         "{=max Дата} {=min ИНН} {=max Сумма} {=min Имя} {=max Имя}</header><document></document>",
         {0, 1, 2, 3, 4},
         "4 4 документа 1254.31 05.03.2024 07.03.2024 7701234560 1234.56 x ООО «Ромашка»\r\n"
         "\r\n\r\n\r\n\r\n"},
        {"<header>{=opening}|{=debits Сумма}|{=credits Сумма}|{=closing Сумма}</header>"
         "<document></document>",
         {0, 1, 2, 3, 4},
         "100.00|9.75|10.25|100.50\r\n\r\n\r\n\r\n\r\n"},
        {"<document>{Дата}:{=debit}Д{=end}{=credit}К{=if Имя}+{Имя}{=end}{=end};</document>"
         "<footer>{=count} {=min Дата}</footer>",
         {4, 2, 1, 0},
         "\r\n:ДК+x;\r\n06.03.2024:Д;\r\n07.03.2024:К+{Дата}{Получатель}{=count};\r\n"
         "05.03.2024:;\r\n4 05.03.2024"},
        {"<document>{=amount Сумма}|{=amount Дата}</document>",
         {0, 2, 4},
         "\r\n1234.56|05.03.2024\r\n9.50|06.03.2024\r\n0.25|\r\n"},
        {"<header>{Сумма}{=sum Нет}{=debit}</header><document>{KPP}{MakeDate}{=if}{=end}"
         "{ {a b}{=min}{=credit}</document><footer>{=count 1 2}{=closing Сумма}</footer>",
         {0},
         "{Сумма}{=sum Нет}{=debit}\r\n{KPP}{MakeDate}{=if}{=end}{ {a b}{=min}\r\n"
         "{=count 1 2}100.00",
         {"{=sum Нет}", "{=debit}", "{KPP}", "{MakeDate}", "{=if}", "{=end}", "{=min}", "{=credit}",
          "{=count 1 2}"}},
    };
    for (const auto& c : cases) {
        ExportOutcome outcome;
        EXPECT_EQ(RenderRows(formats + QString::fromUtf8(c.sections), c.rows, outcome),
                  Ansi(QString::fromUtf8(c.output)))
            << c.sections;
        EXPECT_EQ(outcome.unfilled, c.unfilled) << c.sections;
        EXPECT_FALSE(outcome.accountMissing || outcome.openingUnreadable) << c.sections;
    }
}

TEST_F(ExportTest, WithoutTheAccountNothingIsADebitAndTheUserIsTold)
{
    AddRow("10,00 ₽", "", "", "", "", Qt::Checked, "", "");
    const QString unfilled = ". Не заполнены: ";
    const struct {
        const char* settings;
        const char* formats;
        const char* output;
        QString told; // after "saved in '/o'"
    } cases[] = {
        {"", "<payer_account>Плательщик</payer_account>", "=0,00 0,00\r\n\r\n\r\n",
         ". Не задан расчетный счет организации (Настройки, CONFIG.INI)" + unfilled +
             "<payee_account></payee_account>"},
        {"ACC=1\r\nOpeningBalance=сто", "<payer_account>Плательщик</payer_account>",
         "1=0,00 0,00\r\n\r\n\r\n",
         ". Начальный остаток в настройках не сумма: взят 0.00" + unfilled +
             "<payee_account></payee_account>"},
        {"ACC=1\r\nOpeningBalance=-1 000,5",
         "<payer_account>Плательщик</payer_account><payee_account>Получатель</payee_account>",
         "1=0,00 -1000,50\r\n\r\n\r\n", ""},
        {"ACC=1", "<payee_account>нет такого</payee_account>", "1=0,00 0,00\r\n\r\n\r\n",
         unfilled + "<payer_account></payer_account>, <payee_account>нет такого</payee_account>"},
    };
    for (const auto& c : cases) {
        SetAccount(c.settings);
        ExportOutcome outcome;
        EXPECT_EQ(RenderRows("<formats>" + QString::fromUtf8(c.formats) +
                                 "</formats><header>{acc}={=debits Сумма} {=closing Сумма}"
                                 "</header><document>{=debit}D{=end}</document>",
                             {0, 1}, outcome),
                  Ansi(QString::fromUtf8(c.output)))
            << c.settings;
        EXPECT_EQ(TemplateList::SuccessMessage(2, "/o", outcome).text,
                  "Документы успешно сохранены в '/o'" + c.told)
            << c.settings;
    }
}

TEST_F(ExportTest, ValuesAreEscapedByTheDeclaredKindAndOutsideTheCodePageReplaced)
{
    SetAccount();
    table.ClearRows();
    AddRow("1,5 ₽", "", "", "", "ООО \"Ромашка\";\r\nСекцияДокумент=<img src=x>&'\tΩ 😀 №");
    const struct {
        const char* formats;
        const char* name;
        const char* amounts = "1,5\r\n1,50";
    } cases[] = {
        {"", "ООО \"Ромашка\";\r\nСекцияДокумент=<img src=x>&'\t? ? №"},
        {"<escape>text</escape>", "ООО \"Ромашка\";  СекцияДокумент=<img src=x>&' ? ? №"},
        {"<escape>CSV</escape>", "\"ООО \"\"Ромашка\"\";\r\nСекцияДокумент=<img src=x>&'\t? ? №\""},
        {"<escape>csv</escape><separator>,</separator>",
         "\"ООО \"\"Ромашка\"\";\r\nСекцияДокумент=<img src=x>&'\t? ? №\"", "\"1,5\"\r\n\"1,50\""},
        {"<escape> html </escape>",
         "ООО &quot;Ромашка&quot;;\r\nСекцияДокумент=&lt;img src=x&gt;&amp;&#39;\t? ? №"},
    };
    for (const auto& c : cases) {
        ExportOutcome outcome;
        EXPECT_EQ(
            RenderRows(
                "<formats>" + QString::fromUtf8(c.formats) +
                    "<decimal_separator>,</decimal_separator></formats><header>{ACC}"
                    "</header><document>{Имя}|{Сумма}</document><footer>{=sum Сумма}</footer>",
                {0}, outcome),
            Ansi(kAccount + "\r\n" + QString::fromUtf8(c.name) + "|" +
                 QString::fromUtf8(c.amounts)))
            << c.formats;
        EXPECT_EQ(TemplateList::SuccessMessage(1, "/o", outcome).text,
                  "Документ успешно сохранен в '/o'. Заменено на \"?\" символов, которых нет в "
                  "Windows-1251: 2");
    }
}

TEST(TemplateList, TwoFoldersListTogetherTheFirstFoldersTemplateBeforeALikeNamedOne)
{
    QTemporaryDir user;
    QTemporaryDir program;
    for (const char* name : {"Банк.txt.tpl", "Мой.csv.tpl", "plain.tpl", "notes.txt"})
        WriteTestFile(user.filePath(QString::fromUtf8(name)), "");
    for (const char* name : {"банк.txt.tpl", "CSV.csv.tpl"})
        WriteTestFile(program.filePath(QString::fromUtf8(name)), "");
    const TemplateList list(QStringList{user.path(), program.path()});
    EXPECT_EQ(list.Filter(), "CSV (*.csv);;plain (*.);;Банк (*.txt);;"
                             "банк, папка программы (*.txt);;Мой (*.csv)");
    EXPECT_EQ(list.Path(2), user.filePath("Банк.txt.tpl"));
    EXPECT_EQ(list.Path(3), program.filePath("банк.txt.tpl"));
    EXPECT_EQ(list.ProposedName("C:\\in\\ON_DOC_2024_0a1b-77.xml"), "0a1b-77.csv");
    EXPECT_EQ(TemplateList(QStringList()).ProposedName("/in/a_b.xml"), "b.");
}

TEST(ExportTotals, NounFormsFollowTheCount)
{
    for (const QString row : {"0 документов", "1 документ", "2 документа", "4 документа",
                              "5 документов", "11 документов", "12 документов", "14 документов",
                              "21 документ", "22 документа", "111 документов", "1001 документ"})
        EXPECT_EQ(ExportTotals::FormFor(row.section(' ', 0, 0).toLongLong(),
                                        {"документ", "документа", "документов"}),
                  row.section(' ', 1));
}
