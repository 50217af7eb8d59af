#include "CheckableHeader.h"
#include "DocumentListController.h"
#include "DocumentTableModel.h"
#include "WindowTestSupport.h"

#include <QKeyEvent>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

enum Column { Number = 0, Date = 1, Amount = 2, Payer = 3, Inn = 4 };

const QString kLongName = "альфа, общество с ограниченной ответственностью «Наименование, которое "
                          "не помещается в одну строку сетки реквизитов и переносится на вторую»";

// Three documents read into a shown window: a.xml, b.xml and c.xml in listing order.
struct ListedWindow {
    ListedWindow()
    {
        WriteTestFile(root.filePath("a.xml"), Document("10", "2024-02-01", "1000", "Бета", "10"));
        WriteTestFile(root.filePath("b.xml"), Document("9", "2024-01-15", "20.5", kLongName, "9"));
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

    QVariant Data(int row, int role) const
    {
        return window.List->model()->index(row, Number).data(role);
    }

    void ClickHeader(int column, int x = -1, Qt::MouseButton button = Qt::LeftButton)
    {
        QHeaderView* header = window.ListHeader;
        x = header->sectionViewportPosition(column) + (x < 0 ? header->sectionSize(column) - 8 : x);
        QTest::mouseClick(header->viewport(), button, {}, QPoint(x, header->height() / 2));
    }

    void ClickRow(int row, Qt::KeyboardModifiers modifiers = {})
    {
        const QRect rect = window.List->visualRect(window.List->model()->index(row, Payer));
        QTest::mouseClick(window.List->viewport(), Qt::LeftButton, modifiers, rect.center());
    }

    QString Grid(int row, int column = 1) const
    {
        const QTableWidgetItem* item = window.Grid1->item(row, column);
        return item ? item->text() : QString("<none>");
    }

    QTemporaryDir root;
    Form1 window{kConfigFolder};
};

} // namespace

TEST(DocumentList, TheTopRowChoosesHowAColumnSortsAlwaysAscendingAndShadingFollows)
{
    ListedWindow list;
    CheckableHeader* header = list.window.ListHeader;
    ASSERT_EQ(list.Order(), QStringList({"10", "9", "100"}));
    const std::pair<Column, QStringList> clicks[] = {
        {Number, {"9", "10", "100"}}, // numbers, not texts
        {Number, {"9", "10", "100"}}, // a second click does not turn the order round
        {Date, {"100", "9", "10"}},   // dates, not texts or numbers
        {Inn, {"100", "10", "9"}},    // the top row's INN is empty: texts
        {Amount, {"9", "100", "10"}}, // amounts in the currency form are numbers
        {Payer, {"100", "9", "10"}},  // texts without regard to case
    };
    for (const auto& [column, order] : clicks) {
        list.ClickHeader(column);
        EXPECT_EQ(list.Order(), order) << column;
        EXPECT_TRUE(header->isSortIndicatorShown() && header->sortIndicatorSection() == column &&
                    header->sortIndicatorOrder() == Qt::AscendingOrder);
        // The arrow takes room of its own: the caption stays whole.
        EXPECT_GE(header->sectionSize(column), header->sectionSizeHint(column)) << column;
        EXPECT_EQ(list.Data(0, Qt::BackgroundRole).value<QBrush>().color(), QColor(238, 238, 238));
        EXPECT_FALSE(list.Data(1, Qt::BackgroundRole).isValid());
        EXPECT_TRUE(list.Data(2, Qt::BackgroundRole).isValid());
    }

    // New documents keep the column's way until a click asks the new top row again.
    QTemporaryDir numbers;
    for (const char* payer : {"10", "9", "100"})
        WriteTestFile(numbers.filePath(QString(payer) + ".xml"), Document(payer, "", "1", payer));
    ReadNow(list.window, numbers.path());
    EXPECT_EQ(list.Order(), QStringList({"10", "100", "9"}));
    list.ClickHeader(Payer);
    EXPECT_EQ(list.Order(), QStringList({"9", "10", "100"}));

    // A click on an empty table leaves the arrow where the last sort put it.
    QDir().mkpath(numbers.filePath("empty"));
    ReadNow(list.window, numbers.filePath("empty"));
    list.ClickHeader(Date);
    EXPECT_TRUE(header->isSortIndicatorShown() && header->sortIndicatorSection() == Payer);
}

TEST(DocumentList, TheHeaderCheckBoxChecksOrUnchecksEveryRowAndTheRestOfTheHeaderSorts)
{
    ListedWindow list;
    list.window.Table()->setData(list.window.Table()->index(1, 0), Qt::Unchecked,
                                 Qt::CheckStateRole);
    const QStyle* style = list.window.ListHeader->style();
    const int box = style->pixelMetric(QStyle::PM_IndicatorWidth) +
                    2 * style->pixelMetric(QStyle::PM_HeaderMargin);
    // Where the click lands in the first section, with which button; what it leaves.
    const std::tuple<int, Qt::MouseButton, Qt::CheckState, bool> clicks[] = {
        {4, Qt::LeftButton, Qt::Unchecked, false},
        {box - 1, Qt::LeftButton, Qt::Checked, false},
        {4, Qt::RightButton, Qt::Checked, false},
        {box, Qt::LeftButton, Qt::Checked, true},
    };
    for (const auto& [x, button, state, sorted] : clicks) {
        list.ClickHeader(Number, x, button);
        EXPECT_EQ(list.window.ListHeader->CheckState(0), state) << x;
        for (int row = 0; row < 3; ++row)
            EXPECT_EQ(list.Data(row, Qt::CheckStateRole), state) << x;
        EXPECT_EQ(list.window.ListHeader->isSortIndicatorShown(), sorted) << x;
    }
}

TEST(DocumentList, SpaceTogglesTheCurrentRowFromAnyColumnArrowsMoveAndTabLeavesTheGrid)
{
    ListedWindow list;
    Form1& window = list.window;
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    for (const int column : {Number, Payer, Inn}) {
        window.List->setCurrentIndex(window.List->model()->index(1, column));
        QTest::keyClick(window.List, Qt::Key_Space);
        EXPECT_EQ(list.Data(1, Qt::CheckStateRole), Qt::Unchecked) << column;
        QTest::keyClick(window.List, Qt::Key_Space);
        EXPECT_EQ(list.Data(1, Qt::CheckStateRole), Qt::Checked) << column;
    }
    QTest::keyClick(window.List, Qt::Key_Down);
    EXPECT_EQ(window.List->currentIndex().row(), 2);
    // Other keys, other widgets and other events are theirs.
    QObject* lists = window.findChild<DocumentListController*>();
    for (const auto& [watched, type, modifiers] :
         {std::tuple<QObject*, QEvent::Type, Qt::KeyboardModifier>{window.Grid1, QEvent::KeyPress,
                                                                   Qt::NoModifier},
          {window.List, QEvent::KeyPress, Qt::ShiftModifier},
          {window.List, QEvent::KeyRelease, Qt::NoModifier}})
        EXPECT_FALSE(Filtered(lists, watched, QKeyEvent(type, Qt::Key_Space, modifiers)));
    EXPECT_EQ(list.Data(2, Qt::CheckStateRole), Qt::Checked);

    ASSERT_TRUE(window.Grid1->isEnabled());
    window.Grid1->setFocus();
    window.Grid1->setCurrentCell(0, 0);
    QTest::keyClick(window.Grid1, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window.OptionsBtn);
    window.Grid1->setFocus();
    QTest::keyClick(window.Grid1, Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), window.List);
}

TEST(DocumentList, TheGridShowsTheCurrentRowOfTheSelectionByCreationIndex)
{
    ListedWindow list;
    QTreeView* view = list.window.List;
    EXPECT_FALSE(list.window.Grid1->isEnabled());
    list.ClickRow(0);
    EXPECT_EQ(list.Grid(Payer), "Бета");
    const std::pair<std::function<void()>, QString> steps[] = {
        {[&] { list.ClickRow(2); }, "100"},
        {[&] { list.ClickRow(1, Qt::ControlModifier); }, "9"},
        {[&] { list.ClickRow(1, Qt::ControlModifier); }, "9"}, // taking a row out shows no other
        {[&] { QTest::keyClick(view, Qt::Key_Up, Qt::ControlModifier); }, "9"},
        {[&] { QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier); }, "10"}, // the current one
    };
    for (const auto& [act, shown] : steps) {
        act();
        EXPECT_EQ(list.Grid(Number), shown) << view->currentIndex().row();
    }
    list.ClickRow(2);
    EXPECT_TRUE(list.window.Grid1->isEnabled() && list.window.Grid1->updatesEnabled());
    EXPECT_EQ(QStringList(
                  {list.Grid(Number, 0), list.Grid(Amount), list.Grid(Payer, 0), list.Grid(Payer)}),
              QStringList({"Номер", "300,00\u00A0₽", "Плательщик", ""}));

    // The user drags the amount to the front: the grid keeps its rows.
    list.window.ListHeader->moveSection(Amount, 0);
    list.ClickRow(1);
    EXPECT_EQ(QStringList({list.Grid(Amount, 0), list.Grid(Amount), list.Grid(Payer)}),
              QStringList({"Сумма", "20,50\u00A0₽", kLongName}));
    EXPECT_GT(list.window.Grid1->rowHeight(Payer), list.window.Grid1->rowHeight(Amount));
    // A new read leaves the grid as it was until a row is selected again.
    ReadNow(list.window, ExamplesFolder());
    EXPECT_EQ(list.Grid(Payer), kLongName);
}
