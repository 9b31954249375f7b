#pragma once

#include "package/Context.h"

#include <QString>
#include <QStringList>

// True when a line of a file named cfgName (lower case) below root contains text, ignoring
// case. With show, every matching file's aircraft folder is listed in the package list window.
bool FindCfgUsers(Context &context, const QString &root, const QString &cfgName,
                  const QString &text, bool show);

// The lines, lower-cased, of every file named cfgName (lower case) below root. Read once, they
// answer many FindCfgUsers-style questions (one per gauge) without rereading the files.
QStringList cfgLinesBelow(const QString &root, const QString &cfgName);

// True when one of the lower-cased lines contains text, ignoring case.
bool anyLineContains(const QStringList &lowerLines, const QString &text);
