#include "DiskSnapshot.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>

DiskSnapshot snapshotOf(const QString &root)
{
    DiskSnapshot snapshot;
    QDirIterator it(root, QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        const QString relative = QDir(root).relativeFilePath(path);
        // The activity log grows with every run, recovery included: not what an action changes.
        if (it.fileName().startsWith(QStringLiteral("activity.log")))
            continue;
        if (info.isSymLink()) {
            snapshot.insert(relative, QStringLiteral("link:") + info.symLinkTarget());
        } else if (info.isDir()) {
            snapshot.insert(relative, QStringLiteral("dir"));
        } else {
            QFile file(path);
            QCryptographicHash hash(QCryptographicHash::Sha1);
            if (file.open(QIODevice::ReadOnly))
                hash.addData(&file);
            snapshot.insert(relative, QStringLiteral("file:") + hash.result().toHex());
        }
    }
    return snapshot;
}

QStringList differences(const DiskSnapshot &before, const DiskSnapshot &after)
{
    // Every entry has a value, so an entry on one side only differs from the other's "".
    QStringList changed;
    for (const QString &path : QSet<QString>(before.keyBegin(), before.keyEnd()) +
                                   QSet<QString>(after.keyBegin(), after.keyEnd())) {
        if (before.value(path) != after.value(path))
            changed.append(path);
    }
    changed.sort();
    return changed;
}

QStringList temporaryLeftovers(const DiskSnapshot &snapshot)
{
    QStringList leftovers;
    for (auto it = snapshot.cbegin(); it != snapshot.cend(); ++it) {
        if (QFileInfo(it.key()).fileName().startsWith(QStringLiteral(".wingstash-")))
            leftovers.append(it.key());
    }
    return leftovers;
}
