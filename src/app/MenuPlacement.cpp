#include "MenuPlacement.h"

#include <QEvent>
#include <QMenu>
#include <QToolButton>

MenuPlacement::MenuPlacement(QMenu* menu, QToolButton* button)
    : QObject(menu), m_menu(menu), m_button(button)
{
    menu->installEventFilter(this);
}

void MenuPlacement::HangUnder(QMenu* menu, QToolButton* button)
{
    new MenuPlacement(menu, button);
}

bool MenuPlacement::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_menu && event->type() == QEvent::Show && m_button && m_button->isVisible())
        m_menu->move(m_button->mapToGlobal(
            QPoint(m_button->width() - m_menu->width(), m_button->height())));
    return false;
}
