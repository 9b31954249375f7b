#include "intake/Store.h"

#include "package/Files.h"
#include "platform/FileSystem.h"

#include <algorithm>
#include <unordered_set>

namespace {

QString folderPath(const QString &parent, const QString &name)
{
    return parent + name + platform::separator();
}

// The names of the entries of a folder that count as folders, in listing order.
QStringList folderNames(const QString &dir)
{
    QStringList names;
    const QList<platform::DirEntry> entries = platform::listDirectory(
        platform::resolveCase(dir), nullptr, platform::ListDetail::FolderTest);
    for (const platform::DirEntry &entry : entries) {
        if (entry.isFolder())
            names.append(entry.name);
    }
    return names;
}

// Every entry of the simulator's aircraft folder, keyed ignoring case: a package is installed
// when any entry matches its name. One listing serves a whole box, however many packages.
std::unordered_set<std::u32string> installedKeys(const FolderLayout &layout)
{
    std::unordered_set<std::u32string> keys;
    const QList<platform::DirEntry> entries =
        platform::listDirectory(layout.aircraftFolder(), nullptr, platform::ListDetail::FolderTest);
    for (const platform::DirEntry &entry : entries)
        keys.insert(platform::caseKey(entry.name));
    return keys;
}

} // namespace

void sortIgnoringCase(QStringList &names)
{
    // Exact order breaks ties so that names differing only in case always come out the same way.
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int folded = QString::compare(a, b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : QString::compare(a, b, Qt::CaseSensitive) < 0;
    });
}

QStringList listCategories(const QString &stowbayDir)
{
    QStringList categories = folderNames(stowbayDir);
    sortIgnoringCase(categories);
    return categories;
}

QStringList packageBoxEntries(const SharedState &state, const QString &category)
{
    const FolderLayout layout(state);
    QStringList entries = folderNames(layout.categoryFolder(category));
    sortIgnoringCase(entries);
    const std::unordered_set<std::u32string> installed = installedKeys(layout);
    for (QString &entry : entries) {
        if (installed.contains(platform::caseKey(entry)))
            entry = withInstalledMarker(entry);
    }
    return entries;
}

bool PackageNameExists(Context &context, const QStringList &categories, const QString &name)
{
    const SharedState &state = context.state;
    bool clash = false;
    for (const QString &category : categories) {
        if (SubfolderExists(folderPath(state.StowbayDir, category), name)) {
            context.messages.inform(QStringLiteral("Package name already exists in ") +
                                    state.StowbayDir + category +
                                    QStringLiteral(".  Please use another name."));
            clash = true;
            break;
        }
    }
    // The simulator folder is checked even after a clash in the store, so both are reported.
    if (SubfolderExists(state.MsfsDir, name)) {
        context.messages.inform(QStringLiteral("Package name already exists in ") + state.MsfsDir +
                                QStringLiteral(".  Please use another name."));
        clash = true;
    }
    return clash;
}
