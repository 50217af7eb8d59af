#include "ColumnMap.h"
#include "DocumentParser.h"
#include "DocumentTableModel.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kRub = QStringLiteral("\u00A0\u20BD");
// The same element names under the payer, the payee and the payee's bank.
const char* const kParties = "<D><Payer><Name>A</Name></Payer>"
                             "<Payee><Bank><Name>B</Name></Bank><Name>C</Name></Payee></D>";

// A table whose columns come from column-map lines; the first column is always "Номер".
struct Table {
    explicit Table(const QString& map)
    {
        model.SetColumns(ColumnMap::Parse(QStringLiteral("Номер=Номер;N\r\n") + map));
    }
    std::optional<DocumentRow> Parse(const QString& text)
    {
        return DocumentParser(model).RowFromText(QStringLiteral("doc.xml"), text);
    }
    DocumentTableModel model;
};

} // namespace

TEST(DocumentParser, NormalisesValuesForDisplayAndKeepsTheRawOnes)
{
    const struct {
        const char* map;
        const char* document;
        QString display;
        QString raw;
    } cases[] = {
        {"Дата=Дата;DATE1;DATE2", "<DATE1></DATE1><DATE2>2024-03-05</DATE2>", "05.03.2024",
         "2024-03-05"},
        {"Дата=Дата;D", "<D>2024-03-07T14:30:00</D>", "07.03.2024 14:30:00", "2024-03-07T14:30:00"},
        {"Номер=Номер;Номер", "<Номер>17</Номер>", "17", "17"},
        {"Номер=Номер", "<Номер>17</Номер>", "", ""},
        {"Сумма=Сумма;S", "<S>1500.5</S>", "1\u00A0500,50" + kRub, "1500.5"},
        {"Сумма=Сумма;S", "<S>abc</S>", "0,00" + kRub, "abc"},
        {"Сумма=Сумма;S", "<S>1234,56</S>", "1\u00A0234,56" + kRub, "1234,56"},
        {"Сумма=СУММА;S", "<S>1 250 000.00</S>", "1\u00A0250\u00A0000,00" + kRub, "1 250 000.00"},
        {"Сумма=Сумма;S", "<S>1e20</S>", "1e20", "1e20"},
        {"Сумма=Сумма ;S", "<S>1500.5</S>", "1500.5", "1500.5"},
        {"Код=Код;K", "<K>12.5</K>", "12.5", "12.5"},
        {"Код=Код;K", "<K>01.02.2024</K>", "01.02.2024", "01.02.2024"},
        {"Текст=Т;T", "<T>\r\n\tмного\r\n</T>", "\tмного", "\tмного"},
        {"Текст=Т;;T", "<>пусто</><T>t</T>", "пусто", "пусто"},
        // Entities and CDATA sections are resolved in every value.
        {"Текст=Т;T", "<T>ООО &quot;Р&quot; &#171;x&#187; &nbsp;</T>", "ООО \"Р\" «x» &nbsp;",
         "ООО \"Р\" «x» &nbsp;"},
        {"Текст=Т;T", "<T><![CDATA[a<b>&amp;]]></T>", "a<b>&amp;", "a<b>&amp;"},
        // Paths, anchors and attributes.
        {"Текст=Т;Name", kParties, "A", "A"},
        {"Текст=Т;Payee/Name", kParties, "C", "C"},
        {"Текст=Т;Payee/Bank/Name", kParties, "B", "B"},
        {"Текст=Т;/D/Name", "<D><X><Name>a</Name></X><Name>b</Name></D>", "b", "b"},
        {"Текст=Т;/Name;/X/Name", "<D><X><Name>a</Name></X></D>", "", ""},
        {"Текст=Т;Payer/Bank@BIC",
         "<ed:E xmlns:ed='urn:x'><ed:Payer><ed:Bank BIC='04'/></ed:Payer></ed:E>", "04", "04"},
        {"Текст=Т;A@x", "<r><A/><A p:x='&quot;2&quot;' xmlns:p='u'/><A x='3'/></r>", "\"2\"",
         "\"2\""},
        {"Текст=Т;A@X;a@x;@x", "<r><A x='1'/><b x='7'/></r>", "1", "1"},
        {"Текст=Т;r/A", "<r><A>a<b>&amp;b</b><!-- c --><![CDATA[<c>]]></A></r>", "a&b<c>",
         "a&b<c>"},
        {"Текст=Т;r/x:A@y:b", "<r xmlns:e='u'><e:A e:b='1'/></r>", "1", "1"},
        // A document that is not well-formed has no paths; its plain names still read.
        {"Текст=Т;r/A;A", "<r><A>1</A>", "1", "1"},
        {"Текст=Т;r/A;A", "<r><A>&nbsp;</A></r>", "&nbsp;", "&nbsp;"},
        {"Текст=Т;r/A", "<?xml version='1.0' encoding='windows-1251'?><r><A>Я</A></r>", "Я", "Я"},
        {"Текст=Т;a//b;/;a/;@;a@;a@b@c;a*b*0.1;x*y;A", "<a><b>2</b></a><A>1</A>", "1", "1"},
        // Factors multiply exactly, keeping every decimal place.
        {"Сумма=Сумма;E@Sum*0.01", "<E Sum='555500'/>", "5\u00A0555,00" + kRub, "5555.00"},
        {"Код=Код;K*0.01", "<K> -5 </K>", "-0.05", "-0.05"},
        {"Код=Код;K*100", "<K>1,25</K>", "125,00", "125,00"},
        {"Код=Код;K*0,5", "<K>+.5</K>", "0.25", "0.25"},
        {"Код=Код;K*0.01", "<K>99999999999999999999999</K>", "999999999999999999999.99",
         "999999999999999999999.99"},
        {"Код=Код;K*1.5", "<K>-0</K>", "0.0", "0.0"},
        {"Код=Код;K*0.01", "<K>12abc</K>", "12abc", "12abc"},
        {"Код=Код;K*0.01", "<K>1.2.3</K>", "1.2.3", "1.2.3"},
    };
    for (const auto& c : cases) {
        Table table{QString::fromUtf8(c.map)};
        const std::optional<DocumentRow> row = table.Parse(QString::fromUtf8(c.document));
        ASSERT_TRUE(row.has_value()) << c.map;
        ASSERT_EQ(row->subItems.size(), 1) << c.map;
        EXPECT_EQ(row->subItems[0].display, c.display) << c.map << " " << c.document;
        EXPECT_EQ(row->subItems[0].raw, c.raw) << c.map << " " << c.document;
    }
}

TEST(DocumentParser, PathsReadLongDocumentsPieceByPiece)
{
    // The emoji's surrogate pair straddles the end of the first 65536 characters.
    const QString document = "<r><F>" + QString(65522, 'x') + "</F><A>\U0001F600</A><B>b</B></r>";
    ASSERT_TRUE(document[65535].isHighSurrogate());
    Table table{QStringLiteral("A=A;r/A\r\nB=B;r/B\r\nF=F;F")};
    const std::optional<DocumentRow> row = table.Parse(document);
    ASSERT_TRUE(row.has_value());
    EXPECT_EQ(row->subItems[0].raw, QStringLiteral("\U0001F600"));
    EXPECT_EQ(row->subItems[1].raw, QStringLiteral("b"));
    EXPECT_EQ(row->subItems[2].raw, QString(DocumentParser::kLongestValue, 'x'));
}

TEST(DocumentParser, DropsADocumentWithoutAnAmount)
{
    const struct {
        const char* map;
        const char* document;
    } cases[] = {
        {"Сумма=Сумма;S", "<N>1</N>"},
        {"Сумма=Сумма;S", "<N>1</N><S></S>"},
        {"Сумма=Сумма; S", "<N>1</N><S>100</S>"},
        {"Сумма=Сумма;S\r\nИтого=сумма;T", "<N>1</N><S>100</S>"},
        {"Сумма=Сумма;r/S", "<r><S>100</S>"},
    };
    for (const auto& c : cases)
        EXPECT_FALSE(Table(QString::fromUtf8(c.map)).Parse(QString::fromUtf8(c.document))) << c.map;
}

TEST(DocumentParser, AmountColumnsTurnRightAlignedAndStaySo)
{
    Table table{QStringLiteral("Сумма=Сумма;S")};
    EXPECT_EQ(table.model.Columns()[1].alignment & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    table.Parse(QStringLiteral("<S>1</S>"));
    EXPECT_EQ(table.model.Columns()[1].alignment & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    table.Parse(QStringLiteral("<N>2</N>"));
    EXPECT_EQ(table.model.Columns()[1].alignment & Qt::AlignHorizontal_Mask, Qt::AlignRight);
}

TEST(DocumentParser, ADocumentWithNothingStillGivesARowWhenNoAmountIsAsked)
{
    Table table{QStringLiteral("Дата=Дата;D")};
    const std::optional<DocumentRow> row = table.Parse(QStringLiteral("garbage"));
    ASSERT_TRUE(row.has_value());
    EXPECT_EQ(row->text, QString());
    EXPECT_EQ(row->checkState, Qt::Checked);
    EXPECT_EQ(row->key, QStringLiteral("doc.xml"));
}

TEST(DocumentParser, FilesAppendRowsAndUnreadableFilesLeaveTheTableAlone)
{
    QTemporaryDir dir;
    Table table{QStringLiteral("Сумма=Сумма;S")};
    const QString good = WriteTestFile(dir.filePath("good.xml"), "<N>1</N><S>%31%30</S>");
    const QString notUtf8 = WriteTestFile(dir.filePath("cp1251.xml"), "<N>\xCF</N><S>5</S>");
    ParseDocument(good, table.model);
    ParseDocument(dir.filePath("vanished.xml"), table.model);
    ParseDocument(dir.path(), table.model);
    ParseDocument(notUtf8, table.model);
    ASSERT_EQ(table.model.rowCount(), 2);
    EXPECT_EQ(table.model.Rows()[0].key, good);
    EXPECT_EQ(table.model.DisplayText(0, 1), "10,00" + kRub);
    EXPECT_EQ(table.model.Rows()[1].text, QString(QChar(0xFFFD)));
}
