#include "tools/PackageList.h"

#include "package/FolderLayout.h"
#include "package/ListWindowPlace.h"
#include "platform/CaseLookup.h"
#include "platform/FileListing.h"

#include <chrono>
#include <future>

QStringList packageListRows(const SharedState &state, const QStringList &categories,
                            const std::function<void()> &afterEachCategory)
{
    // A row is marked installed when a folder (not just any entry, as the package boxes take)
    // matches its name; one listing serves the whole list. The simulator's aircraft are listed
    // on a second thread while the store's categories are listed here.
    std::future<std::unordered_set<std::u32string>> installedLater =
        std::async(std::launch::async, [aircraft = FolderLayout(state).aircraftFolder()] {
            return FolderLayout::installedKeysIn(aircraft, InstalledAs::Folder);
        });
    QList<QList<platform::DirEntry>> listings;
    for (const QString &category : categories) {
        // Listing order, not sorted: the list shows a category as the disk gives it.
        listings.append(platform::listDirectory(FolderLayout(state).categoryFolder(category),
                                                nullptr, platform::ListDetail::FolderTest));
        if (afterEachCategory)
            afterEachCategory();
    }
    while (installedLater.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready) {
        if (afterEachCategory)
            afterEachCategory();
    }
    const std::unordered_set<std::u32string> installed = installedLater.get();

    QStringList rows;
    for (qsizetype i = 0; i < categories.size(); ++i) {
        QStringList packages;
        for (const platform::DirEntry &entry : std::as_const(listings[i])) {
            if (!entry.isFolder())
                continue;
            packages.append(installed.contains(platform::caseKey(entry.name))
                                ? withInstalledMarker(entry.name)
                                : entry.name);
        }
        if (packages.isEmpty())
            continue;
        rows << QString() << QStringLiteral(" ### ") + categories[i] << QString();
        rows += packages;
    }
    return rows;
}

void ShowPackageList(Context &context, const QStringList &categories)
{
    PackageListView &window = context.packageList;
    window.setCaption(QStringLiteral("Package List"));
    window.setRows(
        packageListRows(context.state, categories, [&] { context.progress.stillWorking(); }));
    context.progress.stillWorking(); // thousands of rows take a moment to fill the window
    // An open window is only brought up to date: it stays where the user has put it.
    if (window.isShown())
        return;

    window.showAt(rememberedListWindowPlace(context.state));
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
    selection.packageText = FolderLayout(state).isInstalled(name, InstalledAs::Directory)
                                ? withInstalledMarker(name)
                                : name;
    return selection;
}
