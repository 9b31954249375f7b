#include "app/ui/ComponentViewer.h"

#include "package/Capacities.h"

#include <algorithm>

namespace viewer {

namespace {
// A list never holds more pictures than the capacity, whatever it was given.
int usableCount(int count)
{
    return std::min(count, capacity::kFilesPerList);
}
} // namespace

int nextImageIndex(int current, int count)
{
    const int pictures = usableCount(count);
    if (current <= 0 || current > pictures)
        return 0;
    return current < pictures ? current + 1 : 1;
}

int previousImageIndex(int current, int count)
{
    const int pictures = usableCount(count);
    if (current <= 0 || current > pictures)
        return 0;
    return current >= 2 ? current - 1 : pictures;
}

bool opensInTextEditor(const QString &rowText)
{
    const QString ending = rowText.right(4);
    return ending == QLatin1String(".txt") || ending == QLatin1String(".cfg") ||
           ending == QLatin1String(".doc") || ending == QLatin1String(".diz");
}

} // namespace viewer
