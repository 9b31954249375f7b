#pragma once

#include "package/SharedState.h"

#include <QString>
#include <QStringList>

#include <functional>

// The two recursive walks that list a package's files. Neither follows a link, and only entries
// whose attribute set is exactly Directory count as folders; everything else listed (links,
// read-only folders) counts as a file. Hidden entries are never seen. Both walk with an explicit
// stack, so depth is not limited by the call stack.

// Every file below root (root ends with the separator), in walk order: the files of a folder
// in listing order first, then the files below each of its sub-folders, depth first. Each
// entry's path is root lower-cased plus the lower-cased rest; realPath is as on disk.
// afterEachFolder, when given, runs after each folder is listed.
FileList walkFiles(const QString &root, const std::function<void()> &afterEachFolder = {});

// The same walk with each file's lower-case name beside it: names[i] is the name of files[i].
struct NamedFiles {
    FileList files;
    QStringList names;
};
NamedFiles walkNamedFiles(const QString &root, const std::function<void()> &afterEachFolder = {});

// The files below root whose lower-cased name equals lowerName, in walk order.
FileList filesNamed(const QString &root, const QString &lowerName);

// Every folder below root at any depth, as real paths without a trailing separator: the
// folders of root first, then for each of them in turn the folders below it, the same way.
// Each folder therefore comes before the folders inside it.
QStringList ListSubDirs(const QString &root);

// What a search that decides whether something may be deleted could reach.
struct ReachableFiles {
    FileList files;         // in walk order; realPath is the path through which it was reached
    QStringList unreadable; // folders that could not be listed, without a trailing separator
};

// The files below root whose lower-cased name equals lowerName, for searches that decide
// whether something may be deleted: unlike the walks above it enters every folder it can reach,
// read-only and hidden ones too, and follows links to folders (only to read), taking each folder
// once by its identity on disk, so a loop of links ends. A link of that name that leads nowhere
// is listed, so reading it fails. Whoever reads the files adds those that cannot be read.
// afterEachFolder, when given, runs after each folder is listed.
ReachableFiles reachableFilesNamed(const QString &root, const QString &lowerName,
                                   const std::function<void()> &afterEachFolder = {});
