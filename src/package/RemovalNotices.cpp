#include "package/RemovalNotices.h"

QStringList removalNotices(const QList<RemovalArea> &)
{
    return {};
}
