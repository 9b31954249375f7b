#include "package/LocationSafety.h"

#include "package/Context.h"
#include "platform/PathIdentity.h"

#include <QDir>

#include <array>

namespace {

struct Location {
    QString title; // "the Staging folder /home/me/Staging/"
    QString canonical;
    bool emptiedWhole = false;
};

QString clashOf(const Location &location, const QString &home)
{
    const QString &folder = location.canonical;
    if (QDir(folder).isRoot() || (location.emptiedWhole && platform::isFileSystemRoot(folder)))
        return location.title + QStringLiteral(" is the top folder of a drive");
    if (folder == home)
        return location.title + QStringLiteral(" is your home folder");
    if (platform::isSameOrInside(home, folder))
        return location.title + QStringLiteral(" holds your home folder");
    return {};
}

QString clashBetween(const Location &first, const Location &second)
{
    if (first.canonical == second.canonical)
        return first.title + QStringLiteral(" and ") + second.title +
               QStringLiteral(" are the same folder");
    if (platform::isSameOrInside(second.canonical, first.canonical))
        return second.title + QStringLiteral(" lies inside ") + first.title;
    if (platform::isSameOrInside(first.canonical, second.canonical))
        return first.title + QStringLiteral(" lies inside ") + second.title;
    return {};
}

} // namespace

QString locationsClash(const SharedState &state)
{
    const std::array<Location, 3> all = {
        Location{QStringLiteral("the Staging folder ") + state.StagingDir,
                 platform::canonicalPath(state.StagingDir), true},
        Location{QStringLiteral("the Stowbay folder ") + state.StowbayDir,
                 platform::canonicalPath(state.StowbayDir)},
        Location{QStringLiteral("the MSFS folder ") + state.MsfsDir,
                 platform::canonicalPath(state.MsfsDir)},
    };
    const QString home = platform::homeFolder();
    for (const Location &location : all) {
        if (location.canonical.isEmpty())
            continue;
        if (const QString clash = clashOf(location, home); !clash.isEmpty())
            return clash;
    }
    for (std::size_t i = 0; i < all.size(); ++i) {
        for (std::size_t j = i + 1; j < all.size(); ++j) {
            if (all[i].canonical.isEmpty() || all[j].canonical.isEmpty())
                continue;
            if (const QString clash = clashBetween(all[i], all[j]); !clash.isEmpty())
                return clash;
        }
    }
    return {};
}

QString locationsRefusedMessage(const QString &clash)
{
    return QStringLiteral("Wingstash cannot use these locations, because ") + clash +
           QStringLiteral(".  Please choose three separate folders, none inside another and "
                          "none holding your home folder.");
}

bool refusedWhileLocationsClash(Context &context)
{
    const QString clash = locationsClash(context.state);
    if (clash.isEmpty())
        return false;
    context.messages.inform(locationsRefusedMessage(clash));
    return true;
}
