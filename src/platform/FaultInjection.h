#pragma once

// A test seam: every call by which the program changes the disk asks here first, so that tests
// can make the N-th call of a kind fail (with ENOSPC, EIO, EACCES...) or end the process there,
// and prove that each action ends complete or as it began. Unarmed, it only counts calls.
namespace platform::faults {

// Sync: forcing a file system to disk (syncfs), which fails with EIO when the disk lost data.
enum class Call { Open, Write, Rename, MakeFolder, Remove, Sync };
inline constexpr int kCallKinds = 6;

// Counts the call and returns the error number it is to fail with, or 0 to go on. A plan that
// asks for the process to end kills it here, as a crash or a power cut would.
int inject(Call call);

// The same question for code that reports failures through errno: false, with errno set to the
// injected error, when the seam fails the call.
bool allows(Call call);

// What a test arms: the nth call (from 1) of a kind fails with error, or ends the process when
// killProcess is set.
struct Plan {
    Call call = Call::Open;
    int nth = 0;
    int error = 0;
    bool killProcess = false;
};

// Arms one plan for as long as it lives and counts calls from zero; a second one replaces it.
class ArmedFault {
public:
    explicit ArmedFault(const Plan &plan);
    ~ArmedFault();
    ArmedFault(const ArmedFault &) = delete;
    ArmedFault &operator=(const ArmedFault &) = delete;
};

// Calls of a kind counted since the counts were last reset (or a plan armed).
int callCount(Call call);
void resetCallCounts();

} // namespace platform::faults
