#include "package/FolderLayout.h"

#include "platform/FileSystem.h"

namespace {

QString folder(const QString &path)
{
    return platform::resolveCase(platform::withTrailingSeparator(path));
}

} // namespace

QString FolderLayout::categoryFolder(const QString &category) const
{
    return folder(state_.StowbayDir + category);
}

QString FolderLayout::packageFolder(const QString &category, const QString &name) const
{
    return folder(state_.StowbayDir + category + platform::separator() + name);
}

QString FolderLayout::newPackageEntry(const QString &category, const QString &name) const
{
    return platform::resolveCase(state_.StowbayDir + category + platform::separator() + name);
}

QString FolderLayout::aircraftFolder() const
{
    return folder(state_.MsfsDir + QStringLiteral("aircraft"));
}

QString FolderLayout::gaugesFolder() const
{
    return folder(state_.MsfsDir + QStringLiteral("gauges"));
}

QString FolderLayout::soundFolder() const
{
    return folder(state_.MsfsDir + QStringLiteral("sound"));
}

QString FolderLayout::installedEntry(const QString &name) const
{
    return platform::resolveCase(aircraftFolder() + name);
}

bool FolderLayout::isInstalled(const QString &name) const
{
    return !name.isEmpty() && platform::entryExists(installedEntry(name));
}

std::unordered_set<std::u32string> FolderLayout::installedKeys(bool foldersOnly) const
{
    std::unordered_set<std::u32string> keys;
    if (!foldersOnly) {
        // Any entry counts: the names alone, with no status call for a thousand aircraft.
        for (const QString &name : platform::entryNames(aircraftFolder()))
            keys.insert(platform::caseKey(name));
        return keys;
    }
    const QList<platform::DirEntry> entries =
        platform::listDirectory(aircraftFolder(), nullptr, platform::ListDetail::FolderTest);
    for (const platform::DirEntry &entry : entries) {
        if (entry.isFolder())
            keys.insert(platform::caseKey(entry.name));
    }
    return keys;
}

bool FolderLayout::liesInSimulator(const QString &path) const
{
    return !state_.MsfsDir.isEmpty() && path.startsWith(state_.MsfsDir);
}

QString withInstalledMarker(const QString &name)
{
    return QStringLiteral("< ") + name + QStringLiteral(" >");
}

QString GetPackageName(const QString &boxText)
{
    if (boxText.size() >= 4 && boxText.startsWith(QStringLiteral("< ")) &&
        boxText.endsWith(QStringLiteral(" >")))
        return boxText.mid(2, boxText.size() - 4);
    return boxText;
}
