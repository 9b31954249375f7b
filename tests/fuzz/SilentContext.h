#pragma once

#include "package/Context.h"

// A Context whose user answers every question with OK or Yes and sees nothing, for fuzzing
// whole actions.
struct SilentContext {
    struct Messages : platform::MessageBoxes {
        platform::Answer show(const QString &, platform::Buttons buttons) override
        {
            return buttons == platform::Buttons::YesNo ? platform::Answer::Yes
                                                       : platform::Answer::Ok;
        }
    };
    struct View : PackageView {
        void showPlaceholderPicture() override {}
        void showPicture(const QString &) override {}
        void setPagingEnabled(bool) override {}
        void setRows(int, const QStringList &) override {}
        void setTabAvailable(int, bool) override {}
        void setPanelAliasCaptions(const QString &, const QString &) override {}
        void setSoundAliasCaptions(const QString &, const QString &) override {}
        void setCaption(const QString &) override {}
    };
    struct Bar : platform::Progress {
        void show(int, int) override {}
        void setValue(int) override {}
        void hide() override {}
    };
    struct Chooser : platform::ConfigChooser {
        std::optional<int> choose(const QStringList &) override { return 0; }
    };
    struct PackageList : PackageListView {
        void setCaption(const QString &) override {}
        void setRows(const QStringList &) override {}
        int rowCount() const override { return 0; }
        bool isShown() const override { return false; }
        void showAt(const WindowGeometry &) override {}
    };
    struct Launcher : platform::ProgramLauncher {
        void openTextFile(const QString &) override {}
        void openFolder(const QString &) override {}
        bool startSystemInformation() override { return false; }
    };

    SharedState state;
    Messages messages;
    View view;
    Bar progress;
    Chooser configChooser;
    PackageList packageList;
    Launcher launcher;
    Context context{state, messages, view, progress, configChooser, packageList, launcher};
};
