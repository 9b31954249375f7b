#pragma once

#include "package/Context.h"
#include "platform/ActivityLog.h"

#include <QString>

// The activity log's file: activity.log in the program's state folder.
QString activityLogPath(const SharedState &state);

// Records what the action named (an option's caption, a tool's name, "Start-up") changes in the
// three locations, from now until the scope ends, in the activity log. The one who runs the
// action owns the scope.
platform::ActivityScope recordActivity(Context &context, const QString &action);
