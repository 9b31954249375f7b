#pragma once

#include "DiskSnapshot.h"
#include "Fakes.h"
#include "RecordingMessageBoxes.h"
#include "TreeBuilder.h"
#include "package/Context.h"
#include "platform/FaultInjection.h"
#include "platform/MainControls.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

// The pieces the fault suite shares: a world of the three locations an action runs in, the
// actions as rows, and the judgement of what a run left on disk.

// The three locations side by side in one temporary tree (Staging, the store with its category
// "Props", the simulator with its aircraft, gauges and sound folders), a downloads folder for
// archives, the program's own folder and its state folder (records of copies), with a context
// whose message boxes answer every question alike and record the texts. The world is also the
// main window: showing a mode scans the package it shows again, as the real window does.
class ActionWorld : public platform::MainControls {
public:
    explicit ActionWorld(bool agree);
    ActionWorld(const ActionWorld &) = delete;
    ActionWorld &operator=(const ActionWorld &) = delete;

    TreeBuilder tree;
    SharedState state;
    RecordingMessageBoxes messages;
    RecordingPackageView view;
    RecordingProgress progress;
    ScriptedConfigChooser configChooser;
    RecordingPackageListView packageList;
    RecordingLauncher launcher;
    Context context{state, messages, view, progress, configChooser, packageList, launcher};

    // Puts the three locations elsewhere (folders ending with "/"), as a user may choose them.
    void placeLocations(const QString &staging, const QString &stowbay, const QString &msfs);
    // False: showing a mode scans nothing, so that a rescan's own question (duplicates) cannot
    // change the disk after the action.
    bool rescans = true;

    // The main window's controls.
    int option = 0;
    QString nameText;
    QString boxText; // the package box's selection, with any installed marker

    int optionIndex() const override { return option; }
    void setOptionIndex(int index) override { option = index; }
    QString packageNameText() const override { return nameText; }
    void setPackageNameText(const QString &text) override { nameText = text; }
    QString categoryText() const override;
    QStringList categories() const override { return {categoryText()}; }
    QString packageText() const override { return boxText; }
    void showStaging() override;
    void showStowbay(bool rescan) override;
    void updateCaption() override {}
    void refreshPackageListIfShown() override {}

    // Picks a stored package in the package box, which shows and scans it.
    void select(const QString &name);
    // Scans Staging, as entering Staging mode does.
    void scanStaging();
};

// The small add-on every row works with, as it lies in each place. The package's panel names
// its own gauge and a shared one that the simulator holds in an older version, which another
// installed aircraft uses (the shared one comes first, so a failure at the package's own gauge
// finds it replaced already); one sound of the package is not in its sound.cfg and so goes to the
// simulator's shared sound folder.
void stageAddOn(TreeBuilder &tree);                        // loose in Staging
void storeAddOn(TreeBuilder &tree, const QString &name);   // in the store's category
void installAddOn(TreeBuilder &tree, const QString &name); // in the simulator
void addOtherAircraft(TreeBuilder &tree); // the installed aircraft that shares the gauge

// One action, as the user starts it: prepare builds the world and makes the selections that
// come before Go (not counted, never failed); act is what Go (or the unpack command) runs.
struct ActionRow {
    const char *name;
    bool agree; // how the message boxes answer questions
    std::function<void(ActionWorld &)> prepare;
    std::function<void(ActionWorld &)> act;
    // False for clean-ups that delete file by file: stopped by a failure, they may end anywhere
    // between the locations as they began and as completed.
    bool wholeOrNothing = true;
};
const std::vector<ActionRow> &actionRows();
const ActionRow &actionRow(const QString &name);

// Lists the unused gauges and deletes every one listed, as the gauge tool does with all rows
// selected.
void deleteAllUnusedGauges(Context &context);
// Runs a step; false when it asked to end the program (a second aircraft.cfg, say).
bool survives(const std::function<void()> &step);

// How GoogleTest names a row in its messages.
inline void PrintTo(const ActionRow &row, std::ostream *out)
{
    *out << row.name;
}

// A row's name as the name of its test.
inline std::string actionRowName(const ::testing::TestParamInfo<ActionRow> &row)
{
    return row.param.name;
}

// Builds the row's world up to Go and forgets the messages that came with it.
void prepareAction(const ActionRow &row, ActionWorld &world);
// Runs the action; a request to end the program ends the action as it would end the program.
void runAction(const ActionRow &row, ActionWorld &world);

// What an interrupted action leaves is put right at start-up: this runs that recovery, as the
// next start of the program would, and returns the folders it could not put right. The one
// place the suite reaches it.
QStringList recoverAsAtStartUp(ActionWorld &world);

// The call kinds of the fault seam, in order, with their names for messages.
inline constexpr auto kCallKinds = [] {
    std::array<platform::faults::Call, platform::faults::kCallKinds> kinds{};
    for (std::size_t kind = 0; kind < kinds.size(); ++kind)
        kinds.at(kind) = static_cast<platform::faults::Call>(kind);
    return kinds;
}();
QString callName(platform::faults::Call call);
using CallCounts = std::array<int, kCallKinds.size()>;

// What the program shows of the world, read as the program reads it: the package box of the
// category (with the installed markers), the installed test of each package in it, whether
// Staging counts as empty.
QStringList programView(ActionWorld &world);

// An unarmed run of a row: the disk and the program's view before and after, the messages and
// the calls of each kind that the action made.
struct Reference {
    DiskSnapshot before;
    DiskSnapshot after;
    QStringList beforeView;
    QStringList afterView;
    QStringList messages;
    CallCounts counts{};
    bool wholeOrNothing = true;
    int totalCalls() const;
};
Reference referenceRun(const ActionRow &row);

// Runs the recovery as at the next start, then says what is wrong with a world after a
// disturbed run: a recovery that could not settle everything, the locations neither
// exactly as they began nor exactly as after the unarmed run (nor, for a clean-up, between the
// two), temporary leftovers, the
// program's view disagreeing with the disk, and (when userSees) an unchanged disk that the user
// was not told about. Empty when all is well.
QStringList problemsAfterRun(ActionWorld &world, const Reference &reference, bool userSees);

// The runs of a row that went wrong: the first few described, all counted.
class FailingRuns {
public:
    void add(const QString &run, const QStringList &problems);
    int count() const { return count_; }
    // The count and the descriptions, for the test's failure message.
    std::string summary(int runs) const;

private:
    static constexpr int kDescribed = 8;
    QStringList described_;
    int count_ = 0;
};

// Runs step in a forked child process, which then exits with 0; the child's wait status, or -1.
// (Not a death test: those keep the child's output in /tmp, which a sandbox may not let us write.)
int runInChild(const std::function<void()> &step);

// count points spread evenly over every call of the unarmed run (kind by kind, so the kinds
// mix as they were made), each as a plan that ends the process there.
QList<platform::faults::Plan> spreadKillPoints(const CallCounts &counts, int count);
