#pragma once

#include "package/Context.h"

#include <QString>

// Unpacks a downloaded add-on archive into the Staging folder. Staging must be empty first: when
// it is not, the user chooses between clearing it and cancelling. An archive that holds nothing
// but another archive offers to unpack that one too, which then replaces it. Every refusal and
// failure is reported and leaves Staging as it was. True when Staging changed.
bool UnpackIntoStaging(Context &context, const QString &archivePath);
