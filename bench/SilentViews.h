#pragma once

#include "package/Context.h"
#include "tools/UnusedGaugesView.h"

// The user's side of the operations the benchmark times: every question answered Ok, nothing
// shown. Unused-gauge rows are counted so that a run can be checked.
namespace bench {

class SilentMessages : public platform::MessageBoxes {
public:
    platform::Answer show(const QString &, platform::Buttons, const QStringList &) override
    {
        return platform::Answer::Ok;
    }
};

class SilentView : public PackageView {
public:
    void showPlaceholderPicture() override {}
    void showPicture(const QString &) override {}
    void setPagingEnabled(bool) override {}
    void setRows(int, const QStringList &) override {}
    void setTabAvailable(int, bool) override {}
    void setPanelAliasCaptions(const QString &, const QString &) override {}
    void setSoundAliasCaptions(const QString &, const QString &) override {}
    void setCaption(const QString &) override {}
};

class SilentProgress : public platform::Progress {
public:
    void show(int, int) override {}
    void setValue(int) override {}
    void hide() override {}
};

class NoChoice : public platform::ConfigChooser {
public:
    std::optional<int> choose(const QStringList &) override { return std::nullopt; }
};

class SilentPackageList : public PackageListView {
public:
    void setCaption(const QString &) override {}
    void setRows(const QStringList &) override {}
    int rowCount() const override { return 0; }
    bool isShown() const override { return false; }
    void showAt(const WindowGeometry &) override {}
};

class NoLauncher : public platform::ProgramLauncher {
public:
    void openTextFile(const QString &) override {}
    void openFolder(const QString &) override {}
    bool startSystemInformation() override { return false; }
};

class CountingGaugesView : public UnusedGaugesView {
public:
    void open() override { rows = 0; }
    void addRow(const QString &, const QString &) override { ++rows; }
    int rowCount() const override { return rows; }
    QString rowPath(int) const override { return {}; }
    bool isSelected(int) const override { return false; }
    void removeRow(int) override {}
    platform::Progress &progress() override { return progress_; }

    int rows = 0;

private:
    SilentProgress progress_;
};

// A Context over one shared state, with the silent views above.
struct SilentContext {
    SharedState state;
    SilentMessages messages;
    SilentView view;
    SilentProgress progress;
    NoChoice chooser;
    SilentPackageList packageList;
    NoLauncher launcher;
    platform::ActivityLog activityLog;
    Context context{state, messages, view, progress, chooser, packageList, launcher, activityLog};
};

} // namespace bench
