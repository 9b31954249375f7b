#pragma once

#include <QRect>
#include <QSize>
#include <QWidget>

#include <cmath>

// Windows are designed, and their geometry is saved, in twips: 1440 per logical inch. These
// convert at a widget's own logical resolution, so the forms keep their proportions at any DPI.
namespace twips {

inline constexpr double kPerInch = 1440.0;

inline int toPixels(double value, int dpi)
{
    return static_cast<int>(std::lround(value * dpi / kPerInch));
}

inline int fromPixels(int pixels, int dpi)
{
    return dpi > 0 ? static_cast<int>(std::lround(pixels * kPerInch / dpi)) : 0;
}

inline int toPixels(const QWidget *widget, int value)
{
    return toPixels(value, widget->logicalDpiX());
}

inline int fromPixels(const QWidget *widget, int pixels)
{
    return fromPixels(pixels, widget->logicalDpiX());
}

inline QRect rect(const QWidget *widget, int left, int top, int width, int height)
{
    return {toPixels(widget, left), toPixels(widget, top), toPixels(widget, width),
            toPixels(widget, height)};
}

inline void place(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(rect(widget, left, top, width, height));
}

inline QSize size(const QWidget *widget, int width, int height)
{
    return {toPixels(widget, width), toPixels(widget, height)};
}

} // namespace twips
