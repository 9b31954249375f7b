#include "app/ui/MainWindowLayout.h"

#include "platform/qt/Twips.h"

#include <cmath>

namespace layout {

QRect toPixels(const Twips &rect, int dpi)
{
    return {twips::toPixels(rect.left, dpi), twips::toPixels(rect.top, dpi),
            twips::toPixels(rect.width, dpi), twips::toPixels(rect.height, dpi)};
}

ComponentAreaSizes sizeComponentArea(ComponentAreaSizes sizes, int height, int width)
{
    if (height > 3000)
        sizes.tabHeight = height - 3000;
    if (width > 400)
        sizes.tabWidth = width - 400;
    if (sizes.tabHeight > 1300)
        sizes.imageHeight = sizes.tabHeight - 1300;
    if (sizes.tabWidth - 1300 >= 0)
        sizes.imageWidth = sizes.tabWidth - 1300;
    if (height > 4200)
        sizes.listHeight = height - 4200;
    if (width > 1200)
        sizes.listWidth = width - 1200;
    return sizes;
}

} // namespace layout
