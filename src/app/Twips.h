#pragma once

#include <QRect>

class QWidget;

/// Converts the window design's twips (1/1440 inch) to pixels of a widget's screen and back.
class Twips {
public:
    explicit Twips(const QWidget* widget);

    int ToPixels(double twips) const;
    double FromPixels(int pixels) const;
    QRect Rect(double left, double top, double width, double height) const;

private:
    double m_twipsPerPixel = 15.0;
};
