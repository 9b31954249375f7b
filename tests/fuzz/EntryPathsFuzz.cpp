#include "FuzzTarget.h"
#include "intake/EntryPaths.h"
#include "platform/TextFile.h"

#include <algorithm>

namespace {

bool isForbidden(QChar c)
{
    return c.unicode() < 0x20 || QStringLiteral("<>:\"|?*/\\").contains(c);
}

} // namespace

FUZZ_TARGET(entry_paths)
{
    // Names as UTF-8 archivers write them and as old ones did, in a single-byte code page.
    const QByteArray bytes = fuzzBytes(data, size);
    for (const QString &name : {QString::fromUtf8(bytes), platform::decodeCp1252(bytes)}) {
        const QStringList components = entryPathComponents(name);
        for (const QString &component : components) {
            FUZZ_CHECK(!component.isEmpty() && component != QLatin1String(".."));
            FUZZ_CHECK(!component.endsWith(QLatin1Char('.')) &&
                       !component.endsWith(QLatin1Char(' ')));
            FUZZ_CHECK(std::none_of(component.cbegin(), component.cend(), isForbidden));
        }
        // The folders and file accepted name the same place when written as a path again.
        if (!components.isEmpty())
            FUZZ_CHECK(entryPathComponents(components.join(QLatin1Char('/'))) == components);
        FUZZ_CHECK(isArchiveName(name + QStringLiteral(".ZIP")));
    }
}
