#include "package/ComponentLists.h"

#include "package/Classification.h"
#include "package/DeletionPlan.h"
#include "package/DuplicateQuestion.h"
#include "package/Files.h"
#include "package/LocationSafety.h"
#include "platform/CaseLookup.h"

#include <algorithm>
#include <vector>

namespace {

struct WorkEntry {
    QString name; // lower-case file name
    PackageFile file;
};

bool sortsBefore(const WorkEntry &a, const WorkEntry &b)
{
    // Ordered as comparing the names ignoring case does; no key is made per file.
    if (const int byName = platform::compareCaseKeys(a.name, b.name); byName != 0)
        return byName < 0;
    if (const int byPath = a.file.path.compare(b.file.path, Qt::CaseInsensitive); byPath != 0)
        return byPath < 0;
    // Only on a case-sensitive disk: keep the order fixed for names differing only in case.
    return a.file.realPath < b.file.realPath;
}

std::vector<WorkEntry> sortedWorkList(ComponentKind kind, const FileList &found)
{
    std::vector<WorkEntry> work;
    work.reserve(found.size());
    for (const PackageFile &file : found) {
        if (kind == UnrecognizedFiles && hasKnownEnding(file.path))
            continue;
        work.push_back({FileNameOf(file.path, false), file});
    }
    std::sort(work.begin(), work.end(), sortsBefore);
    return work;
}

void showAliasCaptions(Context &context, ComponentKind kind)
{
    if (kind == Panel) {
        const QString &alias = context.state.PanelAlias;
        context.view.setPanelAliasCaptions(
            alias.isEmpty() ? QString() : QStringLiteral("Panel Alias:"), alias);
    } else if (kind == Sound) {
        const QString &alias = context.state.SoundAlias;
        context.view.setSoundAliasCaptions(
            alias.isEmpty() ? QString() : QStringLiteral("Sound Alias:"), alias);
    }
}

} // namespace

FileList BuildComponentList(Context &context, ComponentKind kind, const FileList &found)
{
    std::vector<WorkEntry> work = sortedWorkList(kind, found);
    // The scan reads Staging in Staging mode and a stored package in Stowbay mode.
    const SharedState &state = context.state;
    const QString &location = state.InStowbayMode ? state.StowbayDir : state.StagingDir;
    const RemovalArea scanned(location);
    FileList deleted;
    // From the end, so that the file kept from a pair is compared next with the one before it.
    const bool locationsApart = work.size() < 2 || locationsClash(context.state).isEmpty();
    for (std::size_t j = work.size() > 0 ? work.size() - 1 : 0; j >= 1; --j) {
        const WorkEntry &first = work[j - 1];
        const WorkEntry &second = work[j];
        if (first.name != second.name)
            continue;
        // Yes keeps the first file and deletes the second; No deletes the first.
        DeletionPlan yesDeletes(location);
        if (locationsApart)
            yesDeletes.add(scanned, second.file.realPath);
        const bool keepFirst = context.messages.confirmYes(
            duplicateQuestion(first.file, second.file), deletionDetails({yesDeletes}));
        const PackageFile rejected = keepFirst ? second.file : first.file;
        if (!keepFirst)
            work[j - 1] = std::move(work[j]);
        work.erase(work.begin() + static_cast<std::ptrdiff_t>(j));
        // A file that cannot be deleted leaves the list all the same, but stays in the listing;
        // so does one while the locations clash, when nothing may be deleted.
        if (locationsApart &&
            RemoveFile(context.messages, scanned, rejected.realPath, Disposal::Trash))
            deleted.append(rejected);
    }

    FileList &list = context.state.ComponentFiles[kind];
    list.clear();
    list.reserve(static_cast<qsizetype>(work.size()));
    for (WorkEntry &entry : work)
        list.append(std::move(entry.file));
    showAliasCaptions(context, kind);
    return deleted;
}
