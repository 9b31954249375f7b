#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>

namespace platform {

// Windows are placed by their outer size, frame included, but the frame is known only once a
// window is shown, and a window manager may add it later still. Called after a showing or a
// move: when the frame has changed and the window still has the size it was given, the window
// is resized so that its outer size stays what was asked for; a size the user chose stays.
inline void keepOuterSize(QWidget &window, const QRect &placedOuter, QSize &frameExtra)
{
    const QSize extra = window.frameGeometry().size() - window.size();
    if (extra == frameExtra)
        return;
    const bool unchanged = window.size() == placedOuter.size() - frameExtra;
    frameExtra = extra;
    if (unchanged)
        window.resize(placedOuter.size() - frameExtra);
}

// The frame unknown when a window was placed, a showing may put its client area at the corner
// asked for and its title bar above it, off the screen when the corner is the screen's. Called
// after a showing or a move: a window whose client area stands at the corner asked for is
// moved so that its frame does.
inline void keepOuterCorner(QWidget &window, const QPoint &corner)
{
    if (window.geometry().topLeft() == corner && window.frameGeometry().topLeft() != corner)
        window.move(corner); // a shown window's move places its frame
}

// Where a window of the given outer size goes to stand centred over another window, moved as
// little as needed to lie wholly on the screen's free area (at its top left when too large).
inline QPoint outerCornerOver(const QSize &outer, const QRect &over, const QRect &screenArea)
{
    QRect place(QPoint(), outer);
    place.moveCenter(over.center());
    const int left =
        qMax(screenArea.left(), qMin(place.left(), screenArea.right() + 1 - outer.width()));
    const int top =
        qMax(screenArea.top(), qMin(place.top(), screenArea.bottom() + 1 - outer.height()));
    return {left, top};
}

} // namespace platform
