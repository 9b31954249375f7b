#include "package/CfgUsers.h"

#include "package/Files.h"
#include "package/ListWindowPlace.h"
#include "package/Walk.h"
#include "platform/CaseLookup.h"
#include "platform/TextFile.h"

namespace {

// "\panel\panel.cfg" and "\sound\sound.cfg" are both this long, so cutting it off a user's
// path leaves the aircraft folder.
constexpr int kCfgTailLength = 16;

QString userFolderOf(const QString &lowerPath)
{
    return FileNameOf(lowerPath.left(qMax(0, lowerPath.size() - kCfgTailLength)), false);
}

} // namespace

QString unreadableCfgMessage(const QStringList &paths, const QString &kind)
{
    const QString consequence =
        QStringLiteral("counts the aircraft there as users of this package's ") + kind;
    if (paths.size() == 1)
        return QStringLiteral("Wingstash could not read ") + paths.first() +
               QStringLiteral(", so it ") + consequence + QLatin1Char('.');
    return QStringLiteral("Wingstash could not read these files and folders, so it ") +
           consequence + QStringLiteral(":\r\n\r\n") + paths.join(QStringLiteral("\r\n"));
}

bool FindCfgUsers(Context &context, const QString &root, const QString &cfgName,
                  const QString &text, bool show)
{
    // A search that guards a removal: it reads every file it can reach, and what it cannot read
    // counts as a user.
    const std::function<void()> stillWorking = [&] { context.progress.stillWorking(); };
    const ReachableFiles reached =
        reachableFilesNamed(platform::resolveCase(root), cfgName, stillWorking);
    const QString needle = text.toLower();
    QStringList unreadable = reached.unreadable;
    bool found = false;
    QStringList users;
    for (const PackageFile &file : reached.files) {
        if (!show && (found || !unreadable.isEmpty()))
            break;
        const bool read = platform::forEachLine(file.realPath, [&](const QString &line) {
            if (!line.toLower().contains(needle))
                return true;
            found = true;
            if (show)
                users.append(userFolderOf(file.path));
            return show; // without a listing the first match settles it
        });
        if (!read)
            unreadable.append(file.realPath);
        stillWorking();
    }
    if (show && !unreadable.isEmpty())
        context.messages.inform(unreadableCfgMessage(unreadable, cfgName.left(5)));
    if (show && !users.isEmpty()) {
        context.packageList.setCaption(cfgName.left(5) + QStringLiteral(" used in ..."));
        context.packageList.setRows(users);
        context.packageList.showAt(rememberedListWindowPlace(context.state));
    }
    return found || !unreadable.isEmpty();
}

QStringList cfgLinesBelow(const QString &root, const QString &cfgName)
{
    QStringList lines;
    for (const PackageFile &file : filesNamed(platform::resolveCase(root), cfgName)) {
        platform::forEachLine(file.realPath, [&](const QString &line) {
            lines.append(line.toLower());
            return true;
        });
    }
    return lines;
}

bool anyLineContains(const QStringList &lowerLines, const QString &text)
{
    const QString needle = text.toLower();
    for (const QString &line : lowerLines) {
        if (line.contains(needle))
            return true;
    }
    return false;
}
