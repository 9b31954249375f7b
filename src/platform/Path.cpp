#include "platform/Path.h"

#include <QDir>

namespace platform {

QChar separator()
{
    return QDir::separator();
}

bool isSeparator(QChar c)
{
    return c == QLatin1Char('/') || c == separator();
}

QString withTrailingSeparator(const QString &path)
{
    if (path.isEmpty() || isSeparator(path.back()))
        return path;
    return path + separator();
}

// Qt reads "dir/" as the directory itself only for some calls; stripping it asks about the entry.
QString withoutTrailingSeparator(const QString &path)
{
    QString result = path;
    while (result.size() > 1 && isSeparator(result.back()))
        result.chop(1);
    return result;
}

Path::Path(const QString &path)
    : entry_(withoutTrailingSeparator(path)), folder_(!path.isEmpty() && isSeparator(path.back()))
{
}

Path Path::operator/(const QString &names) const
{
    QString joined = names;
    joined.replace(QLatin1Char('/'), separator());
    return Path(withTrailingSeparator(entry_) + joined);
}

Path Path::asFolder() const
{
    Path folder = *this;
    folder.folder_ = true;
    return folder;
}

Path Path::asEntry() const
{
    Path entry = *this;
    entry.folder_ = false;
    return entry;
}

QString Path::toString() const
{
    return folder_ ? withTrailingSeparator(entry_) : entry_;
}

} // namespace platform
