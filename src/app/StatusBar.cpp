#include "StatusBar.h"

#include <QLabel>

StatusBar::StatusBar(QWidget* parent) : QStatusBar(parent), m_panel(new QLabel(this))
{
    setSizeGripEnabled(true);
    m_panel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    addWidget(m_panel, 1);
    QPalette palette = m_panel->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::ButtonText));
    m_panel->setPalette(palette);
}

void StatusBar::Show(const QString& text, StatusColor color)
{
    m_panel->setText(text);
    if (color == StatusColor::Keep)
        return;
    const auto value = static_cast<quint32>(color);
    QPalette palette = m_panel->palette();
    palette.setColor(QPalette::WindowText, QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF));
    m_panel->setPalette(palette);
}

QString StatusBar::Text() const
{
    return m_panel->text();
}

qint32 StatusBar::Color() const
{
    const QColor color = m_panel->palette().color(QPalette::WindowText);
    return qint32(color.red() | (color.green() << 8) | (color.blue() << 16));
}
