#pragma once

#include "package/ComponentKind.h"
#include "package/Context.h"

// Fills ComponentFiles[kind] from one group's matches: sorted by file name, then by path; of
// two files with one name the user keeps one and the other is deleted at once. For the
// Unrecognized Files kind only names no other kind claims are kept; for Panel and Sound the
// alias captions are set. Returns the files it deleted, so the scan's listing stays true.
FileList BuildComponentList(Context &context, ComponentKind kind, const FileList &found);
