#include "DocumentListController.h"
#include "WindowTestSupport.h"

namespace {

enum Column { Number = 0, Date = 1, Amount = 2, Payer = 3, Inn = 4 };

const QString kLongName = "альфа, общество с ограниченной ответственностью «Наименование, которое "
                          "не помещается в одну строку сетки реквизитов и переносится на вторую»";

// Three documents read into a shown window, in listing order those numbered 10, 9 and 100.
struct ListedWindow {
    ListedWindow()
    {
        WriteTestFile(root.filePath("a.xml"), Document({"10", "2024-02-01", "1000", "Бета", "10"}));
        WriteTestFile(root.filePath("b.xml"),
                      Document({"9", "2024-01-15", "20.5", kLongName, "9"}));
        WriteTestFile(root.filePath("c.xml"), Document({"100", "2023-12-31", "300"}));
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        ReadNow(window, root.path());
    }

    QStringList Rows(int role = Qt::DisplayRole) const
    {
        return ColumnTexts(window.List->model(), Number, role);
    }

    // Clicks a header section x pixels from its left edge, or from its right one when x < 0.
    void ClickHeader(int column, int x = -8, Qt::MouseButton button = Qt::LeftButton)
    {
        QHeaderView* header = window.ListHeader;
        x += header->sectionViewportPosition(column) + (x < 0 ? header->sectionSize(column) : 0);
        QTest::mouseClick(header->viewport(), button, {}, QPoint(x, header->height() / 2));
    }

    void ClickRow(int row, Qt::KeyboardModifiers modifiers = {})
    {
        const QRect rect = window.List->visualRect(window.List->model()->index(row, Payer));
        QTest::mouseClick(window.List->viewport(), Qt::LeftButton, modifiers, rect.center());
    }

    QString Grid(int row, int column = 1) const { return window.Grid1->item(row, column)->text(); }

    QTemporaryDir root;
    Form1 window{kConfigFolder};
};

} // namespace

TEST(DocumentList, SpaceAndTheHeaderBoxCheckRowsTheGridShowsTheCurrentRowAndTheTopRowPicksTheSort)
{
    ListedWindow list;
    QTreeView* view = list.window.List;
    list.window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&list.window));
    EXPECT_FALSE(list.window.Grid1->isEnabled());
    for (const int column : {Number, Payer, Inn}) {
        view->setCurrentIndex(view->model()->index(1, column));
        QTest::keyClick(view, Qt::Key_Space);
        EXPECT_EQ(list.Rows(Qt::CheckStateRole), QStringList({"2", "0", "2"})) << column;
        QTest::keyClick(view, Qt::Key_Space);
        EXPECT_EQ(list.Rows(Qt::CheckStateRole), QStringList({"2", "2", "2"})) << column;
    }
    // Other keys, other widgets and other events are theirs.
    QObject* lists = list.window.findChild<DocumentListController*>();
    const QEvent::Type press = QEvent::KeyPress;
    EXPECT_FALSE(Filtered(lists, list.window.Grid1, QKeyEvent(press, Qt::Key_Space, {})) ||
                 Filtered(lists, view, QKeyEvent(press, Qt::Key_Space, Qt::ShiftModifier)) ||
                 Filtered(lists, view, QKeyEvent(QEvent::KeyRelease, Qt::Key_Space, {})));
    QTest::keyClick(view, Qt::Key_Down);
    EXPECT_EQ(list.Grid(Number), "100");

    const std::pair<std::function<void()>, QString> steps[] = {
        {[&] { list.ClickRow(0); }, "10"},
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
    EXPECT_EQ(QStringList({list.Grid(Number, 0), list.Grid(Amount), list.Grid(Payer)}),
              QStringList({"Номер", "300,00\u00A0₽", ""}));
    // The user drags the amount to the front: the grid keeps its rows.
    list.window.ListHeader->moveSection(Amount, 0);
    list.ClickRow(1);
    EXPECT_EQ(QStringList({list.Grid(Amount, 0), list.Grid(Amount), list.Grid(Payer)}),
              QStringList({"Сумма", "20,50\u00A0₽", kLongName}));
    EXPECT_GT(list.window.Grid1->rowHeight(Payer), list.window.Grid1->rowHeight(Amount)) << "wraps";

    // The top row of a column chooses how it sorts, always ascending.

    CheckableHeader* header = list.window.ListHeader;
    // Numbers, not texts, and a second click does not turn the order round; amounts in the
    // currency form are numbers; dates are dates; texts go without regard to case.
    const std::pair<Column, QStringList> clicks[] = {{Number, {"9", "10", "100"}},
                                                     {Number, {"9", "10", "100"}},
                                                     {Amount, {"9", "100", "10"}},
                                                     {Date, {"100", "9", "10"}},
                                                     {Payer, {"100", "9", "10"}}};
    for (const auto& [column, order] : clicks) {
        list.ClickHeader(column);
        EXPECT_EQ(list.Rows(), order) << column;
        // The arrow takes room of its own: the caption stays whole. Odd rows from the top shade.
        EXPECT_TRUE(header->isSortIndicatorShown() && header->sortIndicatorSection() == column &&
                    header->sortIndicatorOrder() == Qt::AscendingOrder &&
                    header->sectionSize(column) >= header->sectionSizeHint(column));
        const QAbstractItemModel* rows = list.window.List->model();
        EXPECT_TRUE(rows->index(0, Payer).data(Qt::BackgroundRole) ==
                        QBrush(QColor(238, 238, 238)) &&
                    !rows->index(1, Payer).data(Qt::BackgroundRole).isValid() &&
                    rows->index(2, Payer).data(Qt::BackgroundRole).isValid());
    }
    // The header's box, the rest of its first section: where the click lands, with which button.
    list.window.Table()->setData(list.window.Table()->index(1, 0), 0, Qt::CheckStateRole);
    const int box = header->style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                    2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin);
    const Qt::MouseButton L = Qt::LeftButton, R = Qt::RightButton;
    const std::tuple<int, Qt::MouseButton, int, Column> boxClicks[] = {
        {4, L, 0, Payer}, {box - 1, L, 2, Payer}, {4, R, 2, Payer}, {box, L, 2, Number}};
    for (const auto& [x, button, state, sorted] : boxClicks) {
        list.ClickHeader(Number, x, button);
        EXPECT_TRUE(header->CheckState(0) == state && header->sortIndicatorSection() == sorted)
            << x;
        EXPECT_EQ(list.Rows(Qt::CheckStateRole), QStringList(3, QString::number(state))) << x;
    }
}
