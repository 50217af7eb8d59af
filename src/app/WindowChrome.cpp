#include "WindowChrome.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QWidget>

namespace {

// Turns outer-size limits into client-size limits once the window manager has framed the window.
class SizeLimits : public QObject {
public:
    SizeLimits(QWidget* window, QSize minimum, QSize maximum)
        : QObject(window), m_window(window), m_minimum(minimum), m_maximum(maximum)
    {
        window->installEventFilter(this);
        Apply();
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && (event->type() == QEvent::Show || event->type() == QEvent::Move))
            Apply();
        return false;
    }

private:
    void Apply()
    {
        const QSize frame = m_window->frameGeometry().size() - m_window->size();
        if (!m_minimum.isEmpty())
            m_window->setMinimumSize((m_minimum - frame).expandedTo(QSize(0, 0)));
        if (m_maximum.width() > 0)
            m_window->setMaximumWidth(m_maximum.width() - frame.width());
        if (m_maximum.height() > 0)
            m_window->setMaximumHeight(m_maximum.height() - frame.height());
    }

    QWidget* m_window;
    QSize m_minimum;
    QSize m_maximum;
};

} // namespace

void WindowChrome::SetWindowIcons(QWidget* window, bool alsoTopOwner)
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 256})
        icon.addFile(QStringLiteral(":/images/icon-%1.png").arg(size), QSize(size, size));
    window->setWindowIcon(icon);
    if (!alsoTopOwner)
        return;
    QWidget* owner = window;
    while (owner->parentWidget())
        owner = owner->parentWidget()->window();
    owner->setWindowIcon(icon);
    QApplication::setWindowIcon(icon);
}

void WindowChrome::SetMinMaxSize(QWidget* window, int minWidth, int minHeight, int maxWidth,
                                 int maxHeight)
{
    new SizeLimits(window, QSize(minWidth, minHeight), QSize(maxWidth, maxHeight));
}

void WindowChrome::SetHandCursor(QWidget* widget)
{
    widget->setCursor(Qt::PointingHandCursor);
}

bool WindowChrome::IsGlassAvailable()
{
    return false;
}
