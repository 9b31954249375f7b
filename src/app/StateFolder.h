#pragma once

#include <QString>

// The program's own state folder, where copies keep their records until they have ended, with
// the separator: $XDG_STATE_HOME/Wingstash (~/.local/state/Wingstash when that is not set) on
// Linux, the application's local data folder elsewhere. Created when missing; a folder that
// cannot be made shows when a copy tries to write its record there.
QString stateFolder();
