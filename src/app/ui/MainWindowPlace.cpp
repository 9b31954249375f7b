#include "app/ui/MainWindowPlace.h"

#include "app/ui/MainWindowLayout.h"
#include "platform/qt/Twips.h"

int MainWindowPlace::dpi() const
{
    const int value = window_.logicalDpiX();
    return value > 0 ? value : 96;
}

void MainWindowPlace::apply(const MainWindowGeometry &geometry)
{
    read_ = geometry;
    const int d = dpi();
    // Until the window is shown its frame is unknown (taken as none); fit corrects the place
    // and size when the frame appears.
    QRect outer = window_.frameGeometry();
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
    placement_.place(window_, outer);
    if (maximised)
        window_.setWindowState(window_.windowState() | Qt::WindowMaximized);
}

std::optional<MainWindowGeometry> MainWindowPlace::toSave() const
{
    if (!everShown_)
        return read_.value_or(MainWindowGeometry{});
    if (window_.isMinimized())
        return std::nullopt;
    const int d = dpi();
    const auto inTwips = [d](int pixels) { return double(twips::fromPixels(pixels, d)); };
    MainWindowGeometry geometry;
    if (window_.isMaximized()) {
        // Saved at the maximised position with its normal size, so it comes back maximised and
        // restores to that size.
        const QSize frame = window_.frameGeometry().size() - window_.size();
        geometry.top = layout::kMaximisedPosition;
        geometry.left = layout::kMaximisedPosition;
        geometry.height = inTwips(window_.normalGeometry().height() + frame.height());
        geometry.width = inTwips(window_.normalGeometry().width() + frame.width());
        return geometry;
    }
    const QRect outer = window_.frameGeometry();
    geometry.top = inTwips(outer.top());
    geometry.left = inTwips(outer.left());
    geometry.height = inTwips(outer.height());
    geometry.width = inTwips(outer.width());
    const QRect &placed = placement_.outer();
    if (read_ && placed.isValid()) {
        // So that nothing drifts by a pixel's rounding from one start to the next.
        const auto keep = [](std::optional<double> &saved, const std::optional<double> &read,
                             bool unchanged) {
            if (read && unchanged)
                saved = read;
        };
        keep(geometry.top, read_->top, outer.top() == placed.top());
        keep(geometry.left, read_->left, outer.left() == placed.left());
        keep(geometry.height, read_->height, outer.height() == placed.height());
        keep(geometry.width, read_->width, outer.width() == placed.width());
    }
    return geometry;
}
