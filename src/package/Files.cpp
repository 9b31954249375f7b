#include "package/Files.h"

#include "platform/CaseLookup.h"
#include "platform/FileListing.h"
#include "platform/Path.h"

namespace {

bool isSeparator(QChar c, QChar separator)
{
    return c == separator || c == QLatin1Char('/');
}

// The last separator at or before from, or -1.
qsizetype lastSeparator(const QString &path, qsizetype from, QChar separator)
{
    for (qsizetype i = from; i >= 0; --i) {
        if (isSeparator(path[i], separator))
            return i;
    }
    return -1;
}

// "\\server\share\": the length up to and including the separator after the share (the whole
// path when there is none), or 0 when the server or the share is missing.
qsizetype uncRootLength(const QString &path, QChar separator)
{
    const qsizetype serverEnd = path.indexOf(separator, 2);
    if (serverEnd <= 2)
        return 0;
    qsizetype shareEnd = path.indexOf(separator, serverEnd + 1);
    if (shareEnd < 0)
        shareEnd = path.size();
    return shareEnd == serverEnd + 1 ? 0 : qMin(shareEnd + 1, path.size());
}

} // namespace

qsizetype rootLength(const QString &path, QChar separator)
{
    if (path.isEmpty())
        return 0;
    if (separator == QLatin1Char('/'))
        return path.front() == separator ? 1 : 0;
    if (path.size() >= 3 && path[0].isLetter() && path[1] == QLatin1Char(':') &&
        isSeparator(path[2], separator))
        return 3;
    if (path.size() >= 2 && isSeparator(path[0], separator) && isSeparator(path[1], separator))
        return uncRootLength(QString(path).replace(QLatin1Char('/'), separator), separator);
    return 0;
}

QString FileNameOf(const QString &path, bool withParent, QChar separator)
{
    // Start at the second-to-last character so that one trailing separator is stepped over.
    if (path.size() < 2)
        return path;
    const qsizetype last = lastSeparator(path, path.size() - 2, separator);
    if (!withParent || last <= 0)
        return path.mid(last + 1);
    const qsizetype parent = lastSeparator(path, last - 1, separator);
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

bool RemoveFile(platform::MessageBoxes &messages, const RemovalArea &area, const QString &path,
                Disposal disposal)
{
    // The path is taken exactly as written. A stale list must not make a look-up ignoring case
    // delete a sibling the user never saw, and a name holding "*" or "?" (legal on Linux) names
    // that one file, never the files it would match as a pattern.
    bool exists = false;
    const unsigned attributes = platform::attributesOf(path, &exists);
    if (!exists)
        return true;
    RemovalOutcome outcome{RemovalOutcome::Failed, {}};
    // A folder is never one listed file: deleting it is refused, as Windows refuses it.
    if ((attributes & (platform::Directory | platform::Link)) != platform::Directory)
        outcome = removeWithin(messages, area, path, disposal);
    if (outcome.done())
        return true;
    if (outcome.kind != RemovalOutcome::Refused)
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
