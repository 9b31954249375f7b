#pragma once

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

} // namespace platform
