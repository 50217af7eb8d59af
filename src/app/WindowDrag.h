#pragma once

#include <QObject>
#include <QPoint>
#include <functional>

class QMouseEvent;
class QWidget;

/// Moves a window when the user drags one of its areas with the left button: through the window
/// system's own move where it offers one, by following the pointer otherwise. A press and release
/// without a drag is a click, and moves nothing.
class WindowDrag : public QObject {
    Q_OBJECT
public:
    /// Watches the handle's mouse events; grabs only where mayGrab accepts the press point.
    WindowDrag(QWidget* handle, std::function<bool(QPoint)> mayGrab);

signals:
    /// The left button went down and up again on the handle without dragging; at is in the
    /// handle's coordinates.
    void Clicked(QPoint at);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class State { Idle, Pressed, SystemMove, Following };

    bool Press(const QMouseEvent& mouse);
    bool Move(const QMouseEvent& mouse);
    bool Release(const QMouseEvent& mouse);
    void Follow(const QMouseEvent& mouse);

    QWidget* m_handle;
    std::function<bool(QPoint)> m_mayGrab;
    State m_state = State::Idle;
    QPoint m_pressAt;
    QPoint m_windowAt;
};
