#include "install/Aliases.h"

#include "package/Files.h"
#include "package/FolderLayout.h"
#include "platform/FileCopy.h"
#include "platform/FileListing.h"
#include "platform/FileWriting.h"
#include "platform/TextFile.h"

namespace {

const QString kDone = QStringLiteral("Done.");
const QString kPasteProblem =
    QStringLiteral("Problem encountered.  The file(s) may be set to READ ONLY mode (i.e. CD ROM).");
const QString kRestoreProblem = QStringLiteral("Problem encountered.  The file or directory may "
                                               "be set to READ ONLY mode (i.e. CD ROM).");

QString &clipOf(SharedState &state, AliasKind kind)
{
    return kind == AliasKind::Panel ? state.PanelAliasClip : state.SoundAliasClip;
}

// panel.cfg (sound.cfg), which an alias replaces, and oldpanel.cfg (oldsound.cfg), which keeps it.
ConfigFile currentFile(AliasKind kind)
{
    return kind == AliasKind::Panel ? ConfigFile::Panel : ConfigFile::Sound;
}

ConfigFile keptFile(AliasKind kind)
{
    return kind == AliasKind::Panel ? ConfigFile::OldPanel : ConfigFile::OldSound;
}

// The package's Panel (Sound) folder in the store and the two files an alias works with.
struct KindFiles {
    QString packageFolder; // the stored package's folder, the only one these actions delete in
    QString current;       // panel.cfg
    QString kept;          // oldpanel.cfg

    KindFiles(const SharedState &state, AliasKind kind, const QString &category,
              const QString &package)
    {
        const FolderLayout layout(state);
        packageFolder = layout.packageFolder(category, package);
        current = layout.storedConfigFile(category, package, currentFile(kind));
        kept = layout.storedConfigFile(category, package, keptFile(kind));
    }
};

// An installed package's files are in use by the simulator; only its stored copy would change.
bool refusedWhileInstalled(Context &context, const QString &package, const QString &doing,
                           const QString &kindName)
{
    if (!FolderLayout(context.state).isInstalled(package))
        return false;
    context.messages.inform(QStringLiteral("This package is installed in Flight Simulator.  "
                                           "Please remove it from MSFS before ") +
                            doing + QStringLiteral(" the ") + kindName +
                            QStringLiteral(".cfg file."));
    return true;
}

} // namespace

void CreateAlias(Context &context, AliasKind kind, const QString &package)
{
    SharedState &state = context.state;
    const QString name = aliasKindName(kind);
    if (!PackageHasFile(state, configFileName(currentFile(kind)))) {
        context.messages.inform(QStringLiteral("The current package does not contain a ") + name +
                                QStringLiteral(".cfg file.  Cannot create ") + name +
                                QStringLiteral(" alias."));
        return;
    }
    // An alias of an alias would send the simulator on to a third aircraft.
    if (kind == AliasKind::Panel && !state.PanelAlias.isEmpty()) {
        context.messages.inform(QStringLiteral(
            "This package uses a panel alias as displayed above the package name.  Creating a "
            "panel alias for a panel.cfg file that uses an alias itself is not permitted."));
        return;
    }
    if (kind == AliasKind::Sound && !state.SoundAlias.isEmpty()) {
        context.messages.inform(QStringLiteral(
            "This package uses a sound alias already.  Creating a sound alias for a sound.cfg "
            "file that uses an alias itself is not permitted."));
        return;
    }
    clipOf(state, kind) = aliasTarget(package, kind);
    // The option named in the middle is the panel one for both kinds, as users know the text.
    context.messages.inform(
        QStringLiteral("Done.  Now you can easily create a new ") + name +
        QStringLiteral(".cfg file containing the created alias for any package (aircraft) by "
                       "selecting the package and picking the 'Paste panel alias' option.  The "
                       "old ") +
        name + QStringLiteral(".cfg file, if it exists, will be renamed to old") + name +
        QStringLiteral(".cfg and can be easily restored by picking the 'Restore old ") + name +
        QStringLiteral("' option."));
}

void PasteAlias(Context &context, AliasKind kind, const QString &category, const QString &package)
{
    const SharedState &state = context.state;
    const QString name = aliasKindName(kind);
    const QString clip = clipOf(context.state, kind);
    if (clip.isEmpty()) {
        context.messages.inform(QStringLiteral("You'll have to use the 'Create ") + name +
                                QStringLiteral(" alias' option on a package with the required ") +
                                name + QStringLiteral(" configuration first."));
        return;
    }
    if (clip == aliasTarget(package, kind)) {
        context.messages.inform(QStringLiteral("You cannot paste a ") + name +
                                QStringLiteral(" alias to the package where you got the alias!"));
        return;
    }
    if (refusedWhileInstalled(context, package, QStringLiteral("replacing"), name))
        return;

    const KindFiles files(state, kind, category, package);
    bool keptNow = false;
    if (PackageHasFile(state, configFileName(currentFile(kind)))) {
        // The kept file is the package's own configuration from the first paste; the disk, not
        // the last scan, decides whether it is there, so it is never overwritten.
        if (!platform::entryExists(files.kept)) {
            if (!platform::copyFile(files.current, files.kept).ok) {
                context.messages.inform(kPasteProblem);
                return;
            }
            keptNow = true;
        }
    }
    // The alias file replaces the current one whole, so a failed write leaves it as it was; a
    // copy kept by this paste goes again then.
    if (!platform::writeTextLines(files.current,
                                  {QStringLiteral("[fltsim]"), QStringLiteral("alias=") + clip})) {
        if (keptNow)
            RemoveFile(context.messages, RemovalArea(files.packageFolder), files.kept,
                       Disposal::Delete);
        context.messages.inform(kPasteProblem);
        return;
    }
    context.messages.inform(kDone);
}

void RestoreOldCfg(Context &context, AliasKind kind, const QString &category,
                   const QString &package)
{
    const SharedState &state = context.state;
    const QString name = aliasKindName(kind);
    if (!PackageHasFile(state, configFileName(keptFile(kind)))) {
        context.messages.inform(QStringLiteral("This package does not contain an old") + name +
                                QStringLiteral(".cfg file to restore."));
        return;
    }
    if (refusedWhileInstalled(context, package, QStringLiteral("restoring"), name))
        return;

    const KindFiles files(state, kind, category, package);
    // The kept file takes the current one's place in one rename: restored whole, or not at all,
    // never the restored file beside a kept copy that could not go.
    if (!platform::renameEntry(files.kept, files.current, platform::Existing::Replace).ok) {
        context.messages.inform(kRestoreProblem);
        return;
    }
    context.messages.inform(kDone);
}
