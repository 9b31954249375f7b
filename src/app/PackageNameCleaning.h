#pragma once

#include <QString>

// The typed package name made safe as a folder name: a double quote becomes an apostrophe and
// each of \ / : ? < > | * becomes a space. Nothing is removed, so the length stays the same.
QString cleanPackageName(const QString &name);
