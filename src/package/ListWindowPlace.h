#pragma once

#include "package/PackageListView.h"
#include "package/SharedState.h"

// Where the package list window opens: as ws.ini remembers it, with the default size for a
// remembered one too small to use (a missing setting reads as zero). Twips.
WindowGeometry rememberedListWindowPlace(const SharedState &state);
