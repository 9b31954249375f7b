#include "package/Store.h"

#include "package/Files.h"
#include "platform/CaseLookup.h"
#include "platform/FileListing.h"

#include <algorithm>

namespace {

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
    // Any entry of that name counts, as for installing a single package.
    const std::unordered_set<std::u32string> installed =
        layout.installedKeys(InstalledAs::AnyEntry);
    for (QString &entry : entries) {
        if (installed.contains(platform::caseKey(entry)))
            entry = withInstalledMarker(entry);
    }
    return entries;
}

bool PackageNameExists(Context &context, const QStringList &categories, const QString &name)
{
    const SharedState &state = context.state;
    const FolderLayout layout(state);
    bool clash = false;
    for (const QString &category : categories) {
        if (SubfolderExists(layout.categoryFolder(category), name)) {
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
