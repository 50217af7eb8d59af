#include "MainLayout.h"

namespace {

void SetWidth(QRectF& rect, double width)
{
    if (width >= 0)
        rect.setWidth(width);
}

void SetHeight(QRectF& rect, double height)
{
    if (height >= 0)
        rect.setHeight(height);
}

} // namespace

MainGeometry MainLayout::Design()
{
    MainGeometry g;
    g.txtFileIn = QRectF(1668, 768, 9156, 324);
    g.commandOpen = QRectF(10908, 720, 696, 396);
    g.alphaLogo = QRectF(10992, 12, 2592, 1224);
    g.list = QRectF(168, 1248, 13224, 3192);
    g.grid = QRectF(156, 4632, 13236, 2244);
    g.picCont = QRectF(252, 6996, 13224, 564);
    g.commandSaveAs = QRectF(10200, 84, 2892, 384);
    return g;
}

MainGeometry MainLayout::Arrange(MainGeometry g, double width, double height, double statusBarHeight)
{
    // Single precision, as the layout has always been computed.
    const float m = float(g.list.left());
    SetWidth(g.list, width - 2 * m);
    SetWidth(g.grid, g.list.width());
    g.alphaLogo.moveLeft(width - g.alphaLogo.width());
    g.commandOpen.moveLeft(g.alphaLogo.left() - g.commandOpen.width() + m / 2);
    SetWidth(g.txtFileIn, g.commandOpen.left() - g.txtFileIn.left() - m / 2);
    const float panelTop = float(height - g.picCont.height() - statusBarHeight - m / 2);
    g.picCont.moveTop(panelTop);
    g.picCont.moveLeft(m);
    SetWidth(g.picCont, width - 2 * m);
    g.commandSaveAs.moveLeft(g.picCont.width() - g.commandSaveAs.width());
    const float freeHeight = float(panelTop - m - g.list.top());
    SetHeight(g.list, float(freeHeight * 0.6f));
    g.grid.moveTop(g.list.top() + g.list.height() + m / 2);
    SetHeight(g.grid, panelTop - g.grid.top() - m / 2);
    return g;
}
