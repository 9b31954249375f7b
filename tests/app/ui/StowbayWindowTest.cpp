#include "app/ui/StowbayWindow.h"

#include "app/ui/BackdropPicture.h"
#include "platform/qt/Twips.h"
#include "support/ArchiveWriter.h"
#include "support/Fakes.h"
#include "support/PackageTestHelpers.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TreeBuilder.h"
#include "tools/ui/FileListOnDemand.h"

#include <QAction>
#include <QBuffer>
#include <QComboBox>
#include <QDropEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The Locations dialog as a user who types new folders into it, or cancels.
struct RecordingLocationsEditor : platform::LocationsEditor {
    QString newStowbay, newMsfs;
    void edit(platform::Locations &locations) override
    {
        if (!newStowbay.isEmpty())
            locations.stowbay = newStowbay;
        if (!newMsfs.isEmpty())
            locations.msfs = newMsfs;
    }
};

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

// The real window on real Staging, store, simulator and program folders.
struct Harness {
    TreeBuilder tree;
    SharedState state;
    ScriptedMessageBoxes messages;
    ScriptedConfigChooser chooser;
    RecordingLauncher launcher;
    RecordingLocationsEditor locations;
    FileListOnDemand fileList{state};
    PictureReadAhead pictures;
    std::unique_ptr<StowbayWindow> window;
    int programEnds = 0;

    Harness()
    {
        tree.folder("staging").folder("msfs/aircraft").folder("stowbay/Jets").folder("state");
        tree.file("app/StowbayGrey.jpg", pictureBytes(Qt::gray))
            .file("app/StowbayEE.jpg", pictureBytes(Qt::white));
        state.StagingDir = tree.path("staging/");
        state.StowbayDir = tree.path("stowbay/");
        state.MsfsDir = tree.path("msfs/");
        state.AppDir = state.ResourceDir = tree.path("app/");
        state.StateDir = tree.path("state/");
        window = std::make_unique<StowbayWindow>(StowbayWindow::Services{
            state, messages, chooser, launcher, locations, fileList, pictures});
        window->setProgramEnd([this] { ++programEnds; });
    }
    StowbayWindow &open()
    {
        window->controller().fillCategoryBox();
        window->show();
        return *window;
    }
    template <typename T = QWidget> T *child(const char *name) const
    {
        T *found = window->findChild<T *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    bool shown(const char *name) const { return !child(name)->isHidden(); }
    void click(const char *name) const
    {
        QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton);
    }
    void pick(const char *box, int index) const
    {
        child<QComboBox>(box)->setCurrentIndex(index);
        emit child<QComboBox>(box)->activated(index);
    }
    QListWidget *list(int kind) const
    {
        return child<QListWidget>(QStringLiteral("lstComponents%1").arg(kind).toLatin1());
    }
    void trigger(const char *action) const { child<QAction>(action)->trigger(); }
    QString ini() const { return QString::fromLatin1(tree.read("app/ws.ini")); }
};

const QString kGeometryLines = "MTOP=1500\r\nMLEFT=3000\r\nMHEIGHT=9010\r\nMWIDTH=7510\r\n";

} // namespace

// The window forwards each control to the controller and shows what it is told; the mode
// logic itself is MainController's.
TEST(StowbayWindow, ControlsForwardTheirEventsAndShowTheMode)
{
    Harness h;
    h.tree.file("staging/shot.jpg", pictureBytes(Qt::red))
        .file("staging/model/a.mdl")
        .file("stowbay/Props/Cub/cub.air");
    h.open();
    h.click("cmdStaging");
    EXPECT_EQ(h.child<QLabel>("lblHeader")->text(), "Staging");
    EXPECT_TRUE(h.shown("txtPackageName"));
    EXPECT_FALSE(h.shown("cmdStaging"));
    auto *tabs = h.child<QTabWidget>("tabComponents");
    // The component area keeps its designed corner and takes its sizes from the sizing rule.
    const int dpi = h.window->logicalDpiX();
    const layout::ComponentAreaSizes sizes = h.window->componentAreaSizes();
    EXPECT_EQ(tabs->geometry(), QRect(layout::toPixels(layout::kTabs, dpi).topLeft(),
                                      QSize(twips::toPixels(sizes.tabWidth, dpi),
                                            twips::toPixels(sizes.tabHeight, dpi))));
    EXPECT_EQ(h.list(Model)->width(), twips::toPixels(sizes.listWidth, dpi));
    EXPECT_EQ(tabs->widget(Model)->palette().color(QPalette::Window), QColor(0x40, 0x40, 0x40));
    EXPECT_EQ(h.child<QWidget>("imgStowbay")->property("picturePath"),
              h.tree.path("app/StowbayGrey.jpg"));
    EXPECT_EQ(h.list(Model)->item(0)->text(), "a.mdl");
    EXPECT_EQ(h.child<QLabel>("imgImageBox")->property("picturePath"),
              h.tree.path("staging/shot.jpg"));
    EXPECT_FALSE(tabs->isTabEnabled(Sound));
    h.child<QLineEdit>("txtPackageName")->setText("A/B");
    QComboBox *options = h.child<QComboBox>("cboOptions");
    options->setCurrentIndex(options->findData(int(StagingAction::RemoveAll)));
    h.messages.expectYesNo("Are you sure you want to erase everything in the staging directory?",
                           false);
    h.click("cmdGo");
    EXPECT_EQ(h.child<QLineEdit>("txtPackageName")->text(), "A B");

    tabs->setCurrentIndex(Model);
    h.click("cmdGoToStowbay");
    EXPECT_EQ(tabs->currentIndex(), Images);
    EXPECT_TRUE(h.shown("cboPackageName"));
    // The stowbay backdrop is missing: the window shows none.
    EXPECT_TRUE(h.child<BackdropPicture>("imgStowbay")->picture().isNull());
    h.pick("cboPackageCategory", 1);
    EXPECT_EQ(h.list(Aircraft)->item(0)->text(), "cub.air");
    h.tree.file("stowbay/Props/Cub/cub2.air");
    h.click("cmdRefresh");
    EXPECT_EQ(h.list(Aircraft)->count(), 2);
    h.click("cmdExplore");
    EXPECT_EQ(h.launcher.folders, QStringList({h.tree.path("stowbay/Props/Cub/")}));
    // Go in Stowbay mode runs the store action chosen; the box then shows the installed marker.
    h.tree.folder("msfs/gauges");
    h.messages.expectOk("Done.");
    h.click("cmdGo"); // Copy package to MSFS
    EXPECT_EQ(h.child<QComboBox>("cboPackageName")->currentText(), "< Cub >");
    EXPECT_TRUE(h.tree.exists("msfs/aircraft/Cub/cub2.air"));
}

TEST(StowbayWindow, AnArchiveDroppedOnTheWindowIsUnpackedAndShownInStaging)
{
    Harness h;
    writeArchive(h.tree.path("cub.zip"), {{"Model/cub.mdl"}});
    h.open();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(h.tree.path("cub.zip"))});
    QDragEnterEvent enter({10, 10}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(h.window.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop({10, 10}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(h.window.get(), &drop);
    EXPECT_EQ(h.child<QLabel>("lblHeader")->text(), "Staging");
    EXPECT_EQ(h.list(Model)->item(0)->text(), "cub.mdl");
}

TEST(StowbayWindow, PagesPicturesAndOpensTextLikeFilesByKey)
{
    Harness h;
    h.tree.file("staging/a.jpg", pictureBytes(Qt::red))
        .file("staging/b.gif", pictureBytes(Qt::green))
        .file("staging/c.jpg", pictureBytes(Qt::blue).left(40)) // truncated: the placeholder
        .file("staging/Aircraft.CFG", aircraftCfg("Cub"))
        .file("app/readme.txt");
    h.open();
    h.click("cmdStaging");
    QListWidget *aircraft = h.list(Aircraft);
    aircraft->setCurrentRow(0);
    QTest::keyClick(aircraft, Qt::Key_Down); // no character typed: nothing opens
    aircraft->setCurrentRow(0);
    QTest::keyClick(aircraft, Qt::Key_Return);
    QList<int> seen;
    for (const char *button : {"cmdImgNext", "cmdImgNext", "cmdImgNext", "cmdImgPrevious"}) {
        h.click(button);
        seen << h.state.CurrentImage;
    }
    EXPECT_EQ(seen, QList<int>({2, 3, 1, 3}));
    EXPECT_EQ(h.child<QLabel>("imgImageBox")->property("picturePath").toString(),
              h.tree.path("app/StowbayEE.jpg"));
    h.trigger("mnuReadMe");
    EXPECT_EQ(h.launcher.textFiles,
              QStringList({h.tree.path("staging/Aircraft.CFG"), h.tree.path("app/readme.txt")}));
}

TEST(StowbayWindow, ToolWindowsPickRowsAndCloseFirstWhenTheWindowCloses)
{
    Harness h;
    h.tree.file("stowbay/Props/Cub/cub.air");
    h.open();
    h.click("cmdStowbay");
    h.trigger("mnuAllPackages");
    ASSERT_TRUE(h.fileList.isShown());
    emit h.fileList.window()->rowClicked("Cub");
    EXPECT_EQ(h.child<QComboBox>("cboPackageCategory")->currentText(), "Props");
    EXPECT_EQ(h.list(Aircraft)->item(0)->text(), "cub.air");
    emit h.fileList.window()->rowClicked("Gone"); // a row whose package has left the store since
    EXPECT_EQ(h.child<QComboBox>("cboPackageName")->count(), 0);
    h.trigger("mnuAbout");
    ASSERT_TRUE(h.child<QWidget>("frmAbout")->isVisible());

    h.trigger("mnuExit");
    EXPECT_FALSE(h.fileList.isShown());
    EXPECT_FALSE(h.child<QWidget>("frmAbout")->isVisible());
    EXPECT_FALSE(h.window->isVisible());
    // The list window stored its place before ws.ini was written.
    EXPECT_TRUE(h.ini().contains(QStringLiteral("LHEIGHT=%1\r\n").arg(h.state.ListHeight)));
    EXPECT_EQ(h.programEnds, 1);
}

// Each way Locations or a scan can end the program, and whether ws.ini is written.
TEST(StowbayWindow, LocationsAndShutDownsCloseTheWindowWritingWsIniOrNot)
{
    enum Way { NewStore, NoSimulator, TwoAircraftCfgs };
    for (const Way way : {NewStore, NoSimulator, TwoAircraftCfgs}) {
        Harness h;
        h.tree.file("staging/aircraft.cfg", aircraftCfg("One")).folder("store2").folder("nosim");
        h.open();
        if (way == NewStore) {
            h.locations.newStowbay = h.tree.path("store2");
            h.messages.expectOk("You've changed the Stowbay directory.  This requires you to "
                                "restart Wingstash.  Wingstash will now close.");
            h.trigger("mnuLocations");
        } else if (way == NoSimulator) {
            h.locations.newMsfs = h.tree.path("nosim");
            h.messages.expectOkCancel(
                "Cannot find an 'aircraft' subdirectory in the directory you specified for "
                "Flight Simulator.  The directory you selected must not be the directory where "
                "you installed Flight Simulator.",
                false);
            h.trigger("mnuLocations");
        } else {
            h.tree.file("staging/second/aircraft.cfg", aircraftCfg("Two"));
            h.messages.expectOk(kSecondAircraftCfgMessage);
            h.click("cmdStaging");
        }
        EXPECT_FALSE(h.window->isVisible()) << way;
        EXPECT_EQ(h.programEnds, 1) << way;
        EXPECT_EQ(h.tree.exists("app/ws.ini"), way != NoSimulator) << way;
        if (way == NewStore) {
            EXPECT_TRUE(h.ini().contains("STOWBAYDIR=" + h.tree.path("store2/")));
        }
    }
}

TEST(StowbayWindow, AShutDownDuringStartUpKeepsTheGeometryReadFromWsIni)
{
    Harness h;
    h.tree.file("app/ws.ini",
                ("STAGINGDIR=" + h.tree.path("gone/") + "\r\nSTOWBAYDIR=" + h.state.StowbayDir +
                 "\r\nMSFSDIR=" + h.state.MsfsDir + "\r\n" + kGeometryLines)
                    .toUtf8());
    h.messages.expectOk("One or more of the three directory locations specified are not valid.  "
                        "Please verify them now or select Cancel to exit Wingstash.");
    h.messages.expectOk("One or more of the directories you specified are incorrect.  Make sure "
                        "you have valid Staging Directory, Stowbay Directory and Microsoft "
                        "Flight Simulator directory set up and try Wingstash again.");
    EXPECT_FALSE(h.window->start());
    EXPECT_TRUE(h.ini().contains(kGeometryLines)) << h.ini().toStdString();
}

TEST(StowbayWindow, TheSavedSizeIsTheOuterSizeReadAndWrittenAlike)
{
    for (const bool maximised : {false, true}) {
        Harness h;
        StowbayWindow &window = *h.window;
        const int dpi = window.logicalDpiX();
        window.applyGeometry({1500.0, 3000.0, 9010.0, 7510.0});
        h.open();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        const QRect outer = window.frameGeometry();
        EXPECT_EQ(outer, QRect(twips::toPixels(3000, dpi), twips::toPixels(1500, dpi),
                               twips::toPixels(7510, dpi), twips::toPixels(9010, dpi)));
        // The component area follows the outer size.
        EXPECT_EQ(window.componentAreaSizes().tabWidth,
                  twips::fromPixels(outer.width(), dpi) - 400);
        if (maximised)
            window.applyGeometry({-60.0, -60.0, 6000.0, 9000.0});
        EXPECT_EQ(window.windowState().testFlag(Qt::WindowMaximized), maximised);
        window.close();
        EXPECT_TRUE(h.ini().contains(maximised ? "MTOP=-60\r\nMLEFT=-60\r\n" : kGeometryLines));
    }
}

TEST(MainWindowSizing, FollowsTheWindowAndKeepsSizesWhenTooSmall)
{
    const layout::ComponentAreaSizes large = layout::sizeComponentArea({}, 9000, 12000);
    EXPECT_EQ(large, (layout::ComponentAreaSizes{11600, 6000, 10300, 4700, 10800, 4800}));
    // Too low or narrow a window leaves the sizes; the comparisons are strict.
    EXPECT_EQ(layout::sizeComponentArea(large, 2900, 12000).listHeight, 4800);
    EXPECT_EQ(layout::sizeComponentArea(large, 3000, 400), large);
    layout::ComponentAreaSizes narrow = large;
    narrow.tabWidth = 1000;
    EXPECT_EQ(layout::sizeComponentArea(narrow, 3000, 400).imageWidth, large.imageWidth);
}
