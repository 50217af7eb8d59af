#include "CheckableHeader.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionHeader>

CheckableHeader::CheckableHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsClickable(true);
}

int CheckableHeader::CheckState(int logicalIndex) const
{
    if (!model())
        return -1;
    const QVariant state = model()->headerData(logicalIndex, orientation(), Qt::CheckStateRole);
    return state.isValid() ? state.toInt() : -1;
}

QPixmap CheckableHeader::CheckBoxPixmap(Qt::CheckState state) const
{
    const int side = style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this);
    const qreal ratio = devicePixelRatio();
    QPixmap pixmap(QSize(side, side) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QStyleOptionButton option;
    option.initFrom(this);
    option.rect = QRect(0, 0, side, side);
    option.state |= QStyle::State_Enabled | (state == Qt::Checked ? QStyle::State_On : QStyle::State_Off);
    style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter, this);
    return pixmap;
}

void CheckableHeader::initStyleOptionForIndex(QStyleOptionHeader* option, int logicalIndex) const
{
    QHeaderView::initStyleOptionForIndex(option, logicalIndex);
    const int state = CheckState(logicalIndex);
    if (state < 0)
        return;
    option->icon = QIcon(CheckBoxPixmap(static_cast<Qt::CheckState>(state)));
    option->iconAlignment = Qt::AlignLeft | Qt::AlignVCenter;
}

QSize CheckableHeader::sectionSizeFromContents(int logicalIndex) const
{
    QSize size = QHeaderView::sectionSizeFromContents(logicalIndex);
    if (CheckState(logicalIndex) >= 0)
        size.rwidth() += style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this) +
                         style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this);
    return size;
}

QRect CheckableHeader::CheckBoxRect(int logicalIndex) const
{
    const int side = style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this);
    const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this);
    const int left = sectionViewportPosition(logicalIndex);
    return QRect(left, 0, side + 2 * margin, height());
}

void CheckableHeader::mousePressEvent(QMouseEvent* event)
{
    const int logicalIndex = logicalIndexAt(event->position().toPoint());
    const int state = logicalIndex >= 0 ? CheckState(logicalIndex) : -1;
    if (state < 0 || event->button() != Qt::LeftButton ||
        !CheckBoxRect(logicalIndex).contains(event->position().toPoint())) {
        QHeaderView::mousePressEvent(event);
        return;
    }
    emit CheckBoxToggled(logicalIndex, state == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    viewport()->update();
}
