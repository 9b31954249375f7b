#include "app/ui/MainWindowLayout.h"

#include <cmath>

namespace layout {

int toPixels(double twips, int dpi)
{
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

int toTwips(int pixels, int dpi)
{
    return dpi > 0 ? static_cast<int>(std::lround(pixels * 1440.0 / dpi)) : 0;
}

QRect toPixels(const Twips &rect, int dpi)
{
    return {toPixels(rect.left, dpi), toPixels(rect.top, dpi), toPixels(rect.width, dpi),
            toPixels(rect.height, dpi)};
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
