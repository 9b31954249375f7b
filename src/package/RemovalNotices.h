#pragma once

#include "package/Removal.h"

#include <QList>
#include <QStringList>

// Lines that open the details of a question before a deletion in these areas: that what goes
// there cannot be restored (the area's location has no usable trash), and, once after the
// activity log could not be written, that it could not. Empty when there is nothing to say.
QStringList removalNotices(const QList<RemovalArea> &areas);
