#include "platform/FileRemoval.h"

#include "platform/ActivityLog.h"
#include "platform/CaseLookup.h"
#include "platform/FaultInjection.h"
#include "platform/FileListing.h"
#include "platform/Path.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <vector>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform {

namespace {

// Every entry of a tree, each folder before what it holds; links are not entered. ok is false
// (with the folder in unlisted) when a folder cannot be listed.
struct TreeEntries {
    QStringList paths;
    std::vector<unsigned> attributes;
    QString unlisted;
};

TreeEntries entriesOf(const QString &top, unsigned topAttributes)
{
    TreeEntries tree;
    tree.paths.append(top);
    tree.attributes.push_back(topAttributes);
    for (qsizetype i = 0; i < tree.paths.size(); ++i) {
        if ((tree.attributes[std::size_t(i)] & (Directory | Link)) != Directory)
            continue;
        bool ok = false;
        const QString folder = tree.paths[i] + separator();
        const QList<DirEntry> entries =
            listDirectory(folder, &ok, ListDetail::Full, HiddenEntries::Include);
        if (!ok) {
            tree.unlisted = tree.paths[i];
            return tree;
        }
        for (const DirEntry &entry : entries) {
            tree.paths.append(folder + entry.name);
            tree.attributes.push_back(entry.attributes);
        }
    }
    return tree;
}

#ifdef Q_OS_UNIX

QString reasonFor(int error)
{
    switch (error) {
    case EROFS:
        return QStringLiteral("it lies on a disk that is read-only");
    case EPERM:
        return QStringLiteral("the system protects it from changes");
    case EACCES:
        return QStringLiteral("Wingstash is not allowed to change it");
    case ENOENT:
        // Listed, yet not found by its name: bytes that are no text in this system's encoding.
        return QStringLiteral("its name holds characters Wingstash cannot spell");
    default:
        return qt_error_string(error);
    }
}

// Write access to the entry itself: what a delete inside a folder, or of a protected file,
// needs. Permission bits alone do not stop the owner deleting a file, so for files only the
// system's own refusals count.
std::optional<QString> writeRefusal(const QString &path, bool isFolder)
{
    const int mode = isFolder ? W_OK | X_OK : W_OK;
    if (::access(QFile::encodeName(path).constData(), mode) == 0)
        return std::nullopt;
    const int error = errno;
    if (!isFolder && error == EACCES)
        return std::nullopt;
    return reasonFor(error);
}

#else

std::optional<QString> writeRefusal(const QString &path, bool isFolder)
{
    const QFileInfo info(path);
    if (isFolder || info.isWritable())
        return std::nullopt;
    return QStringLiteral("Wingstash is not allowed to change it");
}

#endif

} // namespace

std::optional<RemovalObstacle> removalObstacle(const QString &path)
{
    const QString top = withoutTrailingSeparator(path);
    bool exists = false;
    const unsigned topAttributes = attributesOf(top, &exists);
    if (!exists)
        return std::nullopt;
    const QString parent = QFileInfo(top).path();
    if (const std::optional<QString> refused = writeRefusal(parent, true))
        return RemovalObstacle{parent, *refused};

    const TreeEntries tree = entriesOf(top, topAttributes);
    if (!tree.unlisted.isEmpty())
        return RemovalObstacle{tree.unlisted, QStringLiteral("its contents cannot be read")};
    for (qsizetype i = 0; i < tree.paths.size(); ++i) {
        const unsigned attributes = tree.attributes[std::size_t(i)];
        if (attributes & Link) {
            // Removing a link needs only its folder, checked with that folder; but it must be
            // found by the name it was listed under.
            bool found = false;
            attributesOf(tree.paths[i], &found);
            if (!found)
                return RemovalObstacle{tree.paths[i],
                                       QStringLiteral("its name holds characters Wingstash "
                                                      "cannot spell")};
            continue;
        }
        const bool isFolder = (attributes & Directory) != 0;
        if (!isFolder && (attributes & ReadOnly))
            return RemovalObstacle{tree.paths[i], QStringLiteral("it is read-only")};
        if (const std::optional<QString> refused = writeRefusal(tree.paths[i], isFolder))
            return RemovalObstacle{tree.paths[i], *refused};
    }
    return std::nullopt;
}

Result removeTree(const QString &path)
{
    const QString top = withoutTrailingSeparator(path);
    bool exists = false;
    const unsigned topAttributes = attributesOf(top, &exists);
    if (!exists)
        return {};
    const TreeEntries tree = entriesOf(top, topAttributes);
    if (!tree.unlisted.isEmpty())
        return {false, kAccessDenied};
    // Each folder comes before what it holds, so from the end inner entries go first.
    for (qsizetype i = tree.paths.size() - 1; i >= 0; --i) {
        const unsigned attributes = tree.attributes[std::size_t(i)];
        const bool isFolder = (attributes & (Directory | Link)) == Directory;
        if (!isFolder && !(attributes & Link) && (attributes & ReadOnly))
            return {false, kAccessDenied};
        if (const int error = faults::inject(faults::Call::Remove))
            return {false, qt_error_string(error)};
        const QString &entry = tree.paths[i];
        const bool removed = isFolder ? QDir().rmdir(entry) : QFile::remove(entry);
        if (!removed)
            return {false, qt_error_string()};
        noteChange(Change::Deleted, entry);
    }
    return {};
}

RemoveResult removeFile(const QString &path)
{
    const QString real = resolveCase(withoutTrailingSeparator(path));
    bool exists = false;
    const unsigned attributes = attributesOf(real, &exists);
    if (!exists)
        return {true, true, {}};
    if (attributes & (ReadOnly | Directory))
        return {false, false, kAccessDenied};
    if (const int error = faults::inject(faults::Call::Remove))
        return {false, false, qt_error_string(error)};
    QFile file(real);
    if (!file.remove()) // unlinks a link itself, never its target
        return {false, false, file.errorString()};
    noteChange(Change::Deleted, real);
    return {};
}

} // namespace platform
