#include "platform/SystemSpecific.h"

#include <QFile>
#include <QSaveFile>

namespace platform {

// Without the Unix calls every copy, new or replacing, goes to a temporary file (QSaveFile)
// that takes the destination's place only when complete.
Result system::copyFound(const QString &source, const QString &target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return {false, in.exists() ? in.errorString() : kFileNotFound};

    bool targetExists = false;
    if (attributesOf(target, &targetExists) & ReadOnly)
        return {false, kAccessDenied}; // Windows refuses to overwrite a read-only file
    if (!targetExists && !QFileInfo(QFileInfo(target).path()).isDir())
        return {false, kPathNotFound};

    QSaveFile out(target);
    out.setDirectWriteFallback(false);
    if (!out.open(QIODevice::WriteOnly))
        return {false, out.errorString()};

    QByteArray buffer(1 << 16, Qt::Uninitialized);
    for (;;) {
        const qint64 got = in.read(buffer.data(), buffer.size());
        if (got < 0)
            return {false, in.errorString()};
        if (got == 0)
            break;
        if (out.write(buffer.constData(), got) != got)
            return {false, out.errorString()};
    }
    if (!out.flush())
        return {false, out.errorString()};
    out.setFileTime(QFileInfo(in).lastModified(), QFileDevice::FileModificationTime);
    if (!out.commit())
        return {false, out.errorString()};
    return {};
}

} // namespace platform
