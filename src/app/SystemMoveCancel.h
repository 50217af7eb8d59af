#pragma once

class QWindow;

/// Asks the window manager to end a move it was asked to run for the window, on X11; elsewhere
/// (and without a window) nothing happens.
void CancelSystemMove(QWindow* window);
