#pragma once

#include "package/Context.h"

#include <QString>

// True when a line of a file named cfgName (lower case) below root contains text, ignoring
// case. With show, every matching file's aircraft folder is listed in the package list window.
bool FindCfgUsers(Context &context, const QString &root, const QString &cfgName,
                  const QString &text, bool show);
