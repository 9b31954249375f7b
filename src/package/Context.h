#pragma once

#include "package/PackageListView.h"
#include "package/PackageView.h"
#include "package/SharedState.h"
#include "platform/ActivityLog.h"
#include "platform/Choices.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramLauncher.h"
#include "platform/Progress.h"

// What the logic works with: the shared state and the interfaces through which it reaches the
// user. The application builds one from its windows; tests build one from scripted fakes.
struct Context {
    SharedState &state;
    platform::MessageBoxes &messages;
    PackageView &view;
    platform::Progress &progress;
    platform::ConfigChooser &configChooser;
    PackageListView &packageList;
    platform::ProgramLauncher &launcher;
    // Where each action's changes are recorded (see ActivityRecording.h).
    platform::ActivityLog &activityLog;
};
