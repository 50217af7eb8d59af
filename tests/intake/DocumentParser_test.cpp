#include "ColumnMap.h"
#include "DocumentParser.h"
#include "DocumentTableModel.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

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

// The row's display values joined by "|", blanks of every kind as spaces; "-" for no row.
QString Cells(const std::optional<DocumentRow>& row)
{
    if (!row)
        return QStringLiteral("-");
    QString cells = row->text;
    for (const SubItem& item : row->subItems)
        cells += '|' + item.display;
    return cells.replace(QChar(0xA0), ' ');
}

} // namespace

TEST(DocumentParser, NormalisesValuesForDisplayAndKeepsTheRawOnes)
{
    const struct {
        const char* map;
        const char* document;
        const char* display;       // of the second column; "-" when the document is dropped
        const char* raw = nullptr; // when other than the display
    } cases[] = {
        {"Дата=Дата;D1;D2", "<D1></D1><D2>2024-03-05</D2>", "05.03.2024", "2024-03-05"},
        {"Дата=Дата;D", "<D>2024-03-07T14:30:00</D>", "07.03.2024 14:30:00", "2024-03-07T14:30:00"},
        {"Номер=Номер", "<Номер>17</Номер>", ""},
        {"Сумма=Сумма;S", "<S>1500.5</S>", "1 500,50 ₽", "1500.5"},
        {"Сумма=СУММА;S", "<S>1 250 000.00</S>", "1 250 000,00 ₽", "1 250 000.00"},
        {"Сумма=Сумма;S", "<S>1e20</S>", "1e20"},
        {"Сумма=Сумма ;S", "<S>1500.5</S>", "1500.5"},
        {"Код=Код;K", "<K>01.02.2024</K>", "01.02.2024"},
        {"Текст=Т;T", "<T>\r\n\tмного\r\n</T>", "\tмного"},
        {"Текст=Т;;T", "<>пусто</><T>t</T>", "пусто"},
        // A document without an amount is dropped when an amount is asked.
        {"Сумма=Сумма;S", "<N>1</N><S></S>", "-"},
        {"Сумма=Сумма; S", "<N>1</N><S>100</S>", "-"},
        {"Сумма=Сумма;S\r\nИтого=сумма;T", "<N>1</N><S>100</S>", "-"},
        {"Сумма=Сумма;r/S", "<r><S>100</S>", "-"},
        // Entities and CDATA sections are resolved in every value.
        {"Текст=Т;T", "<T>ООО &quot;Р&quot; &#171;x&#187; &nbsp;</T>", "ООО \"Р\" «x» &nbsp;"},
        {"Текст=Т;T", "<T><![CDATA[a<b>&amp;]]></T>", "a<b>&amp;"},
        // Paths, anchors and attributes.
        {"Текст=Т;Name", kParties, "A"},
        {"Текст=Т;Payee/Name", kParties, "C"},
        {"Текст=Т;Payee/Bank/Name", kParties, "B"},
        {"Текст=Т;/D/Name", "<D><X><Name>a</Name></X><Name>b</Name></D>", "b"},
        {"Текст=Т;/Name;/X/Name", "<D><X><Name>a</Name></X></D>", ""},
        {"Текст=Т;Payer/Bank@BIC", "<e:E xmlns:e='u'><e:Payer><e:Bank BIC='4'/></e:Payer></e:E>",
         "4"},
        {"Текст=Т;A@x", "<r><A/><A p:x='&quot;2&quot;' xmlns:p='u'/><A x='3'/></r>", "\"2\""},
        {"Текст=Т;A@X;a@x;@x", "<r><A x='1'/><b x='7'/></r>", "1"},
        {"Текст=Т;r/A", "<r><A>a<b>&amp;b</b><!-- c --><![CDATA[<c>]]></A></r>", "a&b<c>"},
        {"Текст=Т;r/x:A@y:b", "<r xmlns:e='u'><e:A e:b='1'/></r>", "1"},
        // A document that is not well-formed has no paths; its plain names still read.
        {"Текст=Т;r/A;A", "<r><A>1</A>", "1"},
        {"Текст=Т;r/A;A", "<r><A>&nbsp;</A></r>", "&nbsp;"},
        {"Текст=Т;r/A", "<?xml version='1.0' encoding='windows-1251'?><r><A>Я</A></r>", "Я"},
        {"Текст=Т;a//b;@;a@;a@b@c;a*b*0.1;x*y;A", "<r><a><b>2</b></a><x>5</x><A>1</A></r>", "1"},
        // Factors multiply exactly, keeping every decimal place.
        {"Сумма=Сумма;E@Sum*0.01", "<E Sum='555500'/>", "5 555,00 ₽", "5555.00"},
        {"Код=Код;K*0.01", "<K> -5 </K>", "-0.05"},
        {"Код=Код;K*100", "<K>1,25</K>", "125,00"},
        {"Код=Код;K*100", "<K>3</K>", "300"},
        {"Код=Код;K*0,5", "<K>+.5</K>", "0.25"},
        {"Код=Код;K*0.01", "<K>99999999999999999999999</K>", "999999999999999999999.99"},
        {"Код=Код;K*1.5", "<K>-0</K>", "0.0"},
        {"Код=Код;K*0.01", "<K>12abc</K>", "12abc"},
        {"Код=Код;K*0.01", "<K>1.2.3</K>", "1.2.3"}};
    for (const auto& c : cases) {
        Table table{QString::fromUtf8(c.map)};
        const std::optional<DocumentRow> row = table.Parse(QString::fromUtf8(c.document));
        const QString display = row ? row->subItems[0].display : "-";
        EXPECT_EQ(QString(display).replace(QChar(0xA0), ' '), QString::fromUtf8(c.display))
            << c.map << " " << c.document;
        EXPECT_EQ(row ? row->subItems[0].raw : "-", QString::fromUtf8(c.raw ? c.raw : c.display))
            << c.map << " " << c.document;
    }
}

TEST(DocumentParser, PathsReadLongDocumentsPieceByPiece)
{
    // The emoji's surrogate pair straddles the end of the first 65536 characters.
    const QString document = "<r><F>" + QString(65522, 'x') + "</F><A>\U0001F600</A><B>b</B></r>";
    ASSERT_TRUE(document[65535].isHighSurrogate());
    Table table{QStringLiteral("A=A;r/A\r\nB=B;r/B\r\nF=F;F")};
    EXPECT_EQ(Cells(table.Parse(document)),
              "|\U0001F600|b|" + QString(DocumentParser::kLongestValue, 'x'));
}

TEST(DocumentParser, AmountColumnsTurnRightAlignedAndStaySo)
{
    Table table{QStringLiteral("Сумма=Сумма;S\r\nДата=Дата;D")};
    EXPECT_EQ(table.model.Columns()[1].alignment & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    EXPECT_EQ(Cells(table.Parse(QStringLiteral("<S>1</S>"))), "|1,00 ₽|");
    EXPECT_EQ(Cells(table.Parse(QStringLiteral("<N>2</N>"))), "-");
    EXPECT_EQ(table.model.Columns()[1].alignment & Qt::AlignHorizontal_Mask, Qt::AlignRight);
}

TEST(DocumentParser, ParsingAFileAppendsItsRowUnlessItIsDroppedOrUnreadable)
{
    QTemporaryDir dir;
    Table table{QStringLiteral("Сумма=Сумма;S")};
    const QByteArray doc = "<N>1</N><S>%31%30</S>";
    // The largest document is read whole: its requisites stand at its very end.
    const auto sized = [&](const QString& name, qint64 size) {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.seek(size - doc.size()) && file.write(doc)
                   ? file.fileName()
                   : QString();
    };
    DocumentParser parser(table.model);
    EXPECT_TRUE(parser.Parse(sized("largest.xml", DocumentParser::kLargestDocument)));
    EXPECT_FALSE(parser.Parse(sized("larger.xml", DocumentParser::kLargestDocument + 1)));
    EXPECT_FALSE(parser.Parse(WriteTestFile(dir.filePath("dropped.xml"), "<N>2</N>")));
    EXPECT_FALSE(parser.Parse(dir.filePath("missing.xml")));
    ParseDocument(WriteTestFile(dir.filePath("good.xml"), doc), table.model);
    ASSERT_EQ(table.model.rowCount(), 2);
    EXPECT_EQ(Cells(table.model.Rows()[1]), "1|10,00 ₽");
}
