#pragma once

#include <QRectF>

/// Where the main window's resizable controls stand, in twips.
struct MainGeometry {
    QRectF txtFileIn;
    QRectF commandOpen;
    QRectF alphaLogo;
    QRectF list;
    QRectF grid;
    QRectF picCont;
    /// Relative to the bottom panel.
    QRectF commandSaveAs;
};

/// The main window's layout: the design's positions and how they follow the window's size.
class MainLayout {
public:
    /// The positions of the window's design, client area 13572 × 8028 twips.
    static MainGeometry Design();
    /// The positions for a client area of width × height twips above a status bar of
    /// statusBarHeight; the list takes 60 % of the free height and the grid the rest. A step that
    /// would give a negative size keeps the previous value.
    static MainGeometry Arrange(MainGeometry geometry, double width, double height,
                                double statusBarHeight);
};
