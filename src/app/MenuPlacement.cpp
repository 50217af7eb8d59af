#include "MenuPlacement.h"

#include <QKeyEvent>
#include <QMenu>
#include <QToolButton>

MenuPlacement::MenuPlacement(QMenu* menu, QToolButton* button)
    : QObject(menu), m_menu(menu), m_button(button)
{
    menu->installEventFilter(this);
    button->installEventFilter(this);
}

void MenuPlacement::HangUnder(QMenu* menu, QToolButton* button)
{
    new MenuPlacement(menu, button);
}

bool MenuPlacement::eventFilter(QObject* watched, QEvent* event)
{
    // The keyboard reaches the menu as it does a combo box's list: Alt+Down or F4.
    if (watched == m_button && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool opens = key->key() == Qt::Key_F4 ||
                           (key->key() == Qt::Key_Down && key->modifiers() == Qt::AltModifier);
        if (opens)
            m_button->showMenu();
        return opens;
    }
    if (watched == m_menu && event->type() == QEvent::Show && m_button && m_button->isVisible())
        m_menu->move(m_button->mapToGlobal(
            QPoint(m_button->width() - m_menu->width(), m_button->height())));
    return false;
}
