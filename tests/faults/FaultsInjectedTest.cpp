#include "support/FaultScenarios.h"

#include <QDir>

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <iostream>

namespace {

using platform::faults::ArmedFault;

// The errors a failing call reports, taken in turn: a full disk, a broken one, a refusal.
constexpr std::array kErrors{ENOSPC, EIO, EACCES};

class FaultsInjectedFailures : public ::testing::TestWithParam<ActionRow> {};

// For every call the action makes, a run on a fresh world in which exactly that call fails:
// afterwards (and after the start-up recovery) the locations are as they began, with the user
// told, or as the action completes them; the program's view agrees with the disk.
TEST_P(FaultsInjectedFailures, EachFailingCallLeavesTheLocationsAsTheyBeganOrComplete)
{
    const ActionRow &row = GetParam();
    const Reference reference = referenceRun(row);
    ASSERT_NE(reference.before, reference.after) << "the unarmed run changed nothing";
    ASSERT_EQ(temporaryLeftovers(reference.after), QStringList{});
    // An action that changes the disk without passing the seam could not be failed at all.
    ASSERT_GT(reference.totalCalls(), 0) << "the action changed the disk past the fault seam";

    int runs = 0;
    FailingRuns failing;
    for (std::size_t kind = 0; kind < kCallKinds.size(); ++kind) {
        for (int nth = 1; nth <= reference.counts.at(kind); ++nth) {
            const int error = kErrors.at(std::size_t(runs) % kErrors.size());
            ++runs;
            ActionWorld world(row.agree);
            prepareAction(row, world);
            {
                const ArmedFault armed({kCallKinds.at(kind), nth, error});
                runAction(row, world);
            }
            // A removal's record outlives the action only for what it left to finish (entries
            // still under hidden names) or when the record itself could not go.
            QStringList problems =
                QDir(world.state.StateDir).entryList({"*.removal"}, QDir::Files | QDir::Hidden);
            if (kCallKinds.at(kind) == platform::faults::Call::Remove ||
                !temporaryLeftovers(snapshotOf(world.tree.root())).isEmpty())
                problems.clear();
            problems += problemsAfterRun(world, reference, true);
            if (!problems.isEmpty())
                failing.add(QStringLiteral("%1 call %2 of %3 failing with %4")
                                .arg(callName(kCallKinds.at(kind)))
                                .arg(nth)
                                .arg(reference.counts.at(kind))
                                .arg(QString::fromLocal8Bit(std::strerror(error))),
                            problems);
        }
    }
    ASSERT_EQ(runs, reference.totalCalls());
    RecordProperty("injected_failure_runs", runs);
    RecordProperty("failing_runs", failing.count());
    QStringList perKind;
    for (std::size_t kind = 0; kind < kCallKinds.size(); ++kind)
        perKind.append(callName(kCallKinds.at(kind)) + ' ' +
                       QString::number(reference.counts.at(kind)));
    std::cout << "[  faults  ] " << row.name << ": " << runs << " injected-failure runs ("
              << perKind.join(QStringLiteral(", ")).toStdString() << "), " << failing.count()
              << " went wrong\n";
    EXPECT_EQ(failing.count(), 0) << failing.summary(runs);
}

INSTANTIATE_TEST_SUITE_P(Faults, FaultsInjectedFailures, ::testing::ValuesIn(actionRows()),
                         actionRowName);

} // namespace
