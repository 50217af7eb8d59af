#pragma once

class QWidget;

/// The window's frame-level set-up: icons, size limits, the hand cursor and the glass band.
class WindowChrome {
public:
    /// Gives the window (and, when asked, its top owner and the application) the program's icon.
    static void SetWindowIcons(QWidget* window, bool alsoTopOwner);
    /// Keeps the window's outer size, frame included, within the limits in pixels; 0 means none.
    static void SetMinMaxSize(QWidget* window, int minWidth, int minHeight, int maxWidth,
                              int maxHeight);
    /// Shows the pointing-hand cursor over the widget.
    static void SetHandCursor(QWidget* widget);
    /// False: no desktop here offers the composition band the window could extend its frame into.
    static bool IsGlassAvailable();
};
