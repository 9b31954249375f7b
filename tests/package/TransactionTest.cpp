#include "package/Transaction.h"

#include "support/DiskSnapshot.h"
#include "support/TreeBuilder.h"

#include <QDir>

#include <gtest/gtest.h>

// A recovery while another copy runs (another program's start) leaves that copy, its leftover
// and a record it cannot read alone; the copy then commits, the later of two files for one place
// winning. Crashes and their recovery are proven on whole actions by the fault suite.
TEST(Transaction, ARunningTransactionIsLeftAloneAndABrokenRecordIsNotActedOn)
{
    TreeBuilder sim, source, records;
    sim.file("Gauges/.wingstash-staged-0123456789abcdef-mine.gau", "not this copy's")
        .file("Sound/.keep", "hidden, the user's")
        .folder("Aircraft");
    source.file("own.gau", "own").file("later/OWN.gau", "later");
    Transaction running(records.root(), sim.path("Aircraft/Pkg"),
                        {sim.path("Gauges/"), sim.path("Sound/")});
    ASSERT_TRUE(running.started());
    ASSERT_TRUE(running.makeStagedFolder().ok);
    ASSERT_TRUE(running
                    .stageSharedFile(source.path("own.gau"), sim.path("Gauges/own.gau"),
                                     platform::Existing::Replace)
                    .ok);
    records.file("0000000000000000.transaction", "{\"id\": \"../..\"}")
        .file(".wingstash-1-1.transaction"); // a record never written whole: it goes
    const DiskSnapshot during = snapshotOf(sim.root());
    EXPECT_EQ(recoverTransactions(records.root()), QStringList());
    EXPECT_EQ(differences(during, snapshotOf(sim.root())), QStringList());
    EXPECT_EQ(QDir(records.root()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    // A later file for the same place, in any letter case, takes it.
    ASSERT_TRUE(running
                    .stageSharedFile(source.path("later/OWN.gau"), sim.path("Gauges/OWN.gau"),
                                     platform::Existing::Replace)
                    .ok);
    EXPECT_TRUE(running.commit().ok);
    EXPECT_EQ(sim.read("Gauges/own.gau"), "later");
    EXPECT_EQ(QDir(sim.path("Gauges")).entryList(QDir::Files | QDir::Hidden),
              QStringList({".wingstash-staged-0123456789abcdef-mine.gau", "own.gau"}));
}
