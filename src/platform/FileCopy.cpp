#include "platform/FileCopy.h"

#include "platform/CaseLookup.h"
#include "platform/SystemSpecific.h"

namespace platform {

Result copyFile(const QString &source, const QString &destination, PathLookup lookup)
{
    const bool asGiven = lookup == PathLookup::AsGiven;
    return system::copyFound(asGiven ? source : resolveCase(source),
                             asGiven ? destination : resolveCase(destination));
}

} // namespace platform
