#include "AnsiCodec.h"
#include "DocumentTableModel.h"
#include "INIStorage.h"
#include "RenderExport.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray Ansi(const char* utf8)
{
    return AnsiCodec::Encode(QString::fromUtf8(utf8));
}

} // namespace

TEST(BadTemplates, RenderByTheSectionRulesWhateverTheFileHolds)
{
    QTemporaryDir dir;
    DocumentTableModel table;
    table.SetColumns({{"Сумма", "Сумма;Amount"}, {"Дата", "Дата"}});
    table.AppendRow({"doc", "1\u00A0234,56\u00A0₽", Qt::Checked, {{"05.03.2024", "2024-03-05"}}});
    QByteArray everyByte(256, Qt::Uninitialized);
    for (int i = 0; i < 256; ++i)
        everyByte[i] = char(i);
    QByteArray unknown;
    for (int i = 0; i < 50000; ++i)
        unknown += "{X" + QByteArray::number(i) + "}{=x" + QByteArray::number(i) + "}{";
    const struct {
        const char* name;
        QByteArray bytes;
        QByteArray output;
    } cases[] = {
        {"100 000 names and directives that nothing fills", "<document>" + unknown + "</document>",
         "\r\n" + unknown + "\r\n"},
        {"empty", "", "refused"},
        {"truncated before the document block ends",
         Ansi("<header>\r\n1CClientBankExchange\r\n</header>\r\n<document>\r\nНомер={Номер}"),
         "refused"},
        {"not a template", Ansi("Номер;Дата;Сумма\r\n125;05.03.2024;15000,50\r\n"), "refused"},
        {"an escape kind that does not exist",
         "<formats><escape>xml</escape></formats><document></document>", "refused"},
        {"LF line ends",
         Ansi("<formats>\n<date>yyyy</date>\n</formats>\n<header>\n{MakeDate}\n</header>\n"
              "<document>\n{Дата}|{Amount}\n</document>\n<footer>\nend\n</footer>\n"),
         "\n2024\n\r\n\n2024|1234,56\n\r\n\nend\n"},
        {"sections missing or left open", Ansi("<document>{Сумма}</document><footer>end"),
         "\r\n1234,56\r\n"},
        {"binary", "<header>" + everyByte + "</header><document></document>" + everyByte,
         everyByte + "\r\n\r\n"},
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
    for (const auto& c : cases) {
        const QString tpl = WriteTestFile(dir.filePath("t.tpl"), c.bytes);
        const QString out = dir.filePath("out.txt");
        QFile::remove(out);
        QString error;
        const bool written =
            RenderExport(out, table, tpl, QDateTime(QDate(2024, 3, 5), QTime(9, 7)),
                         INIStorage(dir.path()), &error);
        EXPECT_EQ(Contents(out), written ? c.output : "<missing>") << c.name;
        EXPECT_EQ(written, c.output != "refused") << c.name;
        EXPECT_EQ(error.startsWith("Шаблон '" + tpl + "' не годится: "), !written) << c.name;
    }
}
