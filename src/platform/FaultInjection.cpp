#include "platform/FaultInjection.h"

#include <QtGlobal>

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <optional>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace platform::faults {

namespace {

// The seam is process-wide by nature: it stands for the operating system, which is one per
// process. Only tests arm it.
struct Seam {
    std::array<std::atomic<int>, kCallKinds> counts{};
    std::optional<Plan> plan;
};

Seam &seam()
{
    static Seam instance;
    return instance;
}

std::size_t indexOf(Call call)
{
    return static_cast<std::size_t>(call);
}

} // namespace

int inject(Call call)
{
    Seam &state = seam();
    const int count = ++state.counts[indexOf(call)];
    if (!state.plan || state.plan->call != call || state.plan->nth != count)
        return 0;
#ifdef Q_OS_UNIX
    if (state.plan->killProcess)
        ::kill(::getpid(), SIGKILL);
#endif
    return state.plan->error;
}

bool allows(Call call)
{
    if (const int error = inject(call)) {
        errno = error;
        return false;
    }
    return true;
}

ArmedFault::ArmedFault(const Plan &plan)
{
    resetCallCounts();
    seam().plan = plan;
}

ArmedFault::~ArmedFault()
{
    seam().plan.reset();
}

int callCount(Call call)
{
    return seam().counts[indexOf(call)];
}

void resetCallCounts()
{
    for (std::atomic<int> &count : seam().counts)
        count = 0;
}

} // namespace platform::faults
