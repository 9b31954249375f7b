#include "package/Transaction.h"

#include "platform/FaultInjection.h"
#include "support/DiskSnapshot.h"
#include "support/TreeBuilder.h"

#include <QDir>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace {

using platform::Existing;
using platform::faults::Call;

// A simulator with a gauge another aircraft uses, a package built beside it and a record
// folder: the transaction an install makes, on real folders.
class TransactionTest : public ::testing::Test {
protected:
    TreeBuilder sim, source, records;

    void SetUp() override
    {
        sim.file("Aircraft/Other/panel.cfg", "gauge00=shared!x")
            .file("Gauges/shared.gau", "old shared")
            .file("Gauges/other.gau", "another aircraft's")
            .file("Gauges/.wingstash-staged-0123456789abcdef-mine.gau", "not this copy's")
            .file("Sound/.keep", "hidden, the user's");
        source.file("shared.gau", "new shared").file("own.gau", "own").file("click.wav", "click");
    }

    bool noRecords() const
    {
        return QDir(records.root())
            .isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    QStringList sharedFolders() const { return {sim.path("Gauges/"), sim.path("Sound/")}; }

    // Every step of an install up to and including its commit.
    platform::Result install(Transaction &transaction) const
    {
        for (const platform::Result &step :
             {transaction.makeStagedFolder(),
              transaction.stageSharedFile(source.path("shared.gau"), sim.path("Gauges/shared.gau"),
                                          Existing::Replace),
              transaction.stageSharedFile(source.path("own.gau"), sim.path("Gauges/own.gau"),
                                          Existing::Replace),
              transaction.stageSharedFile(source.path("click.wav"), sim.path("Sound/click.wav"),
                                          Existing::Keep)}) {
            if (!step.ok)
                return step;
        }
        QFile file(transaction.stagedFolder() + "/aircraft.cfg");
        if (!file.open(QIODevice::WriteOnly) || file.write("[fltsim.0]") != 10)
            return {false, file.errorString()};
        file.close();
        return transaction.commit();
    }

    // The install run in a child process that the fault seam kills at the planned call, as a
    // crash or power cut would; the record and every hidden entry stay as they were then.
    void crashInstallAt(Call call, int nth) const
    {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const platform::faults::ArmedFault crash({call, nth, 0, true});
            Transaction transaction(records.root(), sim.path("Aircraft/Pkg"), sharedFolders());
            install(transaction);
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the install ended before the planned call";
    }

    QStringList installedChanges() const
    {
        return {"Aircraft/Pkg", "Aircraft/Pkg/aircraft.cfg", "Gauges/own.gau", "Gauges/shared.gau",
                "Sound/click.wav"};
    }
};

TEST_F(TransactionTest, RecoveryAfterACrashRestoresOrFinishesAndLeavesNothingOfOurs)
{
    const DiskSnapshot before = snapshotOf(sim.root());
    // Kills at the renames of the commit (the record is the first rename) come before the
    // commit point; kills at the removals after it come after.
    const struct {
        Call call;
        int nth;
        bool committed;
    } crashes[] = {{Call::Rename, 2, false}, {Call::Rename, 3, false},    {Call::Rename, 4, false},
                   {Call::Rename, 5, false}, {Call::Rename, 6, false},    {Call::Remove, 1, true},
                   {Call::Remove, 2, true},  {Call::MakeFolder, 2, false}};
    for (const auto &crash : crashes) {
        SCOPED_TRACE(QString("call %1, nth %2").arg(int(crash.call)).arg(crash.nth).toStdString());
        crashInstallAt(crash.call, crash.nth);
        EXPECT_FALSE(QDir(records.root()).isEmpty()) << "the crash left no record";

        EXPECT_EQ(recoverTransactions(records.root()), QStringList());
        const DiskSnapshot after = snapshotOf(sim.root());
        EXPECT_EQ(differences(before, after), crash.committed ? installedChanges() : QStringList());
        EXPECT_EQ(sim.read("Gauges/shared.gau"), crash.committed ? "new shared" : "old shared");
        // Only the other transaction's leftover, which is not this record's to touch.
        EXPECT_EQ(temporaryLeftovers(after),
                  QStringList{"Gauges/.wingstash-staged-0123456789abcdef-mine.gau"});
        EXPECT_TRUE(noRecords());

        if (crash.committed) { // back to the start for the next crash
            sim.file("Gauges/shared.gau", "old shared");
            ASSERT_TRUE(QDir(sim.path("Aircraft/Pkg")).removeRecursively());
            ASSERT_TRUE(QFile::remove(sim.path("Gauges/own.gau")) &&
                        QFile::remove(sim.path("Sound/click.wav")));
        }
    }
}

TEST_F(TransactionTest, ARunningTransactionIsLeftAloneAndABrokenRecordIsNotActedOn)
{
    Transaction running(records.root(), sim.path("Aircraft/Pkg"), sharedFolders());
    ASSERT_TRUE(running.started());
    ASSERT_TRUE(running.makeStagedFolder().ok);
    ASSERT_TRUE(
        running
            .stageSharedFile(source.path("own.gau"), sim.path("Gauges/own.gau"), Existing::Replace)
            .ok);
    records.file("0000000000000000.transaction", "{\"id\": \"../..\"}");
    const DiskSnapshot during = snapshotOf(sim.root());
    EXPECT_EQ(recoverTransactions(records.root()), QStringList());
    EXPECT_EQ(differences(during, snapshotOf(sim.root())), QStringList());
    EXPECT_EQ(QDir(records.root()).entryList(QDir::Files).size(), 2);
    EXPECT_TRUE(running.commit().ok);
    EXPECT_EQ(sim.read("Gauges/own.gau"), "own");
}

} // namespace
