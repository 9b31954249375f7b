#include "package/Walk.h"

#include "package/TwoThreadWalk.h"
#include "platform/CaseLookup.h"
#include "platform/FileListing.h"
#include "platform/Path.h"
#include "platform/PathIdentity.h"

#include <QFileInfo>

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

FileList walkFiles(const QString &root, const std::function<void()> &afterEachFolder)
{
    return walkNamedFiles(root, afterEachFolder).files;
}

NamedFiles walkNamedFiles(const QString &root, const std::function<void()> &afterEachFolder)
{
    const QString top = platform::withTrailingSeparator(root);
    return walkOnTwoThreads({platform::resolveCase(top), top.toLower()}, afterEachFolder);
}

FileList filesNamed(const QString &root, const QString &lowerName)
{
    FileList named;
    const QChar separator = platform::separator();
    for (const PackageFile &file : walkFiles(root)) {
        const qsizetype nameStart = file.path.lastIndexOf(separator) + 1;
        if (QStringView(file.path).mid(nameStart) == lowerName)
            named.append(file);
    }
    return named;
}

QStringList ListSubDirs(const QString &root)
{
    const QChar separator = platform::separator();
    QStringList folders;
    std::vector<PendingFolder> stack{
        {platform::resolveCase(platform::withTrailingSeparator(root)), {}}};
    std::vector<PendingFolder> subfolders;
    while (!stack.empty()) {
        const PendingFolder folder = std::move(stack.back());
        stack.pop_back();
        for (const platform::DirEntry &entry :
             platform::listDirectory(folder.real, nullptr, platform::ListDetail::FolderTest)) {
            if (!entry.isFolder())
                continue;
            folders.append(folder.real + entry.name);
            subfolders.push_back({folder.real + entry.name + separator, {}});
        }
        pushInListingOrder(stack, subfolders);
    }
    return folders;
}

ReachableFiles reachableFilesNamed(const QString &root, const QString &lowerName,
                                   const std::function<void()> &afterEachFolder)
{
    const QChar separator = platform::separator();
    const QString top = platform::withTrailingSeparator(root);
    ReachableFiles reached;
    std::set<std::pair<quint64, quint64>> entered;
    std::vector<PendingFolder> stack{{platform::resolveCase(top), top.toLower()}};
    std::vector<PendingFolder> subfolders;
    while (!stack.empty()) {
        const PendingFolder folder = std::move(stack.back());
        stack.pop_back();
        if (const std::optional<platform::FileId> id = platform::fileIdOf(folder.real);
            id && !entered.insert({id->device, id->inode}).second)
            continue;
        bool listed = false;
        const QList<platform::DirEntry> entries = platform::listDirectory(
            folder.real, &listed, platform::ListDetail::Kinds, platform::HiddenEntries::Include);
        if (!listed) {
            reached.unreadable.append(folder.real.chopped(1));
            continue;
        }
        for (const platform::DirEntry &entry : entries) {
            const QString real = folder.real + entry.name;
            const QString lower = entry.name.toLower();
            const bool isFolder = (entry.attributes & platform::Directory) != 0 ||
                                  ((entry.attributes & platform::Link) && QFileInfo(real).isDir());
            if (isFolder)
                subfolders.push_back({real + separator, folder.lower + lower + separator});
            else if (lower == lowerName)
                reached.files.append({folder.lower + lower, real});
        }
        pushInListingOrder(stack, subfolders);
        if (afterEachFolder)
            afterEachFolder();
    }
    return reached;
}
