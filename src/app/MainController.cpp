#include "app/MainController.h"

#include "app/PackageNameCleaning.h"
#include "install/StoreActions.h"
#include "intake/ArchiveUnpack.h"
#include "intake/StagingActions.h"
#include "package/ActivityRecording.h"
#include "package/Files.h"
#include "package/FolderLayout.h"
#include "package/Scan.h"
#include "package/Store.h"
#include "tools/PackageList.h"

namespace {

const QString kStagingHeader = QStringLiteral("Staging");
const QString kStowbayHeader = QStringLiteral("Stowbay");

int findIgnoringCase(const QStringList &entries, const QString &text)
{
    for (int i = 0; i < entries.size(); ++i) {
        if (QString::compare(entries.at(i), text, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString entryAt(const QStringList &entries, int index)
{
    return index >= 0 && index < entries.size() ? entries.at(index) : QString();
}

// The options box's entries for a mode's table, each holding its action.
template <typename Options> QList<OptionEntry> optionEntries(const Options &options)
{
    QList<OptionEntry> entries;
    for (const auto &option : options)
        entries.append({QString::fromLatin1(option.caption), static_cast<int>(option.action)});
    return entries;
}

// The caption an action has in its options box, which the activity log names it by.
template <typename Action> QString captionOf(Action action)
{
    const auto &options = [] {
        if constexpr (std::is_same_v<Action, StowbayAction>)
            return kStowbayOptions;
        else
            return kStagingOptions;
    }();
    for (const auto &option : options) {
        if (option.action == action)
            return QString::fromLatin1(option.caption);
    }
    return {};
}

} // namespace

MainController::MainController(Context &context, MainWindowView &view)
    : context_(context), view_(view)
{
}

QString welcomePicture()
{
    return QStringLiteral(":/welcome");
}

void MainController::showWelcome()
{
    mode_ = MainMode::Welcome;
    view_.setHeader(QStringLiteral("Welcome to Wingstash"));
    view_.showControlsFor(MainMode::Welcome);
    view_.setBackdrop(welcomePicture());
}

void MainController::fillCategoryBox()
{
    view_.setCategories(listCategories(context_.state.StowbayDir));
    selectCategory(view_.categories().isEmpty() ? -1 : 0);
}

void MainController::showStaging()
{
    SharedState &state = context_.state;
    state.InStowbayMode = false;
    ScanPackage(context_, state.StagingDir);
    view_.setOptions(optionEntries(kStagingOptions));
    showWorkMode(MainMode::Staging);

    // Offer the aircraft's title as the name, but never over a name the user typed.
    if (!state.AircraftTitle.isEmpty() && view_.packageNameText().isEmpty() &&
        PackageHasFile(state, QStringLiteral("aircraft.cfg")))
        view_.setPackageNameText(state.AircraftTitle);
}

void MainController::showStowbay(bool rescan)
{
    context_.state.InStowbayMode = true;
    // The boxes are refilled under the mode being left: a package pick scans only when Stowbay
    // was shown already, so entering Stowbay with a rescan scans once.
    categoryPicked();
    if (rescan) {
        if (GetPackageName(packageText()).isEmpty()) {
            // No package chosen: an empty view rather than the category folder's contents as
            // if it were a package.
            ClearPackageView(context_);
            UpdateCaption(context_);
        } else {
            ScanPackage(context_, chosenPackageFolder());
        }
    }
    view_.setOptions(optionEntries(kStowbayOptions));
    showWorkMode(MainMode::Stowbay);
}

void MainController::showWorkMode(MainMode mode)
{
    mode_ = mode;
    const bool stowbay = mode == MainMode::Stowbay;
    view_.setHeader(stowbay ? kStowbayHeader : kStagingHeader);
    view_.setTabColour(stowbay ? 0x0000FFu : 0x404040u);
    view_.setBackdrop(
        FolderLayout(context_.state)
            .picture(stowbay ? ProgramPicture::StowbayMode : ProgramPicture::StagingMode));
    view_.showControlsFor(mode);
}

void MainController::stagingClicked()
{
    showStaging();
}

void MainController::stowbayClicked()
{
    showStowbay(true);
}

void MainController::goToStagingClicked()
{
    showStaging();
    view_.showFirstTab();
}

void MainController::goToStowbayClicked()
{
    view_.showFirstTab();
    showStowbay(true);
}

void MainController::refreshClicked()
{
    if (mode_ == MainMode::Stowbay)
        showStowbay(false);
    else
        showStaging();
}

void MainController::goClicked()
{
    const std::optional<int> chosen = view_.selectedAction();
    if (!chosen)
        return;
    if (mode_ == MainMode::Stowbay) {
        go(static_cast<StowbayAction>(*chosen),
           [this](StowbayAction action) { return DoStowbayAction(context_, action, selection()); });
        return;
    }
    const QString typed = view_.packageNameText();
    if (!typed.isEmpty())
        view_.setPackageNameText(cleanPackageName(typed));
    go(static_cast<StagingAction>(*chosen),
       [this](StagingAction action) { return DoStagingAction(context_, action, selection()); });
}

template <typename Action, typename Run> void MainController::go(Action action, Run run)
{
    for (;;) {
        const ActionOutcome<Action> outcome = [&] {
            const platform::ActivityScope recording = recordActivity(context_, captionOf(action));
            return run(action);
        }();
        if (outcome.packageName)
            view_.setPackageNameText(*outcome.packageName);
        if (outcome.refreshPackageList)
            refreshPackageListIfShown();
        if (!outcome.message.isEmpty())
            context_.messages.inform(outcome.message);
        if (outcome.showModeAgain)
            refreshClicked(); // the mode read from disk again, as Refresh reads it
        const std::optional<HandOver<Action>> &handOver = outcome.handOver;
        if (!handOver || !handOverTaken(context_, handOver->question, handOver->copy,
                                        handOver->details ? handOver->details() : QStringList{}))
            return;
        // The option box shows the option Go goes on with.
        action = handOver->next;
        view_.selectAction(static_cast<int>(action));
    }
}

MainSelection MainController::selection() const
{
    return {categoryText(), view_.categories(), packageText(), view_.packageNameText()};
}

void MainController::selectCategory(int index)
{
    view_.setCategoryIndex(index);
    if (index >= 0)
        categoryPicked();
}

void MainController::selectPackage(int index)
{
    view_.setPackageIndex(index);
    if (index >= 0)
        packagePicked();
}

void MainController::categoryPicked()
{
    const SharedState &state = context_.state;
    const int remembered = view_.packageIndex();
    const QString category = categoryText();
    // Without a category the store root itself would be listed as packages.
    view_.setPackages(category.isEmpty() ? QStringList() : packageBoxEntries(state, category));

    const qsizetype count = view_.packages().size();
    if (count == 0 && mode_ != MainMode::Staging)
        ClearPackageView(context_);
    if (count == 0 || state.FileListSelecting)
        return;
    selectPackage(remembered >= 0 && remembered < count ? remembered : 0);
}

void MainController::packagePicked()
{
    if (mode_ == MainMode::Stowbay && !context_.state.FileListSelecting)
        ScanPackage(context_, chosenPackageFolder());
}

QString MainController::chosenPackageFolder() const
{
    return FolderLayout(context_.state)
        .packageFolder(categoryText(), GetPackageName(packageText()));
}

void MainController::exploreClicked()
{
    const SharedState &state = context_.state;
    const QString name = GetPackageName(packageText());
    if (mode_ == MainMode::Stowbay && !name.isEmpty() &&
        FolderLayout(state).isInstalled(name, InstalledAs::Directory))
        context_.messages.inform(QStringLiteral(
            "WARNING:  This package is currently installed in MSFS.  Any manual changes to this "
            "package in the Stowbay directory may prevent unused gauges from being removed when "
            "you choose to remove the package from MSFS."));
    context_.launcher.openFolder(mode_ == MainMode::Staging ? FolderLayout(state).stagingFolder()
                                                            : chosenPackageFolder());
}

void MainController::allPackagesClicked()
{
    ShowPackageList(context_, view_.categories());
}

void MainController::unpackClicked()
{
    if (!canUnpack())
        return;
    if (const std::optional<QString> archive = view_.chooseArchiveFile())
        unpackArchive(*archive);
}

void MainController::unpackArchive(const QString &archivePath)
{
    if (!canUnpack())
        return;
    bool unpacked = false;
    {
        const platform::ActivityScope recording =
            recordActivity(context_, QStringLiteral("Unpack Add-on into Staging"));
        unpacked = UnpackIntoStaging(context_, archivePath);
    }
    if (unpacked)
        showStaging();
}

void MainController::packageListRowClicked(const QString &rowText)
{
    SharedState &state = context_.state;
    const std::optional<PackageSelection> selection =
        selectionForRow(state, view_.categories(), rowText);
    if (!selection)
        return;

    // The category change fills the package box without choosing or scanning; the package
    // itself is chosen next, which scans it once in Stowbay mode.
    state.FileListSelecting = true;
    const int category = selection->category.isEmpty()
                             ? -1
                             : findIgnoringCase(view_.categories(), selection->category);
    if (category >= 0) {
        selectCategory(category);
    } else {
        view_.setCategoryIndex(-1);
        view_.setPackages({});
    }
    state.FileListSelecting = false;

    const int package = findIgnoringCase(view_.packages(), selection->packageText);
    if (package >= 0)
        selectPackage(package);
    else
        view_.setPackageIndex(-1);
}

QString MainController::categoryText() const
{
    return entryAt(view_.categories(), view_.categoryIndex());
}

QString MainController::packageText() const
{
    return entryAt(view_.packages(), view_.packageIndex());
}

void MainController::refreshPackageListIfShown()
{
    if (context_.packageList.isShown())
        ShowPackageList(context_, view_.categories());
}
