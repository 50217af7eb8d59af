#include "StatusBar.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>

StatusBar::StatusBar(QWidget* parent) : QStatusBar(parent), m_panel(new QLabel(this))
{
    setSizeGripEnabled(true);
    m_panel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The panel takes the width it is given, so a long text never pushes past the size grip.
    m_panel->setSizePolicy(QSizePolicy::Ignored, m_panel->sizePolicy().verticalPolicy());
    m_panel->installEventFilter(this);
    addWidget(m_panel, 1);
    QPalette palette = m_panel->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::ButtonText));
    m_panel->setPalette(palette);
}

void StatusBar::Show(const QString& text, StatusColor color)
{
    m_text = text;
    setToolTip(text);
    ShowFitted();
    if (color == StatusColor::Keep)
        return;
    const auto value = static_cast<quint32>(color);
    QPalette palette = m_panel->palette();
    palette.setColor(QPalette::WindowText,
                     QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF));
    m_panel->setPalette(palette);
}

QString StatusBar::ShownText() const
{
    return m_panel->text();
}

qint32 StatusBar::Color() const
{
    const QColor color = m_panel->palette().color(QPalette::WindowText);
    return qint32(color.red() | (color.green() << 8) | (color.blue() << 16));
}

QString StatusBar::Fit(const QString& text, const QFontMetrics& metrics, int width)
{
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    const qsizetype open = text.indexOf(QLatin1Char('\''));
    const qsizetype close = text.lastIndexOf(QLatin1Char('\''));
    if (open >= 0 && close > open + 1) {
        const QString head = text.left(open + 1);
        const QString tail = text.mid(close);
        const int room = width - metrics.horizontalAdvance(head + tail);
        const QString path = text.mid(open + 1, close - open - 1);
        const QString shortPath = metrics.elidedText(path, Qt::ElideMiddle, room);
        // A path that shrinks to nothing but "…" tells nothing: the text's end goes instead.
        if (shortPath.size() > 1)
            return head + shortPath + tail;
    }
    return metrics.elidedText(text, Qt::ElideRight, width);
}

bool StatusBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_panel && event->type() == QEvent::Resize)
        ShowFitted();
    return QStatusBar::eventFilter(watched, event);
}

void StatusBar::ShowFitted()
{
    const int margins = m_panel->contentsMargins().left() + m_panel->contentsMargins().right() +
                        2 * m_panel->margin();
    m_panel->setText(Fit(m_text, m_panel->fontMetrics(), m_panel->width() - margins));
}
