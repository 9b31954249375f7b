// The main window's start and its place on the screen as ws.ini keeps it.
#include "app/ui/StowbayWindow.h"
#include "platform/qt/OuterSize.h"
#include "platform/qt/Twips.h"

#include <QMoveEvent>
#include <QShowEvent>

bool StowbayWindow::start()
{
    const std::optional<MainWindowGeometry> geometry = run_.start();
    if (!geometry)
        return false;
    applyGeometry(*geometry);
    controller_.fillCategoryBox();
    show();
    return true;
}

void StowbayWindow::applyGeometry(const MainWindowGeometry &geometry)
{
    readGeometry_ = geometry;
    const int d = dpi();
    // ws.ini holds the outer size. Until the window is shown its frame is unknown (taken as
    // none); fitFrame corrects the place and size when the frame appears.
    QRect outer = frameGeometry();
    if (geometry.width)
        outer.setWidth(twips::toPixels(*geometry.width, d));
    if (geometry.height)
        outer.setHeight(twips::toPixels(*geometry.height, d));
    const bool maximised = geometry.top && geometry.left &&
                           *geometry.top == layout::kMaximisedPosition &&
                           *geometry.left == layout::kMaximisedPosition;
    if (!maximised && (geometry.top || geometry.left))
        outer.moveTo(geometry.left ? twips::toPixels(*geometry.left, d) : outer.left(),
                     geometry.top ? twips::toPixels(*geometry.top, d) : outer.top());
    placement_.place(*this, outer);
    if (maximised)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void StowbayWindow::fitFrame()
{
    placement_.fit(*this);
}

void StowbayWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    everShown_ = true;
    fitFrame();
}

void StowbayWindow::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    // A window manager may add the frame only after showing, moving the client area down.
    fitFrame();
}

std::optional<MainWindowGeometry> StowbayWindow::geometryToSave() const
{
    // A window never shown has no place of its own: what ws.ini gave is written back.
    if (!everShown_)
        return readGeometry_.value_or(MainWindowGeometry{});
    if (isMinimized())
        return std::nullopt;
    const int d = dpi();
    const auto inTwips = [d](int pixels) { return double(twips::fromPixels(pixels, d)); };
    MainWindowGeometry geometry;
    if (isMaximized()) {
        // A maximised window is saved at the maximised position with its normal size, so it
        // comes back maximised and restores to that size.
        const QSize frame = frameGeometry().size() - size();
        geometry.top = layout::kMaximisedPosition;
        geometry.left = layout::kMaximisedPosition;
        geometry.height = inTwips(normalGeometry().height() + frame.height());
        geometry.width = inTwips(normalGeometry().width() + frame.width());
        return geometry;
    }
    const QRect outer = frameGeometry();
    geometry.top = inTwips(outer.top());
    geometry.left = inTwips(outer.left());
    geometry.height = inTwips(outer.height());
    geometry.width = inTwips(outer.width());
    if (readGeometry_ && placement_.outer().isValid()) {
        // What still stands as ws.ini placed it goes back as read, so that nothing drifts by a
        // pixel's rounding from one start to the next.
        const auto keep = [](std::optional<double> &saved, const std::optional<double> &read,
                             bool unchanged) {
            if (read && unchanged)
                saved = read;
        };
        keep(geometry.top, readGeometry_->top, outer.top() == placement_.outer().top());
        keep(geometry.left, readGeometry_->left, outer.left() == placement_.outer().left());
        keep(geometry.height, readGeometry_->height, outer.height() == placement_.outer().height());
        keep(geometry.width, readGeometry_->width, outer.width() == placement_.outer().width());
    }
    return geometry;
}
