#include "WindowDrag.h"

#include "SystemMoveCancel.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

WindowDrag::WindowDrag(QWidget* handle, std::function<bool(QPoint)> mayGrab)
    : QObject(handle), m_handle(handle), m_mayGrab(std::move(mayGrab))
{
    handle->installEventFilter(this);
}

bool WindowDrag::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_handle)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        return Press(*static_cast<QMouseEvent*>(event));
    case QEvent::MouseMove:
        return Move(*static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonRelease:
        return Release(*static_cast<QMouseEvent*>(event));
    default:
        return false;
    }
}

bool WindowDrag::Press(const QMouseEvent& mouse)
{
    // A move the window system finished keeps its release to itself: a new press starts afresh.
    m_state = State::Idle;
    if (mouse.button() != Qt::LeftButton || !m_mayGrab(mouse.position().toPoint()))
        return false;
    m_state = State::Pressed;
    m_pressAt = mouse.globalPosition().toPoint();
    m_windowAt = m_handle->window()->pos();
    return true;
}

bool WindowDrag::Move(const QMouseEvent& mouse)
{
    if (m_state == State::Idle)
        return false;
    // A release that never reached the handle ends the drag here.
    if (!(mouse.buttons() & Qt::LeftButton)) {
        m_state = State::Idle;
        return false;
    }
    if (m_state == State::Pressed) {
        const QPoint moved = mouse.globalPosition().toPoint() - m_pressAt;
        if (moved.manhattanLength() < QApplication::startDragDistance())
            return true;
        // The window system's move starts only now, with the button held: started on the press,
        // a release that came before the window system took the pointer left it moving.
        QWindow* window = m_handle->window()->windowHandle();
        m_state = window && window->startSystemMove() ? State::SystemMove : State::Following;
    }
    if (m_state == State::Following)
        Follow(mouse);
    return true;
}

bool WindowDrag::Release(const QMouseEvent& mouse)
{
    if (mouse.button() != Qt::LeftButton || m_state == State::Idle)
        return false;
    const State state = m_state;
    m_state = State::Idle;
    if (state == State::Pressed) {
        emit Clicked(mouse.position().toPoint());
        return true;
    }
    // A release that reaches the window means the window system has not taken the pointer, and
    // would go on moving the window until the next click: end its move and finish it here.
    if (state == State::SystemMove) {
        CancelSystemMove(m_handle->window()->windowHandle());
        Follow(mouse);
    }
    return true;
}

void WindowDrag::Follow(const QMouseEvent& mouse)
{
    m_handle->window()->move(m_windowAt + mouse.globalPosition().toPoint() - m_pressAt);
}
