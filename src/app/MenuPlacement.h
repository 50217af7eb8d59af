#pragma once

#include <QObject>
#include <QPointer>

class QMenu;
class QToolButton;

/// Hangs a split button's pop-up menu right-aligned under the button: its right edge at the
/// button's right edge, its top at the button's bottom. Alt+Down or F4 on the button opens it.
class MenuPlacement : public QObject {
    Q_OBJECT
public:
    /// Places the menu each time it is shown; the placement lives as long as the menu.
    static void HangUnder(QMenu* menu, QToolButton* button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MenuPlacement(QMenu* menu, QToolButton* button);

    QMenu* m_menu;
    QPointer<QToolButton> m_button;
};
