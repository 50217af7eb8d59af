#pragma once

#include <QObject>
#include <QPoint>
#include <functional>

class QWidget;

/// Moves a window when the user drags one of its areas with the left button: through the window
/// system's own move where it offers one, by following the pointer otherwise.
class WindowDrag : public QObject {
    Q_OBJECT
public:
    /// Watches the handle's mouse events; grabs only where mayGrab accepts the press point.
    WindowDrag(QWidget* handle, std::function<bool(QPoint)> mayGrab);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_handle;
    std::function<bool(QPoint)> m_mayGrab;
    QPoint m_grab;
    bool m_dragging = false;
};
