#include "DocumentListController.h"
#include "WindowTestSupport.h"

namespace {

enum Column { Number = 0, Date = 1, Amount = 2, Payer = 3, Inn = 4 };

const QString kLongName = "альфа, общество с ограниченной ответственностью «Наименование, которое "
                          "не помещается в одну строку сетки реквизитов и переносится на вторую»";

} // namespace

TEST(DocumentList, SpaceAndTheHeaderBoxCheckRowsTheGridShowsTheCurrentRowAndTheTopRowPicksTheSort)
{
    // Three documents read into a shown window, in listing order those numbered 10, 9 and 100.
    QTemporaryDir root;
    WriteTestFile(root.filePath("a.xml"), Document({"10", "2024-02-01", "1000", "Бета", "10"}));
    WriteTestFile(root.filePath("b.xml"), Document({"9", "2024-01-15", "20.5", kLongName, "9"}));
    WriteTestFile(root.filePath("c.xml"), Document({"100", "2023-12-31", "300"}));
    Form1 window(kConfigFolder);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ReadNow(window, root.path());
    QTreeView* view = window.List;
    QAbstractItemModelTester sorted(view->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    CheckableHeader* header = window.ListHeader;
    const auto rows = [&](int role) { return ColumnTexts(view->model(), Number, role); };
    const auto grid = [&](int row, int col = 1) { return window.Grid1->item(row, col)->text(); };
    const auto clickRow = [&](int row, Qt::KeyboardModifiers modifiers = {}) {
        const QRect rect = view->visualRect(view->model()->index(row, Payer));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, rect.center());
    };
    // Clicks a header section x pixels from its left edge, or from its right one when x < 0.
    const auto clickHeader = [&](int column, int x = -8, Qt::MouseButton button = Qt::LeftButton) {
        x += header->sectionViewportPosition(column) + (x < 0 ? header->sectionSize(column) : 0);
        QTest::mouseClick(header->viewport(), button, {}, QPoint(x, header->height() / 2));
    };

    for (const int column : {Number, Payer, Inn}) {
        view->setCurrentIndex(view->model()->index(1, column));
        QTest::keyClick(view, Qt::Key_Space);
        EXPECT_EQ(rows(Qt::CheckStateRole), QStringList({"2", "0", "2"})) << column;
        QTest::keyClick(view, Qt::Key_Space);
        EXPECT_EQ(rows(Qt::CheckStateRole), QStringList({"2", "2", "2"})) << column;
    }
    // Other keys, other widgets and other events are theirs.
    QObject* lists = window.findChild<DocumentListController*>();
    const QEvent::Type press = QEvent::KeyPress;
    EXPECT_FALSE(Filtered(lists, window.Grid1, QKeyEvent(press, Qt::Key_Space, {})) ||
                 Filtered(lists, view, QKeyEvent(press, Qt::Key_Space, Qt::ShiftModifier)) ||
                 Filtered(lists, view, QKeyEvent(QEvent::KeyRelease, Qt::Key_Space, {})));
    QTest::keyClick(view, Qt::Key_Down);
    EXPECT_EQ(grid(Number), "100");
    // The grid shows the current row while it is selected, else the last row selected.
    const Qt::KeyboardModifier ctrl = Qt::ControlModifier;
    const std::pair<std::function<void()>, QString> steps[] = {
        {[&] { clickRow(0); }, "10"},
        {[&] { clickRow(2); }, "100"},
        {[&] { clickRow(1, ctrl); }, "9"},
        {[&] { clickRow(1, ctrl); }, "9"},
        {[&] { QTest::keyClick(view, Qt::Key_Up, ctrl); }, "9"},
        {[&] { QTest::keyClick(view, Qt::Key_A, ctrl); }, "10"}};
    for (const auto& [act, shown] : steps) {
        act();
        EXPECT_EQ(grid(Number), shown) << view->currentIndex().row();
    }
    clickRow(2);
    EXPECT_TRUE(window.Grid1->isEnabled() && window.Grid1->updatesEnabled());
    EXPECT_EQ(QStringList({grid(Number, 0), grid(Amount), grid(Payer)}),
              QStringList({"Номер", "300,00\u00A0₽", ""}));
    // The user drags the amount to the front: the grid keeps its rows, and long values wrap.
    header->moveSection(Amount, 0);
    clickRow(1);
    EXPECT_EQ(QStringList({grid(Amount, 0), grid(Amount), grid(Payer)}),
              QStringList({"Сумма", "20,50\u00A0₽", kLongName}));
    EXPECT_GT(window.Grid1->rowHeight(Payer), window.Grid1->rowHeight(Amount));

    // Numbers, then again (no turning round), amounts, dates, texts without regard to case.
    const std::pair<Column, QStringList> clicks[] = {
        {Number, {"9", "10", "100"}}, {Number, {"9", "10", "100"}}, {Amount, {"9", "100", "10"}},
        {Date, {"100", "9", "10"}},   {Payer, {"100", "9", "10"}},
    };
    for (const auto& [column, order] : clicks) {
        clickHeader(column);
        EXPECT_EQ(rows(Qt::DisplayRole), order) << column;
        // The arrow takes room of its own: the caption stays whole. Odd rows from the top shade.
        EXPECT_TRUE(header->isSortIndicatorShown() && header->sortIndicatorSection() == column &&
                    header->sortIndicatorOrder() == Qt::AscendingOrder &&
                    header->sectionSize(column) >= header->sectionSizeHint(column));
        const QAbstractItemModel* shaded = view->model();
        EXPECT_TRUE(shaded->index(0, Payer).data(Qt::BackgroundRole) ==
                        QBrush(QColor(238, 238, 238)) &&
                    !shaded->index(1, Payer).data(Qt::BackgroundRole).isValid() &&
                    shaded->index(2, Payer).data(Qt::BackgroundRole).isValid());
    }
    // The header's box, the rest of its first section: where the click lands, with which button.
    window.Table()->setData(window.Table()->index(1, 0), 0, Qt::CheckStateRole);
    const int box = header->style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                    2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin);
    const Qt::MouseButton L = Qt::LeftButton, R = Qt::RightButton;
    const std::tuple<int, Qt::MouseButton, int, Column> boxClicks[] = {
        {4, L, 0, Payer}, {box - 1, L, 2, Payer}, {4, R, 2, Payer}, {box, L, 2, Number}};
    for (const auto& [x, button, state, sorted] : boxClicks) {
        clickHeader(Number, x, button);
        EXPECT_TRUE(header->CheckState(0) == state && header->sortIndicatorSection() == sorted)
            << x;
        EXPECT_EQ(rows(Qt::CheckStateRole), QStringList(3, QString::number(state))) << x;
    }
}
