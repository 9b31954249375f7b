#pragma once

#include "DiskSnapshot.h"
#include "MainWindowFake.h"
#include "TestContext.h"
#include "TreeBuilder.h"
#include "install/StoreActions.h"
#include "intake/StagingActions.h"
#include "platform/FaultInjection.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <numeric>
#include <ostream>
#include <string>
#include <vector>

// The fault suite's harness. A world: the three locations in one temporary tree (the store with
// its category "Props"), Downloads, the program's folder and its state folder, with boxes that
// answer alike and record, and the main window driven by its real controller.
class ActionWorld : public TestContext {
public:
    explicit ActionWorld(bool agree);
    ActionWorld(const ActionWorld &) = delete;
    ActionWorld &operator=(const ActionWorld &) = delete;

    TreeBuilder tree;
    FakeMainWindow window;
    MainController controller{context, window};

    // The mode shown, the option chosen in it, then Go.
    void go(StagingAction action);
    void go(StowbayAction action);
    void showStaging() { controller.stagingClicked(); }
    // Picks a stored package of "Props" in Stowbay mode, which shows and scans it.
    void select(const QString &name);
};

// The add-on of every row, as it lies in each place. Its panel names its own gauge and, first, a
// shared one the simulator holds in an older version for another aircraft; one sound is not in
// its sound.cfg and so is shared too.
void stageAddOn(TreeBuilder &tree);                        // loose in Staging
void storeAddOn(TreeBuilder &tree, const QString &name);   // in the store's category
void installAddOn(TreeBuilder &tree, const QString &name); // in the simulator
void addOtherAircraft(TreeBuilder &tree); // the installed aircraft that shares the gauge

// One action: prepare builds the world up to Go (never failed); act is what Go runs.
struct ActionRow {
    const char *name;
    bool agree; // how the message boxes answer questions
    std::function<void(ActionWorld &)> prepare;
    std::function<void(ActionWorld &)> act;
    // False for clean-ups that delete file by file: a failure may stop them part-way.
    bool wholeOrNothing = true;
};
const std::vector<ActionRow> &actionRows();
const ActionRow &actionRow(const QString &name);

// The gauge tool with every row selected.
void deleteAllUnusedGauges(Context &context);
// Runs a step; false when it asked to end the program.
bool survives(const std::function<void()> &step);

inline void PrintTo(const ActionRow &row, std::ostream *out)
{
    *out << row.name;
}
inline std::string actionRowName(const ::testing::TestParamInfo<ActionRow> &row)
{
    return row.param.name;
}

void prepareAction(const ActionRow &row, ActionWorld &world); // forgets its messages
void runAction(const ActionRow &row, ActionWorld &world);
// The recovery of the next start; what it says, which is what it could not put right.
QStringList recoverAsAtStartUp(ActionWorld &world);

inline constexpr auto kCallKinds = [] {
    std::array<platform::faults::Call, platform::faults::kCallKinds> kinds{};
    for (std::size_t kind = 0; kind < kinds.size(); ++kind)
        kinds.at(kind) = static_cast<platform::faults::Call>(kind);
    return kinds;
}();
QString callName(platform::faults::Call call);
using CallCounts = std::array<int, kCallKinds.size()>;

// The program's view: the package box, each package's installed test, Staging empty or not.
QStringList programView(ActionWorld &world);

// An unarmed run of a row: disk and view before and after, messages, calls of each kind.
struct Reference {
    DiskSnapshot before;
    DiskSnapshot after;
    QStringList beforeView;
    QStringList afterView;
    QStringList messages;
    CallCounts counts{};
    bool wholeOrNothing = true;
    int totalCalls() const { return std::accumulate(counts.cbegin(), counts.cend(), 0); }
};
Reference referenceRun(const ActionRow &row);

// After a disturbed run and the next start's recovery, what is wrong: an unsettled recovery, the
// locations neither as they began nor as completed (nor, for a clean-up, between), leftovers, a
// view that disagrees with the disk, and (userSees) an unfinished action the user was not told.
QStringList problemsAfterRun(ActionWorld &world, const Reference &reference, bool userSees);

// The runs of a row that went wrong: the first few described, all counted.
class FailingRuns {
public:
    void add(const QString &run, const QStringList &problems);
    int count() const { return count_; }
    std::string summary(int runs) const;

private:
    static constexpr int kDescribed = 8;
    QStringList described_;
    int count_ = 0;
};

// Runs step in a forked child that then exits with 0; its wait status, or -1. (No death test:
// those need a writable /tmp.)
int runInChild(const std::function<void()> &step);

// count kill points spread evenly over every call of the unarmed run.
QList<platform::faults::Plan> spreadKillPoints(const CallCounts &counts, int count);
