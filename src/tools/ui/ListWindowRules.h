#pragma once

#include "platform/qt/Twips.h"

#include <QKeyEvent>
#include <QWidget>

// What the two list tool windows (the package list and the unused gauges) share.
namespace list_window {

// The list keeps these margins (twips) to the window's outer size; a window too small for them
// leaves the list as it is.
inline constexpr int kHeightMargin = 1450;
inline constexpr int kWidthMargin = 350;

inline void fitList(const QWidget &window, QWidget &list)
{
    const QRect outer = window.frameGeometry();
    QRect place = list.geometry();
    const int outerHeight = twips::fromPixels(&window, outer.height());
    const int outerWidth = twips::fromPixels(&window, outer.width());
    if (outerHeight > kHeightMargin)
        place.setHeight(twips::toPixels(&window, outerHeight - kHeightMargin));
    if (outerWidth > kWidthMargin)
        place.setWidth(twips::toPixels(&window, outerWidth - kWidthMargin));
    list.setGeometry(place);
}

// OK is both the default and the cancel button: Enter and Esc close the window.
inline bool closesWindow(const QKeyEvent &event)
{
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return true;
    default:
        return false;
    }
}

} // namespace list_window
