#include "package/Files.h"

#include "platform/FileSystem.h"

namespace {

bool hasWildcard(const QString &path)
{
    const qsizetype nameStart = path.lastIndexOf(platform::separator()) + 1;
    const QStringView name = QStringView(path).mid(nameStart);
    return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'));
}

} // namespace

QString FileNameOf(const QString &path, bool withParent)
{
    const QChar separator = platform::separator();
    // Start at the second-to-last character so that one trailing separator is stepped over.
    if (path.size() < 2)
        return path;
    const qsizetype last = path.lastIndexOf(separator, path.size() - 2);
    if (!withParent || last <= 0)
        return path.mid(last + 1);
    const qsizetype parent = path.lastIndexOf(separator, last - 1);
    return path.mid(parent + 1);
}

bool SubfolderExists(const QString &root, const QString &name)
{
    const QList<platform::DirEntry> entries =
        platform::listDirectory(platform::resolveCase(platform::withTrailingSeparator(root)));
    for (const platform::DirEntry &entry : entries) {
        if (entry.isFolder() && entry.name.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool IsStagingEmpty(const SharedState &state)
{
    // A folder that cannot be listed holds nothing the program could show or clear.
    return platform::listDirectory(platform::resolveCase(state.StagingDir)).isEmpty();
}

bool RemoveFile(platform::MessageBoxes &messages, const QString &path)
{
    // The path is the one on disk: a file that is gone is not looked for in other letter case,
    // and a name that merely holds "*" or "?" (legal on Linux) is deleted as itself.
    bool exists = false;
    platform::attributesOf(path, &exists);
    const platform::RemoveResult result = !exists && hasWildcard(FileNameOf(path, false))
                                              ? platform::removeFiles(path)
                                              : platform::removeFile(path);
    if (result.ok || result.missing)
        return true;
    messages.inform(QStringLiteral("There was a problem removing file ") + path +
                    QStringLiteral(" - It may be set to READ-ONLY mode (i.e. it is on a CD).  "
                                   "Check the file properties."));
    return false;
}

bool PackageHasFile(const SharedState &state, const QString &name)
{
    const QString wanted = name.toLower();
    for (const PackageFile &file : state.AllFiles) {
        if (FileNameOf(file.path, false).toLower() == wanted)
            return true;
    }
    return false;
}
