#pragma once

#include "package/Walk.h"

#include <QString>

#include <functional>

// A folder still to be listed: its real path and the lower-case path the lists use, both
// ending with the separator.
struct PendingFolder {
    QString real;
    QString lower;
};

// The files below a folder in walk order (see walkNamedFiles), listed by two threads: while the
// calling thread walks, a second one takes whole the sub-folders it will reach last, and the
// files of each come into place when the walk reaches it. Whichever thread runs out of work
// takes a share of the other's in the same way, so one large sub-folder does not leave a
// thread idle. afterEachFolder runs on the calling thread only, after each folder it lists and
// every few milliseconds while it waits.
NamedFiles walkOnTwoThreads(PendingFolder top, const std::function<void()> &afterEachFolder);
