#include "package/Transaction.h"

#include "support/DiskSnapshot.h"
#include "support/TreeBuilder.h"

#include <QDir>

#include <gtest/gtest.h>

// A recovery while another copy runs (another program's start) leaves that copy, its leftover
// and a record it cannot read alone. Crashes and their recovery are proven on whole actions by
// the fault suite.
TEST(Transaction, ARunningTransactionIsLeftAloneAndABrokenRecordIsNotActedOn)
{
    TreeBuilder sim, source, records;
    sim.file("Gauges/.wingstash-staged-0123456789abcdef-mine.gau", "not this copy's")
        .file("Sound/.keep", "hidden, the user's")
        .folder("Aircraft");
    source.file("own.gau", "own");
    Transaction running(records.root(), sim.path("Aircraft/Pkg"),
                        {sim.path("Gauges/"), sim.path("Sound/")});
    ASSERT_TRUE(running.started());
    ASSERT_TRUE(running.makeStagedFolder().ok);
    ASSERT_TRUE(running
                    .stageSharedFile(source.path("own.gau"), sim.path("Gauges/own.gau"),
                                     platform::Existing::Replace)
                    .ok);
    records.file("0000000000000000.transaction", "{\"id\": \"../..\"}");
    const DiskSnapshot during = snapshotOf(sim.root());
    EXPECT_EQ(recoverTransactions(records.root()), QStringList());
    EXPECT_EQ(differences(during, snapshotOf(sim.root())), QStringList());
    EXPECT_EQ(QDir(records.root()).entryList(QDir::Files).size(), 2);
    EXPECT_TRUE(running.commit().ok);
    EXPECT_EQ(sim.read("Gauges/own.gau"), "own");
}
