#pragma once

#include "package/Context.h"

// The user's side of the operations the benchmark times that no window of its own shows:
// every question answered Ok, the component lists and pictures left unshown.
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

class NoChoice : public platform::ConfigChooser {
public:
    std::optional<int> choose(const QStringList &) override { return std::nullopt; }
};

class NoLauncher : public platform::ProgramLauncher {
public:
    void openTextFile(const QString &) override {}
    void openFolder(const QString &) override {}
    bool startSystemInformation() override { return false; }
};

} // namespace bench
