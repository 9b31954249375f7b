#include "package/ActionOutcome.h"

#include "package/PackageCopy.h"

bool handOverTaken(Context &context, const QString &question, const QString &copy)
{
    return context.messages.confirmYes(question) && CopyIsOnDisk(context, copy);
}
