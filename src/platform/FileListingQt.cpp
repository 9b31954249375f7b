#include "platform/SystemSpecific.h"

#include <QDir>

namespace platform {

QList<DirEntry> system::readDirectory(const QString &dir, bool *ok, ListDetail detail,
                                      HiddenEntries hidden)
{
    Q_UNUSED(detail); // every attribute comes with the listing
    QList<DirEntry> entries;
    const QFileInfo dirInfo(dir);
    const bool listable = dirInfo.isDir() && dirInfo.isReadable();
    if (ok)
        *ok = listable;
    if (!listable)
        return entries;

    // System brings in broken links; without Hidden, names beginning with "." stay out.
    const QFileInfoList infos = QDir(dir).entryInfoList(
        QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::NoSort);
    entries.reserve(infos.size());
    for (const QFileInfo &info : infos) {
        if (hidden == HiddenEntries::Skip && info.fileName().startsWith(QLatin1Char('.')))
            continue;
        entries.append({info.fileName(), attributesOf(info.filePath())});
    }
    return entries;
}

QStringList entryNames(const QString &dir)
{
    QStringList names;
    for (const DirEntry &entry : listDirectory(dir, nullptr, ListDetail::FolderTest))
        names.append(entry.name);
    return names;
}

bool system::ownerWritable(const QFileInfo &info)
{
    return info.permissions().testFlag(QFileDevice::WriteOwner);
}

} // namespace platform
