#pragma once

#include <QWidget>
#include <QtMath>

// Form layouts are designed in twips (1440 per logical inch); these turn them into pixels
// at the widget's own logical resolution, so the forms keep their proportions at any DPI.
namespace twips {

inline int toPixels(const QWidget *widget, int value)
{
    return qRound(value * widget->logicalDpiX() / 1440.0);
}

inline void place(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(toPixels(widget, left), toPixels(widget, top), toPixels(widget, width),
                        toPixels(widget, height));
}

inline QSize size(const QWidget *widget, int width, int height)
{
    return {toPixels(widget, width), toPixels(widget, height)};
}

} // namespace twips
