#pragma once

#include "Fakes.h"
#include "ScriptedMessageBoxes.h"
#include "package/Context.h"

#include <QTemporaryDir>

// A state whose StateDir is the given folder: copies keep their records there.
inline SharedState stateWithStateDir(const QTemporaryDir &folder)
{
    SharedState state;
    state.StateDir = folder.path() + QLatin1Char('/');
    return state;
}

// A Context built from scripted fakes; each test makes its own.
struct TestContext {
    QTemporaryDir stateFolder;
    SharedState state = stateWithStateDir(stateFolder);
    ScriptedMessageBoxes messages;
    RecordingPackageView view;
    RecordingProgress progress;
    ScriptedConfigChooser configChooser;
    RecordingPackageListView packageList;
    RecordingLauncher launcher;
    Context context{state, messages, view, progress, configChooser, packageList, launcher};

    operator Context &() { return context; }
};
