#include "app/ui/PictureReadAhead.h"

void PictureReadAhead::start(const QString &path)
{
    path_ = path;
    pending_ = std::async(std::launch::async, [path] { return QImage(path); });
}

QImage PictureReadAhead::take(const QString &path)
{
    if (pending_.valid() && path == path_)
        return pending_.get();
    return QImage(path);
}
