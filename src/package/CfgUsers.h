#pragma once

#include "package/Context.h"

#include <QString>
#include <QStringList>

// True when a line of a file named cfgName (lower case) below root contains text, ignoring
// case, or when such a file or a folder below root could not be read: the search guards
// removals, so it reaches every file it can (reachableFilesNamed) and counts what it cannot read
// as a user. With show, every matching file's aircraft folder is listed in the package list
// window and what could not be read is named in a message (unreadableCfgMessage).
bool FindCfgUsers(Context &context, const QString &root, const QString &cfgName,
                  const QString &text, bool show);

// Names the files or folders that could not be read and says that they count as users of the
// package's kind ("panel", "sound"): one path in the sentence, several one per line below it.
QString unreadableCfgMessage(const QStringList &paths, const QString &kind);

// The lines, lower-cased, of every file named cfgName (lower case) below root. Read once, they
// answer many FindCfgUsers-style questions (one per gauge) without rereading the files.
QStringList cfgLinesBelow(const QString &root, const QString &cfgName);

// True when one of the lower-cased lines contains text, ignoring case.
bool anyLineContains(const QStringList &lowerLines, const QString &text);
