#include "platform/FileListing.h"

#include "platform/CaseLookup.h"
#include "platform/Path.h"
#include "platform/SystemSpecific.h"

#include <QFileInfo>

#include <algorithm>
#include <utility>
#include <vector>

namespace platform {

namespace {

// Case-insensitively by name, exact order breaking ties so the order never depends on the disk.
// The keys are compared as they are folded: a listing makes no key.
void sortByName(QList<DirEntry> &entries)
{
    std::sort(entries.begin(), entries.end(), [](const DirEntry &a, const DirEntry &b) {
        const int byKey = compareCaseKeys(a.name, b.name);
        return byKey != 0 ? byKey < 0 : a.name < b.name;
    });
}

unsigned attributesFromInfo(const QFileInfo &info)
{
    unsigned attributes = 0;
    if (info.isSymLink())
        attributes |= Link;
    else if (info.isDir())
        attributes |= Directory;
    if (!system::ownerWritable(info))
        attributes |= ReadOnly;
    if (info.fileName().startsWith(QLatin1Char('.')))
        attributes |= Hidden;
    return attributes;
}

} // namespace

QList<DirEntry> listDirectory(const QString &dir, bool *ok, ListDetail detail, HiddenEntries hidden)
{
    QList<DirEntry> entries = system::readDirectory(dir, ok, detail, hidden);
    sortByName(entries);
    return entries;
}

unsigned attributesOf(const QString &path, bool *exists)
{
    const QFileInfo info(withoutTrailingSeparator(path));
    const bool present = !path.isEmpty() && (info.exists() || info.isSymLink());
    if (exists)
        *exists = present;
    return present ? attributesFromInfo(info) : 0;
}

bool entryExists(const QString &path)
{
    bool exists = false;
    attributesOf(resolveCase(path), &exists);
    return exists;
}

bool folderExists(const QString &path)
{
    bool exists = false;
    const unsigned attributes = attributesOf(resolveCase(path), &exists);
    return exists && attributes == Directory;
}

bool directoryExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo(withoutTrailingSeparator(resolveCase(path))).isDir();
}

qint64 fileSize(const QString &path)
{
    const QFileInfo info(resolveCase(path));
    return info.isFile() ? info.size() : -1;
}

QDateTime lastModified(const QString &path)
{
    const QFileInfo info(resolveCase(path));
    return info.exists() ? info.lastModified() : QDateTime();
}

} // namespace platform
