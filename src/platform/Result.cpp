#include "platform/Result.h"

namespace platform {

QString asSentence(const QString &error)
{
    QString text = error.trimmed();
    if (text.isEmpty())
        text = QStringLiteral("The reason is unknown");
    if (!text.endsWith(QLatin1Char('.')))
        text += QLatin1Char('.');
    return text;
}

} // namespace platform
