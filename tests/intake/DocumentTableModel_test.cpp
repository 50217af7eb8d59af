#include "ColumnMap.h"
#include "DocumentTableModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

// A model of three columns, checked by the model tester through its life.
struct Table {
    Table() { model.SetColumns(ColumnMap::Parse(QStringLiteral("Номер\nДата\nСумма"))); }
    DocumentTableModel model;
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::Fatal};
};

DocumentRow Row(const QString& key, const QString& number)
{
    return {key, number, Qt::Checked, {{"05.03.2024", "2024-03-05"}, {"1,00 ₽", "1"}}};
}

QString Dump(const DocumentRow& row)
{
    QString dump = row.key + '|' + row.text + '|' + QString::number(row.checkState);
    for (const SubItem& item : row.subItems)
        dump += '|' + item.display + '/' + item.raw;
    return dump;
}

} // namespace

TEST(DocumentTableModel, OnlyTheFirstColumnIsCheckedAndOnlyThroughItsCheckBox)
{
    Table table;
    DocumentTableModel& model = table.model;
    model.AppendRow(Row("a.xml", "1"));
    model.AppendRows({Row("b.xml", "2"), Row("c.xml", "3")});
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.SetAllChecked(Qt::Unchecked);
    EXPECT_TRUE(model.setData(model.index(1, 0), Qt::Checked, Qt::CheckStateRole));
    EXPECT_EQ(changed.count(), 2);
    EXPECT_FALSE(model.setData(model.index(2, 1), Qt::Checked, Qt::CheckStateRole));
    EXPECT_FALSE(model.setData(model.index(2, 0), Qt::Checked, Qt::EditRole));
    EXPECT_FALSE(model.setData(QModelIndex(), Qt::Checked, Qt::CheckStateRole));
    EXPECT_EQ(model.CheckState(0), Qt::Unchecked);
    EXPECT_EQ(model.data(model.index(1, 0), Qt::CheckStateRole), Qt::Checked);
    EXPECT_EQ(model.CheckState(2), Qt::Unchecked);
    EXPECT_FALSE(model.data(model.index(1, 1), Qt::CheckStateRole).isValid());
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    EXPECT_EQ(model.flags(model.index(0, 0)), flags | Qt::ItemIsUserCheckable);
    EXPECT_EQ(model.flags(model.index(0, 1)), flags);
    EXPECT_EQ(model.flags(QModelIndex()), Qt::ItemFlags());

    EXPECT_EQ(model.headerData(0, Qt::Horizontal, Qt::CheckStateRole), Qt::Unchecked);
    model.SetHeaderCheckState(Qt::Checked);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal, Qt::CheckStateRole), Qt::Checked);
    EXPECT_FALSE(model.headerData(1, Qt::Horizontal, Qt::CheckStateRole).isValid());
    EXPECT_EQ(model.headerData(0, Qt::Horizontal), "Номер");
    EXPECT_EQ(model.headerData(3, Qt::Horizontal), 4);
    EXPECT_EQ(model.headerData(0, Qt::Vertical), 1);
    // New columns start a new table.
    model.SetColumns(model.Columns());
    EXPECT_EQ(model.rowCount(), 0);
}

TEST(DocumentTableModel, ShowsAndExportsEveryValueAsItWasAppended)
{
    Table table;
    DocumentTableModel& model = table.model;
    // Display and raw alike, empty beside full, text beyond Latin-1, a NUL, a short row.
    const QList<DocumentRow> rows = {
        Row("a.xml", "125"),
        {"b.xml", "", Qt::Unchecked, {{"x", "x"}, {"", "y"}}},
        {"в.xml", QString("1%12").arg(QChar(0)), Qt::Checked, {{"€ 𝄞", ""}}},
        {"d.xml", "4", Qt::Checked, {}}};
    model.AppendRows(rows);
    ASSERT_EQ(model.Rows().size(), rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i)
        EXPECT_EQ(Dump(model.Rows()[i]), Dump(rows[i]));
    EXPECT_EQ(model.DisplayText(3, 2), QString());
    EXPECT_EQ(model.ExportValue(1, 2), "y");
    EXPECT_EQ(model.ExportValue(0, 0), "125");
    EXPECT_EQ(model.data(model.index(0, 0)), "125");
    EXPECT_EQ(model.data(model.index(0, 1), Qt::ToolTipRole), "05.03.2024");
    EXPECT_EQ(model.data(model.index(0, 1), DocumentTableModel::RawValueRole), "2024-03-05");
    EXPECT_FALSE(model.data(model.index(0, 0), DocumentTableModel::RawValueRole).isValid());
    EXPECT_EQ(model.data(model.index(2, 2), DocumentTableModel::KeyRole), "в.xml");
    EXPECT_FALSE(model.data(model.index(4, 0)).isValid());
    // Clearing the rows keeps the columns and their alignment.
    model.SetColumnAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_EQ(model.data(model.index(0, 2), Qt::TextAlignmentRole),
              int(Qt::AlignRight | Qt::AlignVCenter));
    model.ClearRows();
    EXPECT_EQ(model.columnCount(), 3);
    EXPECT_EQ(model.Columns()[2].alignment, Qt::AlignRight | Qt::AlignVCenter);
}
