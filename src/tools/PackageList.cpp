#include "tools/PackageList.h"

#include "intake/Store.h"
#include "platform/FileSystem.h"

#include <QSet>

namespace {

// The lower-case names of the simulator's aircraft folders. The list marks a row installed when
// such a folder matches its name ignoring case (the folder test, stricter than the package
// boxes' any-entry test); listing once keeps a large collection from listing the aircraft
// folder once per package.
QSet<QString> installedFolderNames(const SharedState &state)
{
    QSet<QString> names;
    const QList<platform::DirEntry> entries = platform::listDirectory(
        FolderLayout(state).aircraftFolder(), nullptr, platform::ListDetail::FolderTest);
    for (const platform::DirEntry &entry : entries) {
        if (entry.isFolder())
            names.insert(entry.name.toLower());
    }
    return names;
}

} // namespace

QStringList packageListRows(const SharedState &state, const QStringList &categories)
{
    const QSet<QString> installed = installedFolderNames(state);
    QStringList rows;
    for (const QString &category : categories) {
        QStringList packages;
        // Listing order, not sorted: the list shows a category as the disk gives it.
        const QList<platform::DirEntry> entries =
            platform::listDirectory(FolderLayout(state).categoryFolder(category), nullptr,
                                    platform::ListDetail::FolderTest);
        for (const platform::DirEntry &entry : entries) {
            if (!entry.isFolder())
                continue;
            packages.append(installed.contains(entry.name.toLower())
                                ? withInstalledMarker(entry.name)
                                : entry.name);
        }
        if (packages.isEmpty())
            continue;
        rows << QString() << QStringLiteral(" ### ") + category << QString();
        rows += packages;
    }
    return rows;
}

void ShowPackageList(Context &context, const QStringList &categories)
{
    platform::PackageListView &window = context.packageList;
    window.setCaption(QStringLiteral("Package List"));
    window.setRows(packageListRows(context.state, categories));
    // An open window is only brought up to date: it stays where the user has put it.
    if (window.isShown())
        return;

    const SharedState &state = context.state;
    platform::Geometry place{state.ListTop, state.ListLeft, state.ListHeight, state.ListWidth};
    // Too small a remembered size (a missing setting reads as zero) gets the default size.
    if (place.height < 1000)
        place.height = 4000;
    if (place.width < 2000)
        place.width = 5000;
    window.showAt(place);
}

QString categoryOfPackage(const SharedState &state, const QStringList &categories,
                          const QString &name)
{
    // Every category is searched so that the last one holding the name wins; any entry counts,
    // compared by name only.
    QString found;
    for (const QString &category : categories) {
        const QList<platform::DirEntry> entries =
            platform::listDirectory(FolderLayout(state).categoryFolder(category), nullptr,
                                    platform::ListDetail::FolderTest);
        for (const platform::DirEntry &entry : entries) {
            if (QString::compare(entry.name, name, Qt::CaseInsensitive) == 0) {
                found = category;
                break;
            }
        }
    }
    return found;
}

std::optional<PackageSelection>
selectionForRow(const SharedState &state, const QStringList &categories, const QString &rowText)
{
    // Blank rows and headers (which begin with a space) select nothing.
    if (rowText.isEmpty() || rowText.startsWith(QLatin1Char(' ')))
        return std::nullopt;

    const QString name = GetPackageName(rowText);
    PackageSelection selection;
    selection.category = categoryOfPackage(state, categories, name);
    const QString installedFolder = FolderLayout(state).installedEntry(name);
    selection.packageText =
        platform::directoryExists(installedFolder) ? withInstalledMarker(name) : name;
    return selection;
}
