#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>

namespace platform {

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

// A window placed by its outer geometry, frame included, as ws.ini keeps it. The frame is known
// only once a window is shown, and a window manager may add it later still: fit, called after a
// showing or a move, puts the frame at the corner asked for and, while the window still has the
// size it was given, takes the frame off that size; a size the user chose stays.
class OuterPlacement {
public:
    // Places the window: the outer corner, and the outer size less the frame seen so far.
    void place(QWidget &window, const QRect &outer)
    {
        frame_ = window.frameGeometry().size() - window.size();
        outer_ = outer;
        window.resize(outer.size() - frame_);
        window.move(outer.topLeft());
    }

    void fit(QWidget &window)
    {
        if (!outer_.isValid() || !window.isVisible() || window.isMaximized())
            return;
        keepOuterCorner(window, outer_.topLeft());
        const QSize frame = window.frameGeometry().size() - window.size();
        if (frame == frame_)
            return;
        const bool unchanged = window.size() == outer_.size() - frame_;
        frame_ = frame;
        if (unchanged)
            window.resize(outer_.size() - frame_);
    }

    // Where the window was placed; invalid before it was.
    const QRect &outer() const { return outer_; }

private:
    QRect outer_;
    QSize frame_;
};

} // namespace platform
