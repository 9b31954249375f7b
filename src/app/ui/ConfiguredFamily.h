#pragma once

#include <QString>

// The family to give a QFont for `family` in bold, naming the very face the system's font
// configuration draws for it. Where the system lacks the family, Qt's own search takes the first
// copy of the stand-in it registered, whatever its format: with a face installed both as Type 1
// and as OpenType, that can be the Type 1 file, several times slower to open, where fontconfig
// picks the OpenType one. Naming the foundry as well ("Nimbus Sans [UKWN]") gives Qt that copy.
// Without fontconfig, or where Qt knows no such face, `family` as given.
QString configuredBoldFamily(const QString &family);
