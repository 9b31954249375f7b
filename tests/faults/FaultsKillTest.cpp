#include "support/FaultScenarios.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <iostream>
#include <sys/wait.h>

namespace {

using platform::faults::ArmedFault;

bool killed(int status)
{
    return status >= 0 && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

// Points of each action at which the process is killed.
constexpr int kKillsPerAction = 20;

// Named as death tests, they run first, before any test has started a thread that a fork would
// not copy.
class FaultsKillDeathTest : public ::testing::TestWithParam<ActionRow> {};

// A child process runs the action and is killed, as by a crash or a power cut, at points spread
// over the calls it makes. After each kill the recovery runs as at the next start, first with
// one of its removals failing: what it could not put right waits for the start after, which a
// record another crash left half-written does not hold up. Then nothing half-done counts as
// installed, stored or unpacked, and nothing temporary is left.
TEST_P(FaultsKillDeathTest, AKilledActionIsUndoneOrCompleteAfterTheNextStart)
{
    const ActionRow &row = GetParam();
    const Reference reference = referenceRun(row);
    ASSERT_NE(reference.before, reference.after) << "the unarmed run changed nothing";
    // An action that changes the disk without passing the seam could not be failed at all.
    ASSERT_GT(reference.totalCalls(), 0) << "the action changed the disk past the fault seam";

    int kills = 0;
    FailingRuns failing;
    for (const platform::faults::Plan &plan : spreadKillPoints(reference.counts, kKillsPerAction)) {
        ActionWorld world(row.agree);
        prepareAction(row, world);
        const int status = runInChild([&] {
            const ArmedFault armed(plan);
            runAction(row, world);
        });
        EXPECT_TRUE(killed(status))
            << "at " << callName(plan.call).toStdString() << " call " << plan.nth;
        ++kills;
        {
            const ArmedFault recoveryFails({platform::faults::Call::Remove, 1 + kills % 3, EIO});
            recoverAsAtStartUp(world);
        }
        world.tree.file("State/.wingstash-1-1.transaction");
        if (const QStringList problems = problemsAfterRun(world, reference, false);
            !problems.isEmpty())
            failing.add(QStringLiteral("killed at %1 call %2 of %3")
                            .arg(callName(plan.call))
                            .arg(plan.nth)
                            .arg(reference.counts.at(std::size_t(plan.call))),
                        problems);
    }
    RecordProperty("kills", kills);
    std::cout << "[  faults  ] " << row.name << ": " << kills << " kills, " << failing.count()
              << " went wrong\n";
    EXPECT_EQ(failing.count(), 0) << failing.summary(kills);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FaultsKillDeathTest,
    ::testing::Values(actionRow(QStringLiteral("Install")), actionRow(QStringLiteral("Intake")),
                      actionRow(QStringLiteral("UnpackReplacingStagingFiles"))),
    actionRowName);

} // namespace
