#include "package/TwoThreadWalk.h"

#include "platform/FileListing.h"
#include "platform/Path.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <list>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace {

// How long a waiting thread sleeps before it looks again (and the caller's window works).
constexpr std::chrono::milliseconds kWaitStep{5};

// A sub-folder one thread took whole from another's walk: its files, once done (guarded by the
// mutex until done is set).
struct TakenFolder {
    NamedFiles walked;
    bool done = false;
};

// The walk of one folder and everything below it. Its stack, in walk order from the end, is
// the taken sub-folders (the part the other thread took, always the bottom) followed by the
// pending ones. Both are guarded by the mutex; walked belongs to the thread running the walk.
struct SubWalk {
    std::deque<std::shared_ptr<TakenFolder>> taken;
    std::deque<PendingFolder> pending;
    NamedFiles walked;
};

// A folder's files appended to walked, its sub-folders (exactly Directory) to subfolders in
// listing order. A folder that cannot be listed is left out; the walk goes on.
void listFolder(const PendingFolder &folder, NamedFiles &walked,
                std::vector<PendingFolder> &subfolders)
{
    const QChar separator = platform::separator();
    for (const platform::DirEntry &entry :
         platform::listDirectory(folder.real, nullptr, platform::ListDetail::FolderTest)) {
        const QString lowerName = entry.name.toLower();
        if (entry.isFolder()) {
            subfolders.push_back(
                {folder.real + entry.name + separator, folder.lower + lowerName + separator});
        } else {
            walked.files.append({folder.lower + lowerName, folder.real + entry.name});
            walked.names.append(lowerName);
        }
    }
}

class Walkers {
public:
    explicit Walkers(std::function<void()> afterEachFolder)
        : afterEachFolder_(std::move(afterEachFolder))
    {
    }

    NamedFiles walk(PendingFolder top)
    {
        SubWalk whole;
        whole.pending.push_back(std::move(top));
        {
            const std::jthread helper([this] { help(); });
            std::unique_lock lock(mutex_);
            run(whole, lock, true);
            ended_ = true;
            changed_.notify_all();
        }
        return std::move(whole.walked);
    }

private:
    // Walks sub to its end; the caller's thread lets its window work as it goes. Called with
    // the lock held, which it releases while it lists.
    void run(SubWalk &sub, std::unique_lock<std::mutex> &lock, bool caller)
    {
        active_.push_back(&sub);
        std::vector<PendingFolder> subfolders;
        while (true) {
            if (!sub.pending.empty()) {
                const PendingFolder folder = std::move(sub.pending.back());
                sub.pending.pop_back();
                lock.unlock();
                listFolder(folder, sub.walked, subfolders);
                if (caller && afterEachFolder_)
                    afterEachFolder_();
                lock.lock();
                pushInListingOrder(sub.pending, subfolders);
                changed_.notify_all();
            } else if (!sub.taken.empty()) {
                const std::shared_ptr<TakenFolder> taken = std::move(sub.taken.back());
                sub.taken.pop_back();
                while (!taken->done)
                    workOrWait(lock, caller);
                lock.unlock();
                sub.walked.files.append(std::move(taken->walked.files));
                sub.walked.names.append(std::move(taken->walked.names));
                lock.lock();
            } else {
                break;
            }
        }
        active_.remove(&sub);
    }

    // The second thread: takes work until the whole walk is done.
    void help()
    {
        std::unique_lock lock(mutex_);
        while (!ended_)
            workOrWait(lock, false);
    }

    // Takes the first pending sub-folder of the outermost walk that has another one left for
    // its own thread, and walks it; else waits a little. Called with the lock held.
    void workOrWait(std::unique_lock<std::mutex> &lock, bool caller)
    {
        for (SubWalk *other : active_) {
            if (other->pending.size() < 2)
                continue;
            SubWalk sub;
            sub.pending.push_back(std::move(other->pending.front()));
            other->pending.pop_front();
            const std::shared_ptr<TakenFolder> taken = std::make_shared<TakenFolder>();
            other->taken.push_back(taken);
            run(sub, lock, caller);
            taken->walked = std::move(sub.walked);
            taken->done = true;
            changed_.notify_all();
            return;
        }
        changed_.wait_for(lock, kWaitStep);
        if (caller && afterEachFolder_) {
            lock.unlock();
            afterEachFolder_();
            lock.lock();
        }
    }

    const std::function<void()> afterEachFolder_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::list<SubWalk *> active_; // outermost first; guarded by mutex_
    bool ended_ = false;          // guarded by mutex_
};

} // namespace

NamedFiles walkOnTwoThreads(PendingFolder top, const std::function<void()> &afterEachFolder)
{
    return Walkers(afterEachFolder).walk(std::move(top));
}
