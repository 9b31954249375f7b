#include "package/ActivityRecording.h"

QString activityLogPath(const SharedState &state)
{
    return state.StateDir.isEmpty() ? QString() : state.StateDir + QStringLiteral("activity.log");
}

platform::ActivityScope recordActivity(Context &context, const QString &action)
{
    const SharedState &state = context.state;
    return platform::ActivityScope(context.activityLog, activityLogPath(state), action,
                                   {state.StagingDir, state.StowbayDir, state.MsfsDir});
}
