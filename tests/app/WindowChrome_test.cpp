#include "Form1.h"
#include "Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTreeView>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QString kConfig = QStringLiteral(VYPISKA_SOURCE_DIR "/config");

void Drag(QWidget* widget, Qt::MouseButton button, QPoint from, QPoint to)
{
    QTest::mousePress(widget, button, {}, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(to), widget->mapToGlobal(QPointF(to)), Qt::NoButton,
                     button, {});
    QApplication::sendEvent(widget, &move);
    QTest::mouseRelease(widget, button, {}, to);
}

} // namespace

TEST(WindowChrome, TheWindowNeverShrinksBelowItsMinimum)
{
    Form1 window(kConfig);
    window.show();
    window.resize(300, 200);
    EXPECT_GE(window.frameGeometry().width(), 800);
    EXPECT_GE(window.frameGeometry().height(), 600);
    EXPECT_FALSE(window.windowIcon().isNull());
    EXPECT_FALSE(window.Shape1->isVisible());
}

TEST(WindowChrome, OnlyALeftDragOnTheBandOrTheLogoMovesTheWindowAndOnlyAClickOpensTheAboutBox)
{
    Form1 window(kConfig);
    window.move(50, 50);
    window.show();
    QWidget* band = window.centralWidget();
    const int inputTop = window.TxtFileIn->y();
    const QPoint logo = window.AlphaLogo->geometry().center();
    const struct {
        Qt::MouseButton button;
        QPoint from;
        QPoint by;
        bool moves;
    } cases[] = {
        {Qt::LeftButton, {20, inputTop / 2}, {40, 25}, true},
        {Qt::RightButton, {20, inputTop / 2}, {40, 25}, false},
        {Qt::LeftButton, {20, inputTop + 1}, {40, 25}, false},
        {Qt::LeftButton, {20, 0}, {40, 25}, false},
        {Qt::LeftButton, {20, inputTop / 2}, {0, 0}, false},
        {Qt::LeftButton, {20, inputTop / 2}, {2, 1}, false}, // a shaky click
        {Qt::LeftButton, logo, {-40, 25}, true},
    };
    for (const auto& c : cases) {
        const QPoint start = window.pos();
        bool aboutOpened = false;
        QTimer::singleShot(0, [&] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                aboutOpened = true;
                box->close();
            }
        });
        Drag(band, c.button, c.from, c.from + c.by);
        QCoreApplication::processEvents();
        EXPECT_EQ(window.pos(), c.moves ? start + c.by : start) << c.from.y() << " " << int(c.button);
        EXPECT_FALSE(aboutOpened) << c.from.y();
    }
}

TEST(WindowChrome, ResizingMovesAndSizesTheControls)
{
    Form1 window(kConfig);
    window.show();
    const Twips twips(&window);
    window.resize(1000, 700);
    const QRect list = window.List->geometry();
    const QRect logo = window.AlphaLogo->geometry();
    const QRect grid = window.Grid1->geometry();
    window.resize(1000 + twips.ToPixels(1000), 700 + twips.ToPixels(1000));
    EXPECT_NEAR(window.List->width() - list.width(), twips.ToPixels(1000), 1);
    EXPECT_NEAR(window.AlphaLogo->x() - logo.x(), twips.ToPixels(1000), 1);
    EXPECT_NEAR(window.List->height() - list.height(), twips.ToPixels(600), 1);
    EXPECT_NEAR(window.Grid1->height() - grid.height(), twips.ToPixels(400), 1);
    EXPECT_GT(window.TxtFileIn->x(), window.LabelW1->geometry().right());
}
