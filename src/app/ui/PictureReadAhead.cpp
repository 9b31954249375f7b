#include "app/ui/PictureReadAhead.h"

PictureReadAhead::PictureReadAhead(const QStringList &paths)
{
    pending_.reserve(std::size_t(paths.size()));
    for (const QString &path : paths) {
        Pending &entry = pending_.emplace_back();
        entry.path = path;
        entry.taken = entry.read.get_future();
    }
    worker_ = std::jthread([this] {
        for (Pending &entry : pending_)
            entry.read.set_value(QImage(entry.path));
    });
}

QImage PictureReadAhead::take(const QString &path)
{
    for (Pending &entry : pending_) {
        if (entry.path == path && entry.taken.valid())
            return entry.taken.get();
    }
    return QImage(path);
}
