#include "app/ui/StowbayWindow.h"

#include "app/ui/ComponentViewer.h"
#include "app/ui/MainWindowLayout.h"
#include "platform/qt/Twips.h"
#include "support/Fakes.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TreeBuilder.h"
#include "tools/ui/FileListWindow.h"

#include <QAction>
#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The Locations dialog as a user who types new folders into it.
class RecordingLocationsEditor : public platform::LocationsEditor {
public:
    int shown = 0;
    QString newStowbay, newMsfs;
    void edit(platform::Locations &locations) override
    {
        ++shown;
        if (!newStowbay.isEmpty())
            locations.stowbay = newStowbay;
        if (!newMsfs.isEmpty())
            locations.msfs = newMsfs;
    }
};

// A small real picture; the window loads pictures by content.
QByteArray pictureBytes(Qt::GlobalColor colour)
{
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray aircraftCfg(const char *title)
{
    return QByteArray("[fltsim.0]\r\ntitle=") + title + "\r\nsim=plane\r\n";
}

// The window on real Staging, store, simulator and program folders, with scripted questions.
struct Harness {
    TreeBuilder tree;
    SharedState state;
    ScriptedMessageBoxes messages;
    ScriptedConfigChooser chooser;
    RecordingLauncher launcher;
    RecordingLocationsEditor locations;
    std::unique_ptr<FileListWindow> fileList;
    std::unique_ptr<StowbayWindow> window;
    int programEnds = 0;

    Harness()
    {
        tree.folder("staging").folder("msfs/aircraft").folder("app");
        tree.file("app/StowbayGrey.jpg", pictureBytes(Qt::gray))
            .file("app/stowbayblue.jpg", pictureBytes(Qt::blue))
            .file("app/StowbayEE.jpg", pictureBytes(Qt::white));
        tree.folder("stowbay/Aircraft - Heavy Jets").folder("stowbay/Aircraft - Light Props");
        state.StagingDir = tree.path("staging/");
        state.StowbayDir = tree.path("stowbay/");
        state.MsfsDir = tree.path("msfs/");
        state.AppDir = tree.path("app/");
    }

    StowbayWindow &open()
    {
        fileList = std::make_unique<FileListWindow>(state);
        window = std::make_unique<StowbayWindow>(
            StowbayWindow::Services{state, messages, chooser, launcher, locations, *fileList});
        window->setProgramEnd([this] { ++programEnds; });
        window->FillCategoryBox();
        window->show();
        return *window;
    }

    template <typename T> T *child(const char *name) const
    {
        T *found = window->findChild<T *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QPushButton *button(const char *name) const { return child<QPushButton>(name); }
    QComboBox *combo(const char *name) const { return child<QComboBox>(name); }
    QTabWidget *tabs() const { return child<QTabWidget>("tabComponents"); }
    QListWidget *list(int kind) const
    {
        return child<QListWidget>(QStringLiteral("lstComponents%1").arg(kind).toLatin1());
    }
    bool shown(const char *name) const { return !child<QWidget>(name)->isHidden(); }
    QString picture(const char *name) const
    {
        return child<QLabel>(name)->property("picturePath").toString();
    }
    void click(const char *name) const { QTest::mouseClick(button(name), Qt::LeftButton); }
    QStringList items(const char *name) const
    {
        QStringList texts;
        for (int i = 0; i < combo(name)->count(); ++i)
            texts << combo(name)->itemText(i);
        return texts;
    }
    QColor tabColour() const { return tabs()->widget(0)->palette().color(QPalette::Window); }
};

} // namespace

TEST(StowbayWindow, EveryControlHasItsNameAndCaption)
{
    Harness h;
    h.open();
    const QList<std::pair<const char *, const char *>> buttons{{"cmdStaging", "Staging"},
                                                               {"cmdStowbay", "Stowbay"},
                                                               {"cmdGoToStaging", "Go To &Staging"},
                                                               {"cmdGoToStowbay", "Go To &Stowbay"},
                                                               {"cmdGo", "&Go!"},
                                                               {"cmdRefresh", "&Refresh"},
                                                               {"cmdExplore", "&Explore"},
                                                               {"cmdImgNext", "-->"},
                                                               {"cmdImgPrevious", "<--"}};
    for (const auto &[name, caption] : buttons)
        EXPECT_EQ(h.button(name)->text(), QLatin1String(caption)) << name;
    for (const auto &[name, caption] :
         QList<std::pair<const char *, const char *>>{{"lblPackageCategory", "Package Category"},
                                                      {"lblPackageName", "Package Name"},
                                                      {"lblOptions", "Options"}})
        EXPECT_EQ(h.child<QLabel>(name)->text(), QLatin1String(caption));
    for (const char *name :
         {"lblPanelAliasUsed1", "lblPanelAliasUsed2", "lblSoundAliasUsed1", "lblSoundAliasUsed2"})
        h.child<QLabel>(name);

    const QFont header = h.child<QLabel>("lblHeader")->font();
    EXPECT_TRUE(header.bold());
    EXPECT_DOUBLE_EQ(header.pointSizeF(), 21.75);
    EXPECT_EQ(header.family(), "Arial");

    const QStringList captions{"&Images", "&Aircraft",      "&Panel",
                               "&Gauge",  "&Model",         "Te&xture",
                               "S&ound",  "&Documentation", "&&Unrecognized Files"};
    QStringList tabTexts;
    for (int kind = 0; kind < h.tabs()->count(); ++kind)
        tabTexts << h.tabs()->tabText(kind);
    EXPECT_EQ(tabTexts, captions);
    for (int kind = 1; kind <= 8; ++kind) {
        EXPECT_FALSE(h.list(kind)->isSortingEnabled());
        EXPECT_EQ(h.list(kind)->parentWidget(), h.tabs()->widget(kind));
    }

    const QList<std::tuple<const char *, const char *, bool>> actions{
        {"mnuLocations", "&Locations", true},
        {"mnuExit", "&Exit", true},
        {"mnuAllPackages", "List &all packages in Stowbay", true},
        {"mnuUnusedGauges", "List &unused gauges in MSFS Gauges directory", false},
        {"mnuAbout", "&About", false},
        {"mnuReadMe", "&Read me", true}};
    for (const auto &[name, caption, enabled] : actions) {
        const QAction *action = h.child<QAction>(name);
        EXPECT_EQ(action->text(), QLatin1String(caption));
        EXPECT_EQ(action->isEnabled(), enabled) << name;
    }
}

TEST(StowbayWindow, StartsInTheWelcomeStateThenShowsAnEmptyStowbayCategory)
{
    Harness h;
    h.open();
    EXPECT_EQ(h.child<QLabel>("lblHeader")->text(), "Welcome to Wingstash");
    EXPECT_EQ(h.child<QLabel>("lblChooseOne")->text(),
              "Please choose one of the following to get started:");
    for (const char *name : {"lblHeader", "lblChooseOne", "cmdStaging", "cmdStowbay", "imgStowbay"})
        EXPECT_TRUE(h.shown(name)) << name;
    for (const char *name :
         {"cmdGoToStaging", "cmdGoToStowbay", "txtPackageName", "cboPackageName",
          "cboPackageCategory", "cboOptions", "lblPackageCategory", "lblPackageName", "lblOptions",
          "cmdGo", "cmdRefresh", "cmdExplore", "prbProgress", "tabComponents"})
        EXPECT_FALSE(h.shown(name)) << name;
    EXPECT_EQ(h.window->windowTitle(), "Wingstash");
    // The category box is filled, but nothing is scanned before a mode is chosen.
    EXPECT_EQ(h.items("cboPackageCategory"),
              QStringList({"Aircraft - Heavy Jets", "Aircraft - Light Props"}));
    EXPECT_EQ(h.combo("cboPackageCategory")->currentIndex(), 0);

    // Stowbay mode on an empty category shows an empty view.
    h.click("cmdStowbay");

    EXPECT_EQ(h.child<QLabel>("lblHeader")->text(), "Stowbay");
    EXPECT_TRUE(h.state.InStowbayMode);
    EXPECT_EQ(h.combo("cboOptions")->count(), 12);
    EXPECT_EQ(h.combo("cboOptions")->itemText(11), "Restore old SOUND");
    EXPECT_EQ(h.combo("cboOptions")->currentIndex(), 0);
    EXPECT_TRUE(h.shown("cboPackageName"));
    EXPECT_TRUE(h.shown("cmdGoToStaging"));
    EXPECT_FALSE(h.shown("txtPackageName"));
    EXPECT_FALSE(h.shown("cmdGoToStowbay"));
    EXPECT_EQ(h.tabColour(), QColor(0, 0, 0xFF));
    EXPECT_EQ(h.picture("imgStowbay"), h.tree.path("app/stowbayblue.jpg"));

    EXPECT_EQ(h.combo("cboPackageName")->count(), 0);
    EXPECT_EQ(h.combo("cboPackageName")->currentIndex(), -1);
    for (int kind = 0; kind < 9; ++kind)
        EXPECT_FALSE(h.tabs()->isTabEnabled(kind)) << kind;
    EXPECT_EQ(h.picture("imgImageBox"), h.tree.path("app/StowbayEE.jpg"));
    EXPECT_EQ(h.window->windowTitle(), "Wingstash");

    h.messages.expectOk("Please select a package first.");
    h.click("cmdGo");

    // Missing window pictures show nothing.
    Harness bare;
    QFile::remove(bare.tree.path("app/stowbayblue.jpg"));
    QFile::remove(bare.tree.path("app/StowbayEE.jpg"));
    bare.open();
    bare.click("cmdStowbay");
    EXPECT_TRUE(bare.child<QLabel>("imgStowbay")->pixmap().isNull());
    EXPECT_TRUE(bare.child<QLabel>("imgImageBox")->pixmap().isNull());
}

TEST(StowbayWindow, StagingModeShowsTheSortedAddOn)
{
    Harness h;
    h.tree.file("staging/Panel/panel.cfg", "[Window00]\r\n")
        .file("staging/model/b.mdl")
        .file("staging/model/a.mdl")
        .file("staging/readme.txt")
        .file("staging/shot.jpg", pictureBytes(Qt::red));
    h.open();
    h.click("cmdStaging");

    EXPECT_EQ(h.child<QLabel>("lblHeader")->text(), "Staging");
    EXPECT_FALSE(h.state.InStowbayMode);
    EXPECT_EQ(h.items("cboOptions"),
              QStringList({"Copy package to Stowbay", "Remove ALL from Staging",
                           "Remove current IMAGE", "Remove PANEL from Staging",
                           "Remove AIRCRAFT from Staging", "Remove SOUND from Staging"}));
    EXPECT_EQ(h.combo("cboOptions")->currentIndex(), 0);
    for (const char *name : {"cmdGoToStowbay", "txtPackageName", "cboPackageCategory", "cboOptions",
                             "cmdGo", "cmdRefresh", "cmdExplore", "tabComponents", "lblPackageName",
                             "lblPackageCategory", "lblOptions"})
        EXPECT_TRUE(h.shown(name)) << name;
    for (const char *name : {"cmdGoToStaging", "cboPackageName", "cmdStaging", "cmdStowbay",
                             "lblChooseOne", "prbProgress"})
        EXPECT_FALSE(h.shown(name)) << name;
    EXPECT_EQ(h.tabColour(), QColor(0x40, 0x40, 0x40));
    EXPECT_EQ(h.picture("imgStowbay"), h.tree.path("app/StowbayGrey.jpg"));

    EXPECT_EQ(h.list(Model)->count(), 2);
    EXPECT_EQ(h.list(Model)->item(0)->text(), "a.mdl");
    EXPECT_EQ(h.list(Panel)->item(0)->text(), "panel.cfg");
    EXPECT_TRUE(h.tabs()->isTabEnabled(Images));
    EXPECT_TRUE(h.tabs()->isTabEnabled(Model));
    EXPECT_FALSE(h.tabs()->isTabEnabled(Sound));
    EXPECT_FALSE(h.button("cmdImgNext")->isEnabled()); // a single picture
    EXPECT_EQ(h.picture("imgImageBox"), h.tree.path("staging/shot.jpg"));
    EXPECT_FALSE(h.child<QLabel>("imgImageBox")->pixmap().isNull());
    EXPECT_EQ(h.window->windowTitle(), "Wingstash (Staging Contains Files)");
}

TEST(StowbayWindow, SuggestedTitleFillsOnlyAnEmptyNameBoxAndGoCleansTheName)
{
    Harness h;
    h.tree.file("staging/aircraft.cfg", aircraftCfg("Cessna Skylane"));
    h.open();
    h.click("cmdStaging");
    QLineEdit *name = h.child<QLineEdit>("txtPackageName");
    EXPECT_EQ(name->text(), "Cessna Skylane");

    name->setText("My \"Jet\": A/B*");
    h.click("cmdRefresh");
    EXPECT_EQ(name->text(), "My \"Jet\": A/B*");
    h.combo("cboOptions")->setCurrentIndex(2); // Remove current IMAGE
    h.messages.expectOk("No images available.");
    h.click("cmdGo");
    EXPECT_EQ(name->text(), "My 'Jet'  A B ");
}

TEST(StowbayWindow, RefreshInStowbayModeKeepsTheCategoryAndPackage)
{
    Harness h;
    h.tree.file("stowbay/Aircraft - Light Props/Cub/cub.air")
        .file("stowbay/Aircraft - Light Props/Beaver/beaver.air")
        .folder("msfs/aircraft/Cub");
    h.open();
    QComboBox *category = h.combo("cboPackageCategory");
    category->setCurrentIndex(1);
    emit category->activated(1);
    h.click("cmdStowbay");

    QComboBox *package = h.combo("cboPackageName");
    EXPECT_EQ(h.items("cboPackageName"), QStringList({"Beaver", "< Cub >"}));
    package->setCurrentIndex(1);
    emit package->activated(1);
    EXPECT_EQ(h.list(Aircraft)->item(0)->text(), "cub.air");

    h.click("cmdRefresh");
    EXPECT_EQ(category->currentText(), "Aircraft - Light Props");
    EXPECT_EQ(package->currentText(), "< Cub >");
    EXPECT_EQ(h.list(Aircraft)->count(), 1);
    EXPECT_EQ(h.list(Aircraft)->item(0)->text(), "cub.air");

    // The installed package warns before its store folder opens.
    h.messages.expectOk(
        "WARNING:  This package is currently installed in MSFS.  Any manual changes to this "
        "package in the Stowbay directory may prevent unused gauges from being removed when you "
        "choose to remove the package from MSFS.");
    h.click("cmdExplore");
    EXPECT_EQ(h.launcher.folders, QStringList({h.tree.path("stowbay/Aircraft - Light Props/Cub")}));

    h.messages.expectOk("This option is not available in this version of Wingstash.");
    h.click("cmdGo");
}

TEST(StowbayWindow, ExploreOpensTheStagingFolderOrTheBareCategoryAndReadMeItsFile)
{
    Harness h;
    h.tree.folder("msfs/aircraft/Cub").file("app/readme.txt", "read me");
    h.open();
    h.click("cmdStaging");
    h.click("cmdExplore");
    h.click("cmdGoToStowbay");
    h.click("cmdExplore");
    EXPECT_EQ(h.launcher.folders, QStringList({h.tree.path("staging/"),
                                               h.tree.path("stowbay/Aircraft - Heavy Jets/")}));
    h.child<QAction>("mnuReadMe")->trigger();
    EXPECT_EQ(h.launcher.textFiles, QStringList({h.tree.path("app/readme.txt")}));
}

TEST(StowbayWindow, PagingWrapsBothWays)
{
    Harness h;
    h.tree.file("staging/a.jpg", pictureBytes(Qt::red))
        .file("staging/b.gif", pictureBytes(Qt::green))
        .file("staging/c.jpg", pictureBytes(Qt::blue));
    h.open();
    h.click("cmdStaging");
    ASSERT_EQ(h.state.ComponentFiles.at(Images).size(), 3);
    EXPECT_TRUE(h.button("cmdImgNext")->isEnabled());
    EXPECT_TRUE(h.button("cmdImgPrevious")->isEnabled());

    QList<int> seen;
    for (const char *button : {"cmdImgNext", "cmdImgNext", "cmdImgNext", "cmdImgPrevious",
                               "cmdImgPrevious", "cmdImgPrevious"}) {
        h.click(button);
        seen << h.state.CurrentImage;
    }
    EXPECT_EQ(seen, QList<int>({2, 3, 1, 3, 2, 1}));
    EXPECT_EQ(h.picture("imgImageBox"), h.state.ComponentFiles.at(Images).at(0).realPath);
}

TEST(StowbayWindow, CharacterKeysAndDoubleClicksOpenTextLikeFiles)
{
    Harness h;
    h.tree.file("staging/Aircraft.CFG", aircraftCfg("Cub"))
        .file("staging/cub.air")
        .file("staging/docs/manual.htm")
        .file("staging/docs/notes.doc");
    h.open();
    h.click("cmdStaging");
    QListWidget *aircraft = h.list(Aircraft);
    ASSERT_EQ(aircraft->item(0)->text(), "aircraft.cfg");
    aircraft->setCurrentRow(0);
    QTest::keyClick(aircraft, Qt::Key_Down);
    EXPECT_TRUE(h.launcher.textFiles.isEmpty()); // no character typed
    aircraft->setCurrentRow(0);
    QTest::keyClick(aircraft, Qt::Key_Return);
    EXPECT_EQ(h.launcher.textFiles, QStringList({h.tree.path("staging/Aircraft.CFG")}));

    QListWidget *docs = h.list(Documentation);
    h.tabs()->setCurrentIndex(Documentation);
    ASSERT_EQ(docs->count(), 2);
    const auto doubleClick = [docs](int row) {
        const QRect place = docs->visualItemRect(docs->item(row));
        QTest::mouseClick(docs->viewport(), Qt::LeftButton, {}, place.center());
        QTest::mouseDClick(docs->viewport(), Qt::LeftButton, {}, place.center());
    };
    const int htm = docs->item(0)->text() == "manual.htm" ? 0 : 1;
    doubleClick(htm);
    EXPECT_EQ(h.launcher.textFiles.size(), 1);
    doubleClick(1 - htm);
    EXPECT_EQ(h.launcher.textFiles.last().toStdString(),
              h.tree.path("staging/docs/notes.doc").toStdString());
}

TEST(StowbayWindow, PackageListRowSelectsCategoryThenPackage)
{
    Harness h;
    h.tree.file("stowbay/Aircraft - Light Props/Cub/cub.air")
        .file("stowbay/Aircraft - Light Props/Beaver/beaver.air");
    h.open();
    h.click("cmdStowbay");
    emit h.fileList->rowClicked("Cub");
    EXPECT_EQ(h.combo("cboPackageCategory")->currentText(), "Aircraft - Light Props");
    EXPECT_EQ(h.combo("cboPackageName")->currentText(), "Cub");
    EXPECT_FALSE(h.state.FileListSelecting);
    EXPECT_EQ(h.list(Aircraft)->item(0)->text(), "cub.air");

    // Header rows select nothing.
    emit h.fileList->rowClicked(" ### Aircraft - Light Props");
    EXPECT_EQ(h.combo("cboPackageName")->currentText(), "Cub");
}

TEST(StowbayWindow, ClosingClosesThePackageListThenWritesTheSettingsFile)
{
    Harness h;
    h.tree.file("stowbay/Aircraft - Light Props/Cub/cub.air");
    h.open();
    h.child<QAction>("mnuAllPackages")->trigger();
    ASSERT_TRUE(h.fileList->isVisible());
    EXPECT_EQ(h.fileList->rowCount(), 4); // blank, header, blank, the package

    h.tree.file("stowbay/Aircraft - Light Props/Beaver/beaver.air");
    h.window->refreshPackageListIfShown();
    EXPECT_EQ(h.fileList->rowCount(), 5);

    h.child<QAction>("mnuExit")->trigger();
    EXPECT_FALSE(h.fileList->isVisible());
    EXPECT_FALSE(h.window->isVisible());
    const QByteArray written = h.tree.read("app/ws.ini");
    EXPECT_TRUE(written.startsWith("STAGINGDIR=" + h.state.StagingDir.toUtf8() + "\r\n"));
    EXPECT_TRUE(written.contains("\r\nMHEIGHT="));
    EXPECT_GT(h.state.ListHeight, 0); // stored by the list window as it closed
    EXPECT_EQ(h.programEnds, 1);
}

TEST(StowbayWindow, ChangingTheStoreInLocationsClosesWithTheNewSettings)
{
    Harness h;
    h.tree.file("staging/x.txt").file("store2/Gliders/g/g.air");
    h.locations.newStowbay = h.tree.path("store2");
    h.open();
    h.messages.expectOk("You've changed the Stowbay directory.  This requires you to restart "
                        "Wingstash.  Wingstash will now close.");
    h.child<QAction>("mnuLocations")->trigger();
    EXPECT_EQ(h.locations.shown, 1);
    EXPECT_FALSE(h.window->isVisible());
    EXPECT_TRUE(
        h.tree.read("app/ws.ini").contains("STOWBAYDIR=" + h.tree.path("store2/").toUtf8()));
}

TEST(StowbayWindow, CancelledLocationsEndWithoutWritingSettings)
{
    Harness h;
    h.tree.file("staging/x.txt").file("nosim/fs2000.exe");
    h.locations.newMsfs = h.tree.path("nosim");
    h.open();
    h.messages.expectOkCancel(
        "Cannot find an 'aircraft' subdirectory in the directory you specified for Flight "
        "Simulator.  The directory you selected must not be the directory where you installed "
        "Flight Simulator.",
        false);
    h.child<QAction>("mnuLocations")->trigger();
    EXPECT_FALSE(h.window->isVisible());
    EXPECT_FALSE(h.tree.exists("app/ws.ini"));
    EXPECT_EQ(h.programEnds, 1);
}

TEST(StowbayWindow, ShutDownDuringAScanClosesAndWritesSettings)
{
    Harness h;
    h.tree.file("staging/aircraft.cfg", aircraftCfg("One"))
        .file("staging/second/aircraft.cfg", aircraftCfg("Two"));
    h.open();
    h.messages.expectOk(
        "More than one aircraft.cfg file was detected in the Staging Directory.  This may "
        "indicate that components for more than one aircraft are residing in that directory.  "
        "Please remove the unwanted aircraft.cfg file(s) from the Staging directory or one of "
        "its subdirectories so that only one is left.  Once this is done, restart Wingstash.");
    h.click("cmdStaging");
    EXPECT_FALSE(h.window->isVisible());
    EXPECT_TRUE(h.tree.exists("app/ws.ini"));
    EXPECT_EQ(h.programEnds, 1);
}

TEST(MainWindowSizing, FollowsTheWindowAndKeepsSizesWhenTooSmall)
{
    const layout::ComponentAreaSizes designed;
    const layout::ComponentAreaSizes large = layout::sizeComponentArea(designed, 9000, 12000);
    EXPECT_EQ(large.tabHeight, 6000);
    EXPECT_EQ(large.tabWidth, 11600);
    EXPECT_EQ(large.imageHeight, 4700);
    EXPECT_EQ(large.imageWidth, 10300);
    EXPECT_EQ(large.listHeight, 4800);
    EXPECT_EQ(large.listWidth, 10800);

    // Too low a window leaves the heights; the comparisons are strict.
    EXPECT_EQ(layout::sizeComponentArea(large, 2900, 12000).listHeight, 4800);
    EXPECT_EQ(layout::sizeComponentArea(large, 3000, 400), large);
    // A tab control narrower than the margin keeps the picture's width.
    layout::ComponentAreaSizes narrow = large;
    narrow.tabWidth = 1000;
    EXPECT_EQ(layout::sizeComponentArea(narrow, 3000, 400).imageWidth, large.imageWidth);
}

TEST(MainWindowSizing, ResizingTheWindowAppliesTheRule)
{
    Harness h;
    StowbayWindow &window = h.open();
    h.click("cmdStaging");
    const int dpi = window.logicalDpiX();
    window.resize(twips::toPixels(12000, dpi), twips::toPixels(9000, dpi));
    // The rule measures the outer window, frame included.
    const int outerHeight = twips::fromPixels(window.frameGeometry().height(), dpi);
    const int outerWidth = twips::fromPixels(window.frameGeometry().width(), dpi);
    const layout::ComponentAreaSizes &sizes = window.componentAreaSizes();
    EXPECT_EQ(sizes.tabWidth, outerWidth - 400);
    EXPECT_EQ(sizes.listHeight, outerHeight - 4200);
    EXPECT_NEAR(h.tabs()->width(), twips::toPixels(sizes.tabWidth, dpi), 1);
    EXPECT_NEAR(h.list(Gauges)->height(), twips::toPixels(sizes.listHeight, dpi), 1);
}

TEST(MainWindowGeometry, SettingsPlaceTheWindowInTwipsOrMaximiseIt)
{
    Harness h;
    h.fileList = std::make_unique<FileListWindow>(h.state);
    StowbayWindow window(StowbayWindow::Services{h.state, h.messages, h.chooser, h.launcher,
                                                 h.locations, *h.fileList});
    const int dpi = window.logicalDpiX();
    window.applyGeometry({1500.0, 3000.0, 6000.0, 9000.0});
    EXPECT_EQ(window.frameGeometry().topLeft(),
              QPoint(twips::toPixels(3000, dpi), twips::toPixels(1500, dpi)));
    EXPECT_EQ(window.frameGeometry().size(),
              QSize(twips::toPixels(9000, dpi), twips::toPixels(6000, dpi)));

    // Only the width given: the rest stays.
    window.applyGeometry({std::nullopt, std::nullopt, std::nullopt, 10000.0});
    EXPECT_EQ(window.frameGeometry().size(),
              QSize(twips::toPixels(10000, dpi), twips::toPixels(6000, dpi)));

    window.applyGeometry({-60.0, -60.0, 6000.0, 9000.0});
    EXPECT_TRUE(window.windowState().testFlag(Qt::WindowMaximized));
}

TEST(ImagePaging, IgnoresAStaleIndex)
{
    // The view was emptied since the picture was shown: nothing to page through.
    EXPECT_EQ(viewer::nextImageIndex(2, 0), 0);
    EXPECT_EQ(viewer::previousImageIndex(0, 3), 0);
    EXPECT_TRUE(viewer::opensInTextEditor("file_id.diz"));
    EXPECT_FALSE(viewer::opensInTextEditor("needle.gau"));
}
