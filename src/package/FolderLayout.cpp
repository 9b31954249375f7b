#include "package/FolderLayout.h"

#include "platform/CaseLookup.h"
#include "platform/FileListing.h"
#include "platform/Path.h"

namespace {

QString lookedUp(const platform::Path &path)
{
    return platform::resolveCase(path.toString());
}

QString folder(const platform::Path &path)
{
    return lookedUp(path.asFolder());
}

// The folder a configuration file lives in below its package's folder (empty: the top).
QString configFolderName(ConfigFile file)
{
    switch (file) {
    case ConfigFile::Aircraft:
        return {};
    case ConfigFile::Panel:
    case ConfigFile::OldPanel:
        return aliasKindName(AliasKind::Panel);
    case ConfigFile::Sound:
    case ConfigFile::OldSound:
        return aliasKindName(AliasKind::Sound);
    }
    return {};
}

} // namespace

QString configFileName(ConfigFile file)
{
    switch (file) {
    case ConfigFile::Aircraft:
        return QStringLiteral("aircraft.cfg");
    case ConfigFile::Panel:
        return QStringLiteral("panel.cfg");
    case ConfigFile::OldPanel:
        return QStringLiteral("oldpanel.cfg");
    case ConfigFile::Sound:
        return QStringLiteral("sound.cfg");
    case ConfigFile::OldSound:
        return QStringLiteral("oldsound.cfg");
    }
    return {};
}

QString aliasKindName(AliasKind kind)
{
    return kind == AliasKind::Panel ? QStringLiteral("panel") : QStringLiteral("sound");
}

QString aliasTarget(const QString &package, AliasKind kind)
{
    return package + QLatin1Char('\\') + aliasKindName(kind);
}

QString aliasAsPath(const QString &alias)
{
    QString path = alias;
    path.replace(QLatin1Char('\\'), platform::separator());
    while (path.endsWith(QLatin1Char(' ')))
        path.chop(1);
    return path;
}

QString FolderLayout::stagingFolder() const
{
    return folder(platform::Path(state_.StagingDir));
}

QString FolderLayout::stagingEntry(const QString &name) const
{
    return (platform::Path(state_.StagingDir) / name).toString();
}

QString FolderLayout::stagingFile(const QString &name) const
{
    return lookedUp(platform::Path(state_.StagingDir) / name);
}

QString FolderLayout::categoryFolder(const QString &category) const
{
    return folder(platform::Path(state_.StowbayDir) / category);
}

QString FolderLayout::packageFolder(const QString &category, const QString &name) const
{
    return folder(platform::Path(state_.StowbayDir) / category / name);
}

QString FolderLayout::packageEntry(const QString &category, const QString &name) const
{
    return lookedUp(platform::Path(state_.StowbayDir) / category / name);
}

QString FolderLayout::storedConfigFile(const QString &category, const QString &name,
                                       ConfigFile file) const
{
    const platform::Path package(packageFolder(category, name));
    const QString below = configFolderName(file);
    return lookedUp(below.isEmpty() ? package / configFileName(file)
                                    : package / below / configFileName(file));
}

QString FolderLayout::kindFolder(const QString &packageFolder, ComponentKind kind)
{
    return (platform::Path(packageFolder) / QString::fromLatin1(KindNames.at(kind)))
        .asFolder()
        .toString();
}

QString FolderLayout::aircraftFolder() const
{
    return folder(platform::Path(state_.MsfsDir) / QStringLiteral("aircraft"));
}

QString FolderLayout::gaugesFolder() const
{
    return folder(platform::Path(state_.MsfsDir) / QStringLiteral("gauges"));
}

QString FolderLayout::soundFolder() const
{
    return folder(platform::Path(state_.MsfsDir) / QStringLiteral("sound"));
}

QString FolderLayout::sharedGauge(const QString &name) const
{
    return lookedUp(platform::Path(gaugesFolder()) / name);
}

QString FolderLayout::sharedSound(const QString &name) const
{
    return lookedUp(platform::Path(soundFolder()) / name);
}

QString FolderLayout::installedEntry(const QString &name) const
{
    return lookedUp(platform::Path(aircraftFolder()) / name);
}

bool FolderLayout::isInstalled(const QString &name, InstalledAs as) const
{
    if (name.isEmpty())
        return false;
    const QString entry = installedEntry(name);
    switch (as) {
    case InstalledAs::AnyEntry:
        return platform::entryExists(entry);
    case InstalledAs::Folder:
        return platform::folderExists(entry);
    case InstalledAs::Directory:
        return platform::directoryExists(entry);
    }
    return false;
}

std::unordered_set<std::u32string> FolderLayout::installedKeys(InstalledAs as) const
{
    return installedKeysIn(aircraftFolder(), as);
}

std::unordered_set<std::u32string> FolderLayout::installedKeysIn(const QString &aircraft,
                                                                 InstalledAs as)
{
    std::unordered_set<std::u32string> keys;
    if (as == InstalledAs::AnyEntry) {
        // The names alone, with no status call for a thousand aircraft.
        for (const QString &name : platform::entryNames(aircraft))
            keys.insert(platform::caseKey(name));
        return keys;
    }
    const QList<platform::DirEntry> entries =
        platform::listDirectory(aircraft, nullptr, platform::ListDetail::FolderTest);
    for (const platform::DirEntry &entry : entries) {
        const bool counts = as == InstalledAs::Folder
                                ? entry.isFolder()
                                : (entry.attributes & platform::Directory) != 0 ||
                                      ((entry.attributes & platform::Link) != 0 &&
                                       platform::directoryExists(aircraft + entry.name));
        if (counts)
            keys.insert(platform::caseKey(entry.name));
    }
    return keys;
}

bool FolderLayout::liesInSimulator(const QString &path) const
{
    return !state_.MsfsDir.isEmpty() && path.startsWith(state_.MsfsDir);
}

QString FolderLayout::settingsFile() const
{
    return settingsFileIn(state_.AppDir);
}

QString FolderLayout::settingsFileIn(const QString &folder)
{
    return lookedUp(platform::Path(folder) / QStringLiteral("ws.ini"));
}

QString FolderLayout::readmeFile() const
{
    return readmeFileIn(state_.ResourceDir);
}

QString FolderLayout::readmeFileIn(const QString &folder)
{
    return lookedUp(platform::Path(folder) / QStringLiteral("readme.txt"));
}

QString FolderLayout::picture(ProgramPicture picture) const
{
    const platform::Path resources(state_.ResourceDir);
    switch (picture) {
    case ProgramPicture::StowbayMode:
        return lookedUp(resources / QStringLiteral("stowbayblue.jpg"));
    case ProgramPicture::StagingMode:
        return lookedUp(resources / QStringLiteral("StowbayGrey.jpg"));
    case ProgramPicture::Placeholder:
        return lookedUp(resources / QStringLiteral("StowbayEE.jpg"));
    }
    return {};
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
