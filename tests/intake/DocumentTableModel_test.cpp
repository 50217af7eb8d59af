#include "DocumentTableModel.h"

#include <QAbstractItemModelTester>
#include <gtest/gtest.h>

namespace {

QList<DocumentColumn> ThreeColumns()
{
    QList<DocumentColumn> columns(3);
    columns[0].caption = QStringLiteral("Номер");
    columns[1].caption = QStringLiteral("Дата");
    columns[2].caption = QStringLiteral("Сумма");
    return columns;
}

DocumentRow Row(const QString& key, const QString& number)
{
    return {key, number, Qt::Checked, {{"05.03.2024", "2024-03-05"}, {"1,00 ₽", "1"}}};
}

} // namespace

TEST(DocumentTableModel, PassesTheModelTesterThroughItsLife)
{
    DocumentTableModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.SetColumns(ThreeColumns());
    model.AppendRow(Row("a.xml", "1"));
    model.AppendRows({Row("b.xml", "2"), Row("c.xml", "3")});
    model.SetColumnAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    model.SetAllChecked(Qt::Unchecked);
    EXPECT_TRUE(model.setData(model.index(1, 0), Qt::Checked, Qt::CheckStateRole));
    model.ClearRows();
    model.AppendRow(Row("d.xml", "4"));
    EXPECT_EQ(model.rowCount(), 1);
}

TEST(DocumentTableModel, ShowsDisplayTextsAndExportsRawValues)
{
    DocumentTableModel model;
    model.SetColumns(ThreeColumns());
    model.AppendRow(Row("a.xml", "125"));
    EXPECT_EQ(model.data(model.index(0, 0)).toString(), QStringLiteral("125"));
    EXPECT_EQ(model.data(model.index(0, 1)).toString(), QStringLiteral("05.03.2024"));
    EXPECT_EQ(model.data(model.index(0, 1), DocumentTableModel::RawValueRole).toString(),
              QStringLiteral("2024-03-05"));
    EXPECT_FALSE(model.data(model.index(0, 0), DocumentTableModel::RawValueRole).isValid());
    EXPECT_EQ(model.ExportValue(0, 0), QStringLiteral("125"));
    EXPECT_EQ(model.ExportValue(0, 2), QStringLiteral("1"));
    EXPECT_EQ(model.data(model.index(0, 0), Qt::CheckStateRole).toInt(), Qt::Checked);
    EXPECT_FALSE(model.data(model.index(0, 1), Qt::CheckStateRole).isValid());
}

TEST(DocumentTableModel, OnlyTheFirstColumnCarriesAHeaderCheckBox)
{
    DocumentTableModel model;
    model.SetColumns(ThreeColumns());
    EXPECT_EQ(model.headerData(0, Qt::Horizontal, Qt::CheckStateRole).toInt(), Qt::Unchecked);
    EXPECT_FALSE(model.headerData(1, Qt::Horizontal, Qt::CheckStateRole).isValid());
    model.SetHeaderCheckState(Qt::Checked);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal, Qt::CheckStateRole).toInt(), Qt::Checked);
    EXPECT_EQ(model.Columns()[2].creationIndex, 3);
    EXPECT_EQ(model.Columns()[2].subItemIndex, 2);
}

TEST(DocumentTableModel, ClearingRowsKeepsColumnsAndAlignment)
{
    DocumentTableModel model;
    model.SetColumns(ThreeColumns());
    model.AppendRow(Row("a.xml", "1"));
    model.SetColumnAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    model.ClearRows();
    EXPECT_EQ(model.columnCount(), 3);
    EXPECT_EQ(model.Columns()[2].alignment, Qt::AlignRight | Qt::AlignVCenter);
}

TEST(DocumentTableModel, GivesBackEveryRowAsItWasAppended)
{
    DocumentTableModel model;
    model.SetColumns(ThreeColumns());
    const QList<DocumentRow> rows = {
        Row("a.xml", "1"),
        // Display and raw alike, empty beside full, text beyond Latin-1, a NUL, a short row.
        {"b.xml", "", Qt::Unchecked, {{"x", "x"}, {"", "y"}}},
        {"в.xml",
         QString::fromUtf8("1\0"
                           "2",
                           3),
         Qt::Checked,
         {{"€ 𝄞", ""}}},
        {"d.xml", "4", Qt::Checked, {}},
    };
    model.AppendRows(rows);
    ASSERT_EQ(model.Rows().size(), rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const DocumentRow row = model.Rows()[i];
        EXPECT_EQ(row.key, rows[i].key);
        EXPECT_EQ(row.text, rows[i].text);
        EXPECT_EQ(row.checkState, rows[i].checkState);
        ASSERT_EQ(row.subItems.size(), rows[i].subItems.size()) << i;
        for (qsizetype j = 0; j < row.subItems.size(); ++j) {
            EXPECT_EQ(row.subItems[j].display, rows[i].subItems[j].display) << i << j;
            EXPECT_EQ(row.subItems[j].raw, rows[i].subItems[j].raw) << i << j;
        }
    }
    EXPECT_EQ(model.DisplayText(3, 2), QString());
    EXPECT_EQ(model.ExportValue(1, 2), "y");
}
