#include "MainLayout.h"

#include <gtest/gtest.h>

namespace {

const double kWidth = 13572;
const double kHeight = 7728;  // the client area above the status bar

} // namespace

TEST(MainLayout, WideningMovesTheRightHandControlsAndWidensTheRest)
{
    const MainGeometry before = MainLayout::Arrange(MainLayout::Design(), kWidth, kHeight, 0);
    const MainGeometry after = MainLayout::Arrange(before, kWidth + 1000, kHeight, 0);
    EXPECT_FLOAT_EQ(after.list.width() - before.list.width(), 1000);
    EXPECT_FLOAT_EQ(after.grid.width() - before.grid.width(), 1000);
    EXPECT_FLOAT_EQ(after.txtFileIn.width() - before.txtFileIn.width(), 1000);
    EXPECT_FLOAT_EQ(after.picCont.width() - before.picCont.width(), 1000);
    EXPECT_FLOAT_EQ(after.alphaLogo.left() - before.alphaLogo.left(), 1000);
    EXPECT_FLOAT_EQ(after.commandOpen.left() - before.commandOpen.left(), 1000);
    EXPECT_FLOAT_EQ(after.commandSaveAs.left() - before.commandSaveAs.left(), 1000);
    EXPECT_EQ(after.list.left(), before.list.left());
}

TEST(MainLayout, TheListTakesSixtyPercentOfTheAddedHeight)
{
    const MainGeometry before = MainLayout::Arrange(MainLayout::Design(), kWidth, kHeight, 0);
    const MainGeometry after = MainLayout::Arrange(before, kWidth, kHeight + 1000, 0);
    EXPECT_NEAR(after.list.height() - before.list.height(), 600, 0.01);
    EXPECT_NEAR(after.grid.height() - before.grid.height(), 400, 0.01);
    EXPECT_FLOAT_EQ(after.picCont.top() - before.picCont.top(), 1000);
    EXPECT_FLOAT_EQ(after.grid.top(), after.list.bottom() + 84);
}

TEST(MainLayout, ATinyWindowKeepsTheLastUsableSizes)
{
    const MainGeometry before = MainLayout::Arrange(MainLayout::Design(), kWidth, kHeight, 0);
    const MainGeometry after = MainLayout::Arrange(before, 0, 0, 0);
    EXPECT_EQ(after.list.size(), before.list.size());
    const MainGeometry restored = MainLayout::Arrange(after, kWidth, kHeight, 0);
    EXPECT_EQ(restored.list, before.list);
    EXPECT_EQ(restored.grid, before.grid);
}
