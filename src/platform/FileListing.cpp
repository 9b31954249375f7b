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
void sortByName(QList<DirEntry> &entries)
{
    std::vector<std::pair<std::u32string, DirEntry>> keyed;
    keyed.reserve(std::size_t(entries.size()));
    for (DirEntry &entry : entries)
        keyed.emplace_back(caseKey(entry.name), std::move(entry));
    std::sort(keyed.begin(), keyed.end(), [](const auto &a, const auto &b) {
        if (a.first != b.first)
            return a.first < b.first;
        return a.second.name < b.second.name;
    });
    entries.clear();
    for (auto &[key, entry] : keyed)
        entries.append(std::move(entry));
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
