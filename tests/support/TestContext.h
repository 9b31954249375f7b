#pragma once

#include "Fakes.h"
#include "ScriptedMessageBoxes.h"
#include "package/Context.h"

#include <QTemporaryDir>

#include <utility>

// A state whose StateDir is the given folder: copies keep their records there.
inline SharedState stateWithStateDir(const QTemporaryDir &folder)
{
    SharedState state;
    state.StateDir = folder.path() + QLatin1Char('/');
    return state;
}

// A Context built from fakes; each test makes its own. The message boxes (and the configuration
// chooser) are a parameter: scripted ones expect each box, recording ones answer all alike.
template <typename Boxes, typename Chooser = ScriptedConfigChooser> struct FakeContext {
    template <typename... BoxArguments>
    explicit FakeContext(BoxArguments &&...arguments)
        : messages(std::forward<BoxArguments>(arguments)...)
    {
    }

    QTemporaryDir stateFolder;
    SharedState state = stateWithStateDir(stateFolder);
    Boxes messages;
    RecordingPackageView view;
    RecordingProgress progress;
    Chooser configChooser;
    RecordingPackageListView packageList;
    RecordingLauncher launcher;
    platform::ActivityLog activityLog;
    Context context{state,         messages,    view,     progress,
                    configChooser, packageList, launcher, activityLog};

    operator Context &() { return context; }
};

using TestContext = FakeContext<ScriptedMessageBoxes>;
