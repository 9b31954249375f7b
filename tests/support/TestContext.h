#pragma once

#include "Fakes.h"
#include "ScriptedMessageBoxes.h"
#include "package/Context.h"

// A Context built from scripted fakes; each test makes its own.
struct TestContext {
    SharedState state;
    ScriptedMessageBoxes messages;
    RecordingPackageView view;
    RecordingProgress progress;
    ScriptedConfigChooser configChooser;
    RecordingPackageListView packageList;
    RecordingLauncher launcher;
    Context context{state, messages, view, progress, configChooser, packageList, launcher};

    operator Context &() { return context; }
};
