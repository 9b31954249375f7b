#include "package/ActionOutcome.h"

#include "package/PackageCopy.h"

bool handOverTaken(Context &context, const QString &question, const QString &copy,
                   const QStringList &details)
{
    return context.messages.confirmYes(question, details) && CopyIsOnDisk(context, copy);
}
