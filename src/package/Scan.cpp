#include "package/Scan.h"

#include "package/AircraftConfig.h"
#include "package/Capacities.h"
#include "package/Classification.h"
#include "package/ComponentLists.h"
#include "package/ConfigReaders.h"
#include "package/Files.h"
#include "package/Walk.h"
#include "platform/CaseLookup.h"
#include "platform/Path.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <numeric>

namespace {

QString overflowMessage()
{
    return QStringLiteral("This package holds more than %1 files.  Wingstash lists only the "
                          "first %1 of a kind and will not copy or remove this package's files "
                          "until it holds fewer.")
        .arg(capacity::kFilesPerList);
}

// The package's files, listed once; the passes run over this listing, which is kept true
// whenever the scan itself deletes files.
struct Listing {
    FileList files;
    QStringList names; // lower-case file name of each entry
    // Positions of the entries by extension, in listing order: a pass tests only the names
    // whose extension it can match, not every file once per pass.
    QHash<QString, QList<qsizetype>> byExtension;

    void reset(NamedFiles walked)
    {
        files = std::move(walked.files);
        names = std::move(walked.names);
        indexExtensions();
    }

    void drop(const FileList &gone)
    {
        if (gone.isEmpty())
            return;
        QSet<QString> goneReal;
        for (const PackageFile &file : gone)
            goneReal.insert(file.realPath);
        for (qsizetype i = files.size() - 1; i >= 0; --i) {
            if (goneReal.contains(files[i].realPath)) {
                files.removeAt(i);
                names.removeAt(i);
            }
        }
        indexExtensions();
    }

    // The positions a pass must test, in listing order.
    QList<qsizetype> candidates(const ClassificationPass &pass) const
    {
        QList<const QList<qsizetype> *> matching;
        for (auto bucket = byExtension.cbegin(); bucket != byExtension.cend(); ++bucket) {
            if (passMayMatchExtension(pass, bucket.key()))
                matching.append(&bucket.value());
        }
        QList<qsizetype> positions;
        if (matching.size() == byExtension.size()) { // every name, as the last group asks
            positions.resize(names.size());
            std::iota(positions.begin(), positions.end(), 0);
            return positions;
        }
        for (const QList<qsizetype> *bucket : matching)
            positions += *bucket;
        if (matching.size() > 1)
            std::sort(positions.begin(), positions.end());
        return positions;
    }

private:
    void indexExtensions()
    {
        byExtension.clear();
        for (qsizetype i = 0; i < names.size(); ++i) {
            const QString &name = names[i];
            const qsizetype dot = name.lastIndexOf(u'.');
            byExtension[dot < 0 ? QString() : name.sliced(dot + 1)].append(i);
        }
    }
};

// The configuration reader that an exact-name match triggers, as the walk meets the file.
void runReader(Context &context, const QString &name, const PackageFile &file)
{
    if (name == QLatin1String("panel.cfg") || name == QLatin1String("oldpanel.cfg"))
        ReadPanelCfg(context.state, file);
    else if (name == QLatin1String("sound.cfg") || name == QLatin1String("oldsound.cfg"))
        ReadSoundCfg(context.state, file);
    else if (name == QLatin1String("aircraft.cfg"))
        CheckAircraftCfg(context, file);
}

// A group's matches, pass by pass. Past the capacity, one file more than a list holds is
// enough to know the list is incomplete; only the passes whose matches are read still run.
FileList runGroup(Context &context, const ClassificationGroup &group, const Listing &listing)
{
    FileList found;
    for (const ClassificationPass &pass : group.passes) {
        const bool reads = pass.mode == PassMode::ExactName;
        for (const qsizetype i : listing.candidates(pass)) {
            const bool full = found.size() > capacity::kFilesPerList;
            if (full && !reads)
                break;
            if (!matchesPass(pass, listing.names[i], context.state))
                continue;
            if (!full)
                found.append(listing.files[i]);
            if (reads)
                runReader(context, listing.names[i], listing.files[i]);
        }
    }
    return found;
}

// Past the capacity of a list the scan keeps the first files and marks the result incomplete,
// so that no action copies or deletes part of the package.
void limitToCapacity(Context &context, FileList &found)
{
    if (found.size() <= capacity::kFilesPerList)
        return;
    found.resize(capacity::kFilesPerList);
    context.state.ScanOverflow = true;
}

// After the configuration choice has emptied folders: lists already built must not name
// files that are gone.
void dropVanished(FileList &list, const Listing &listing)
{
    QSet<QString> present;
    for (const PackageFile &file : listing.files)
        present.insert(file.realPath);
    list.removeIf([&](const PackageFile &file) { return !present.contains(file.realPath); });
}

void chooseConfigurationIfMany(Context &context, const FileList &aircraftMatches, Listing &listing,
                               const QString &dir)
{
    SharedState &state = context.state;
    if (state.InStowbayMode || state.AircraftTitle != QLatin1String("MULTI"))
        return;
    for (const PackageFile &file : aircraftMatches) {
        if (FileNameOf(file.path, false) != QLatin1String("aircraft.cfg"))
            continue;
        if (ChooseConfiguration(context, file)) {
            listing.reset(walkNamedFiles(dir));
            dropVanished(state.ComponentFiles[Images], listing);
            dropVanished(state.ComponentFiles[Aircraft], listing);
        }
        return;
    }
}

void showImages(Context &context)
{
    SharedState &state = context.state;
    const FileList &images = state.ComponentFiles[Images];
    state.CurrentImage = 0;
    if (!images.isEmpty()) {
        state.CurrentImage = 1;
        context.view.showPicture(images.first().realPath);
    }
    context.view.setPagingEnabled(images.size() >= 2);
    context.view.setTabAvailable(Images, state.CurrentImage != 0);
}

void showComponentLists(Context &context)
{
    for (int kind = Aircraft; kind < kKindCount; ++kind) {
        QStringList rows;
        for (const PackageFile &file : context.state.ComponentFiles[kind])
            rows.append(FileNameOf(file.path, false));
        context.view.setTabAvailable(kind, !rows.isEmpty());
        context.view.setRows(kind, rows);
    }
}

} // namespace

void ClearPackageView(Context &context)
{
    SharedState &state = context.state;
    for (FileList &list : state.ComponentFiles)
        list.clear();
    state.AllFiles.clear();
    state.PanelBitmaps.clear();
    state.AircraftCfgLines.clear();
    state.AircraftCfgLineCount = -1;
    state.ScanOverflow = false;
    context.view.showPlaceholderPicture();
    for (int kind = Aircraft; kind < kKindCount; ++kind)
        context.view.setRows(kind, {});
    for (int kind = Aircraft; kind < kKindCount; ++kind)
        context.view.setTabAvailable(kind, false);
    context.view.setTabAvailable(Images, false);
}

void ScanPackage(Context &context, const QString &dir)
{
    SharedState &state = context.state;
    ClearPackageView(context);
    const QString top = platform::resolveCase(platform::withTrailingSeparator(dir));
    Listing listing;
    listing.reset(walkNamedFiles(top, [&] { context.progress.stillWorking(); }));

    for (const ClassificationGroup &group : classificationGroups()) {
        if (group.kind == Panel)
            state.PanelAlias.clear();
        if (group.kind == Sound)
            state.SoundAlias.clear();
        context.progress.stillWorking();
        FileList found = runGroup(context, group, listing);
        limitToCapacity(context, found);
        const FileList deleted = BuildComponentList(context, group.kind, found);
        listing.drop(deleted);
        if (group.kind == UnrecognizedFiles) {
            // Every file, less the duplicates just deleted: later actions must not count them.
            state.AllFiles = found;
            if (!deleted.isEmpty())
                dropVanished(state.AllFiles, listing);
        }
        if (group.kind == Aircraft)
            chooseConfigurationIfMany(context, found, listing, top);
    }

    showImages(context);
    showComponentLists(context);
    if (state.ScanOverflow)
        context.messages.inform(overflowMessage());
    UpdateCaption(context);
}

void UpdateCaption(Context &context)
{
    context.view.setCaption(IsStagingEmpty(context.state)
                                ? QStringLiteral("Wingstash")
                                : QStringLiteral("Wingstash (Staging Contains Files)"));
}
