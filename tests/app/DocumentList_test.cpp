#include "CheckableHeader.h"
#include "DocumentListController.h"
#include "DocumentSortProxy.h"
#include "DocumentTableModel.h"
#include "WindowTestSupport.h"

#include <QStyleOptionHeader>
#include <QTableWidget>
#include <QToolButton>
#include <QTemporaryDir>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

enum Column { Number = 0, Date = 1, Amount = 2, Payer = 3, Inn = 4 };

// Three documents read into a shown window: a.xml, b.xml and c.xml in listing order.
struct ListedWindow {
    ListedWindow()
    {
        WriteTestFile(root.filePath("a.xml"), Document("10", "2024-02-01", "1000", "Бета", "10"));
        WriteTestFile(root.filePath("b.xml"), Document("9", "2024-01-15", "20.5", "альфа", "9"));
        WriteTestFile(root.filePath("c.xml"), Document("100", "2023-12-31", "300"));
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        ReadNow(window, root.path());
    }

    // The numbers of the rows from the top, which name the documents.
    QStringList Order() const
    {
        QStringList numbers;
        for (int row = 0; row < window.List->model()->rowCount(); ++row)
            numbers.append(window.List->model()->index(row, Number).data().toString());
        return numbers;
    }

    void ClickHeader(int column, int offset = -1)
    {
        QHeaderView* header = window.ListHeader;
        const int left = header->sectionViewportPosition(column);
        const int x = offset >= 0 ? left + offset : left + header->sectionSize(column) * 3 / 4;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    }

    void ClickRow(int row)
    {
        const QRect rect = window.List->visualRect(window.List->model()->index(row, Payer));
        QTest::mouseClick(window.List->viewport(), Qt::LeftButton, {}, rect.center());
    }

    // The width the header leaves a caption between its check box and a sort arrow.
    int CaptionRoom(int column) const
    {
        const CheckableHeader* header = window.ListHeader;
        QStyleOptionHeader option;
        option.initFrom(header);
        option.state |= QStyle::State_Horizontal;
        option.rect = QRect(0, 0, header->sectionSize(column), header->height());
        option.sortIndicator = QStyleOptionHeader::SortDown;
        const QStyle* style = header->style();
        const int box = header->CheckState(column) >= 0
                            ? style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, header) + 2
                            : 0;
        return style->subElementRect(QStyle::SE_HeaderLabel, &option, header).width() - box;
    }

    Qt::CheckState CheckStateOf(int row) const
    {
        const QModelIndex box = window.List->model()->index(row, Number);
        return static_cast<Qt::CheckState>(box.data(Qt::CheckStateRole).toInt());
    }

    QString GridText(int row, int column) const
    {
        const QTableWidgetItem* item = window.Grid1->item(row, column);
        return item ? item->text() : QString("<none>");
    }

    QTemporaryDir root;
    Form1 window{kConfigFolder};
};

} // namespace

TEST(DocumentList, AHeaderClickOnAnEmptyTableChangesNothing)
{
    Form1 window(kConfigFolder);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const int section = window.ListHeader->sortIndicatorSection();
    const QHeaderView* header = window.ListHeader;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(Date) + 10, header->height() / 2));
    EXPECT_FALSE(window.ListHeader->isSortIndicatorShown());
    EXPECT_EQ(window.ListHeader->sortIndicatorSection(), section);
}

TEST(DocumentList, TheTopRowChoosesHowAColumnSortsAlwaysAscendingAndShadingFollows)
{
    ListedWindow list;
    ASSERT_EQ(list.Order(), QStringList({"10", "9", "100"}));
    const struct {
        int column;
        QStringList order;
    } clicks[] = {
        {Number, {"9", "10", "100"}}, // numbers, not texts
        {Number, {"9", "10", "100"}}, // a second click does not turn the order round
        {Date, {"100", "9", "10"}},   // dates, not texts or numbers
        {Inn, {"100", "10", "9"}},    // the top row's INN is empty: texts
        {Amount, {"9", "100", "10"}}, // amounts in the currency form are numbers
        {Payer, {"100", "9", "10"}},  // texts without regard to case
    };
    for (const auto& click : clicks) {
        list.ClickHeader(click.column);
        EXPECT_EQ(list.Order(), click.order) << click.column;
        const QString caption = list.window.Table()->Columns()[click.column].caption;
        EXPECT_GE(list.CaptionRoom(click.column),
                  list.window.ListHeader->fontMetrics().horizontalAdvance(caption))
            << "the arrow leaves the caption whole: " << click.column;
        EXPECT_TRUE(list.window.ListHeader->isSortIndicatorShown());
        EXPECT_EQ(list.window.ListHeader->sortIndicatorSection(), click.column);
        EXPECT_EQ(list.window.ListHeader->sortIndicatorOrder(), Qt::AscendingOrder);
        const QAbstractItemModel* model = list.window.List->model();
        EXPECT_EQ(model->index(0, Payer).data(Qt::BackgroundRole).value<QBrush>().color(),
                  QColor(238, 238, 238));
        EXPECT_FALSE(model->index(1, Payer).data(Qt::BackgroundRole).isValid());
        EXPECT_TRUE(model->index(2, Payer).data(Qt::BackgroundRole).isValid());
    }
}

TEST(DocumentList, TheHeaderCheckBoxChecksOrUnchecksEveryRow)
{
    ListedWindow list;
    DocumentTableModel& table = *list.window.Table();
    table.setData(table.index(1, 0), Qt::Unchecked, Qt::CheckStateRole);
    const int box = list.window.style()->pixelMetric(QStyle::PM_HeaderMargin) + 4;
    for (const Qt::CheckState state : {Qt::Unchecked, Qt::Checked}) {
        list.ClickHeader(Number, box);
        EXPECT_EQ(list.window.ListHeader->CheckState(0), state);
        for (const DocumentRow& row : table.Rows())
            EXPECT_EQ(row.checkState, state);
    }
    EXPECT_FALSE(list.window.ListHeader->isSortIndicatorShown());
}

TEST(DocumentList, SpaceTogglesTheCurrentRowFromAnyColumnAndTabLeavesTheGrid)
{
    ListedWindow list;
    Form1& window = list.window;
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const Qt::CheckState before = list.CheckStateOf(1);
    for (const int column : {Number, Payer, Inn}) {
        window.List->setCurrentIndex(window.List->model()->index(1, column));
        QTest::keyClick(window.List, Qt::Key_Space);
        EXPECT_NE(list.CheckStateOf(1), before) << column;
        QTest::keyClick(window.List, Qt::Key_Space);
        EXPECT_EQ(list.CheckStateOf(1), before) << column;
    }
    EXPECT_EQ(list.CheckStateOf(0), before);

    ASSERT_TRUE(window.Grid1->isEnabled());
    window.Grid1->setFocus();
    window.Grid1->setCurrentCell(0, 0);
    QTest::keyClick(window.Grid1, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window.OptionsBtn);
    window.Grid1->setFocus();
    QTest::keyClick(window.Grid1, Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), window.List);
}

TEST(DocumentList, TheGridShowsTheSelectedRowByCreationIndex)
{
    ListedWindow list;
    EXPECT_FALSE(list.window.Grid1->isEnabled());
    list.ClickRow(2);
    EXPECT_TRUE(list.window.Grid1->isEnabled());
    EXPECT_EQ(list.GridText(Number, 0), "Номер");
    EXPECT_EQ(list.GridText(Number, 1), "100");
    EXPECT_EQ(list.GridText(Amount, 1), "300,00\u00A0₽");
    EXPECT_EQ(list.GridText(Payer, 0), "Плательщик");
    EXPECT_EQ(list.GridText(Payer, 1), "");

    // The user drags the amount to the front: the grid keeps its rows.
    list.window.ListHeader->moveSection(Amount, 0);
    list.ClickRow(1);
    EXPECT_EQ(list.GridText(Amount, 0), "Сумма");
    EXPECT_EQ(list.GridText(Amount, 1), "20,50\u00A0₽");
    EXPECT_EQ(list.GridText(Payer, 1), "альфа");

    // A new read leaves the grid as it was until a row is selected again.
    ReadNow(list.window, ExamplesFolder());
    EXPECT_EQ(list.GridText(Payer, 1), "альфа");
}
