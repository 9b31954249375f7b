#include "app/ComponentViewer.h"

#include "package/Capacities.h"

#include <algorithm>

int ComponentViewer::pictureCount() const
{
    // A list never holds more pictures than the capacity, whatever it was given.
    return std::min(int(state_.ComponentFiles.at(Images).size()), capacity::kFilesPerList);
}

std::optional<QString> ComponentViewer::makeCurrent(int picture)
{
    state_.CurrentImage = picture;
    return state_.ComponentFiles.at(Images).at(picture - 1).realPath;
}

std::optional<QString> ComponentViewer::nextPicture()
{
    const int current = state_.CurrentImage;
    const int pictures = pictureCount();
    if (current <= 0 || current > pictures)
        return std::nullopt;
    return makeCurrent(current < pictures ? current + 1 : 1);
}

std::optional<QString> ComponentViewer::previousPicture()
{
    const int current = state_.CurrentImage;
    const int pictures = pictureCount();
    if (current <= 0 || current > pictures)
        return std::nullopt;
    return makeCurrent(current >= 2 ? current - 1 : pictures);
}

void ComponentViewer::openRow(int kind, int row, const QString &rowText)
{
    const FileList &files = state_.ComponentFiles.at(kind);
    if (row < 0 || row >= files.size())
        return;
    const QString ending = rowText.right(4);
    if (ending == QLatin1String(".txt") || ending == QLatin1String(".cfg") ||
        ending == QLatin1String(".doc") || ending == QLatin1String(".diz"))
        launcher_.openTextFile(files.at(row).realPath);
}
