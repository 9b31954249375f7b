#pragma once

#include "package/SharedState.h"

#include <QString>
#include <QStringList>

// The two recursive walks. Neither follows a link, and only entries whose attribute set is
// exactly Directory count as folders; everything else listed (links, read-only folders) counts
// as a file. Hidden entries are never seen. Both walk with an explicit stack, so depth is not
// limited by the call stack.

// Every file below root (root ends with the separator), in walk order: the files of a folder
// in listing order first, then the files below each of its sub-folders, depth first. Each
// entry's path is root lower-cased plus the lower-cased rest; realPath is as on disk.
FileList walkFiles(const QString &root);

// The files below root whose lower-cased name equals lowerName, in walk order.
FileList filesNamed(const QString &root, const QString &lowerName);

// Every folder below root at any depth, as real paths without a trailing separator: the
// folders of root first, then for each of them in turn the folders below it, the same way.
// Each folder therefore comes before the folders inside it.
QStringList ListSubDirs(const QString &root);
