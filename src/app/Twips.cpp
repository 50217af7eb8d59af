#include "Twips.h"

#include <QWidget>
#include <cmath>

Twips::Twips(const QWidget* widget)
{
    const int dpi = widget ? widget->logicalDpiY() : 96;
    if (dpi > 0)
        m_twipsPerPixel = 1440.0 / dpi;
}

int Twips::ToPixels(double twips) const
{
    return int(std::lround(twips / m_twipsPerPixel));
}

double Twips::FromPixels(int pixels) const
{
    return pixels * m_twipsPerPixel;
}

QRect Twips::Rect(double left, double top, double width, double height) const
{
    return QRect(ToPixels(left), ToPixels(top), ToPixels(width), ToPixels(height));
}
