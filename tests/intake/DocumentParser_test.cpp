#include "ColumnMap.h"
#include "DocumentParser.h"
#include "DocumentTableModel.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kRub = QStringLiteral("\u00A0\u20BD");

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
        {"Дата=Дата;DATE1;DATE2", "<DATE1></DATE1><DATE2>2024-03-05</DATE2>", "05.03.2024", "2024-03-05"},
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
