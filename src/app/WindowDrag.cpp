#include "WindowDrag.h"

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
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    switch (type) {
    case QEvent::MouseButtonPress: {
        const QPoint point = mouse->position().toPoint();
        if (mouse->button() != Qt::LeftButton || !m_mayGrab(point))
            return false;
        QWindow* window = m_handle->window()->windowHandle();
        if (window && window->startSystemMove())
            return true;
        m_grab = point;
        m_dragging = true;
        return true;
    }
    case QEvent::MouseMove:
        if (!m_dragging || !(mouse->buttons() & Qt::LeftButton))
            return false;
        m_handle->window()->move(m_handle->window()->pos() + mouse->position().toPoint() - m_grab);
        return true;
    case QEvent::MouseButtonRelease:
        m_dragging = false;
        return false;
    default:
        return false;
    }
}
