#pragma once

#include "support/TestContext.h"

// Runs the actions that change the disk the way the main window and the unused-gauges window
// start them, for tests that judge only what happened on disk: every message box is answered
// alike and recorded, the window's refreshes are counted but scan nothing (a rescan could ask
// the duplicate question, which is an action of its own here).

#include "install/StoreActions.h"
#include "intake/StagingActions.h"
#include "package/Scan.h"
#include "package/ShutDown.h"
#include "support/Fakes.h"
#include "support/RecordingMessageBoxes.h"
#include "tools/UnusedGauges.h"

#include <algorithm>
#include <optional>
#include <utility>

// Cancels the configuration choice: the tests here never stage several configurations.
class DecliningConfigChooser : public platform::ConfigChooser {
public:
    std::optional<int> choose(const QStringList &) override { return std::nullopt; }
};

// A Context whose message boxes all answer Yes / Ok (agree) or No / Cancel.
struct RecordingContext : FakeContext<RecordingMessageBoxes, DecliningConfigChooser> {
    explicit RecordingContext(bool agree = true) : FakeContext(agree) {}

    void setLocations(const QString &staging, const QString &stowbay, const QString &msfs)
    {
        state.StagingDir = staging;
        state.StowbayDir = stowbay;
        state.MsfsDir = msfs;
    }
};

// The main window's controls, set by the test; an outcome's new package name is kept and its
// message told, as the window does (the refreshes scan nothing).
struct WindowStandIn {
    QString packageName; // txtPackageName
    QString category = QStringLiteral("Props");
    QString package; // cboPackageName

    MainSelection selection() const { return {category, {category}, package, packageName}; }
    template <typename Action> void show(Context &context, const ActionOutcome<Action> &outcome)
    {
        packageName = outcome.packageName.value_or(packageName);
        if (!outcome.message.isEmpty())
            context.messages.inform(outcome.message);
    }
};

// The unused-gauges window with every row selected.
class AllSelectedGaugesView : public UnusedGaugesView {
public:
    QList<std::pair<QString, QString>> rows; // text, path

    void open() override { rows.clear(); }
    void addRow(const QString &text, const QString &path) override
    {
        rows.append({text, path});
        std::sort(rows.begin(), rows.end());
    }
    int rowCount() const override { return int(rows.size()); }
    QString rowPath(int row) const override { return rows.at(row).second; }
    bool isSelected(int) const override { return true; }
    void removeRow(int row) override { rows.removeAt(row); }
    platform::Progress &progress() override { return bar_; }

private:
    RecordingProgress bar_;
};

// Scans Staging as Staging mode shows it. False when the scan ended the program (a second
// aircraft.cfg).
inline bool scanStaging(RecordingContext &test)
{
    test.state.InStowbayMode = false;
    try {
        ScanPackage(test, test.state.StagingDir);
    } catch (const ShutDownRequest &) {
        return false;
    }
    return true;
}

// Scans a stored package as Stowbay mode shows it; false as for scanStaging.
inline bool scanStored(RecordingContext &test, const QString &packageFolder)
{
    test.state.InStowbayMode = true;
    try {
        ScanPackage(test, packageFolder);
    } catch (const ShutDownRequest &) {
        return false;
    }
    return true;
}

// Go in either mode; false when the action ended the program.
inline bool runStaging(RecordingContext &test, WindowStandIn &window, StagingAction action)
{
    try {
        window.show(test, DoStagingAction(test, action, window.selection()));
    } catch (const ShutDownRequest &) {
        return false;
    }
    return true;
}

inline bool runStowbay(RecordingContext &test, WindowStandIn &window, StowbayAction action)
{
    try {
        window.show(test, DoStowbayAction(test, action, window.selection()));
    } catch (const ShutDownRequest &) {
        return false;
    }
    return true;
}

// Lists the unused gauges and deletes every one listed.
inline void deleteAllUnusedGauges(RecordingContext &test)
{
    AllSelectedGaugesView view;
    ListUnusedGauges(test, view);
    if (view.rowCount() > 0)
        DeleteSelectedGauges(test, view);
}
