#pragma once

#include <QString>

// The folder of the program's pictures and readme.txt: the program's own folder when they lie
// beside it (a build or a portable copy), else the data folder of an installation,
// <prefix>/share/wingstash/ beside <prefix>/bin/. Found relative to the program, so an
// installation works under any prefix. programDir ends with the separator; so does the result.
QString findResourceFolder(const QString &programDir);
