#include "platform/FileCopy.h"

#include "platform/ActivityLog.h"
#include "platform/CaseLookup.h"
#include "platform/FileListing.h"
#include "platform/SystemSpecific.h"

namespace platform {

Result copyFile(const QString &source, const QString &destination, PathLookup lookup)
{
    const bool asGiven = lookup == PathLookup::AsGiven;
    const QString target = asGiven ? destination : resolveCase(destination);
    const bool replacing = recordingChanges() && entryExists(target);
    const Result copied = system::copyFound(asGiven ? source : resolveCase(source), target);
    if (copied.ok)
        noteChange(replacing ? Change::Replaced : Change::Created, target);
    return copied;
}

} // namespace platform
