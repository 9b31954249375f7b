#pragma once

#include "package/Walk.h"

#include <QString>

#include <algorithm>
#include <functional>
#include <iterator>
#include <vector>

// A folder still to be listed: its real path and the lower-case path the lists use, both
// ending with the separator.
struct PendingFolder {
    QString real;
    QString lower;
};

// Pushes a folder's sub-folders onto a walk's stack (a vector or a deque) so that the first one
// listed is taken next: the walk then visits them in listing order, each with everything below
// it before the next one. Empties subfolders.
template <typename Stack>
void pushInListingOrder(Stack &stack, std::vector<PendingFolder> &subfolders)
{
    std::move(subfolders.rbegin(), subfolders.rend(), std::back_inserter(stack));
    subfolders.clear();
}

// The files below a folder in walk order (see walkNamedFiles), listed by two threads: while the
// calling thread walks, a second one takes whole the sub-folders it will reach last, and the
// files of each come into place when the walk reaches it. Whichever thread runs out of work
// takes a share of the other's in the same way, so one large sub-folder does not leave a
// thread idle. afterEachFolder runs on the calling thread only, after each folder it lists and
// every few milliseconds while it waits.
NamedFiles walkOnTwoThreads(PendingFolder top, const std::function<void()> &afterEachFolder);
