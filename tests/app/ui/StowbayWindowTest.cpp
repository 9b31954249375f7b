#include "app/ui/StowbayWindow.h"

#include "app/ui/ComponentViewer.h"
#include "platform/qt/Twips.h"
#include "support/Fakes.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TreeBuilder.h"
#include "tools/ui/FileListWindow.h"

#include <QAction>
#include <QBuffer>
#include <QComboBox>
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
    FileListWindow fileList{state};
    std::unique_ptr<StowbayWindow> window;
    int programEnds = 0;

    Harness()
    {
        tree.folder("staging").folder("msfs/aircraft").folder("stowbay/Jets");
        tree.file("app/StowbayGrey.jpg", pictureBytes(Qt::gray))
            .file("app/StowbayEE.jpg", pictureBytes(Qt::white));
        state.StagingDir = tree.path("staging/");
        state.StowbayDir = tree.path("stowbay/");
        state.MsfsDir = tree.path("msfs/");
        state.AppDir = tree.path("app/");
        window = std::make_unique<StowbayWindow>(
            StowbayWindow::Services{state, messages, chooser, launcher, locations, fileList});
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

QString mainGeometryLines(int top, int left, int height, int width)
{
    return QStringLiteral("MTOP=%1\r\nMLEFT=%2\r\nMHEIGHT=%3\r\nMWIDTH=%4\r\n")
        .arg(top)
        .arg(left)
        .arg(height)
        .arg(width);
}

} // namespace

TEST(StowbayWindow, ControlsForwardTheirEventsAndShowTheMode)
{
    Harness h;
    h.tree.file("staging/shot.jpg", pictureBytes(Qt::red))
        .file("staging/model/b.mdl")
        .file("staging/model/a.mdl")
        .file("stowbay/Props/Cub/cub.air")
        .folder("msfs/aircraft/Cub");
    h.open();
    EXPECT_EQ(h.child<QLabel>("lblHeader")->text(), "Welcome to Wingstash");
    for (const char *name : {"cmdStaging", "cmdStowbay", "lblChooseOne"})
        EXPECT_TRUE(h.shown(name)) << name;
    for (const char *name : {"cmdGo", "cboOptions", "tabComponents", "prbProgress"})
        EXPECT_FALSE(h.shown(name)) << name;

    h.click("cmdStaging");
    EXPECT_EQ(h.child<QLabel>("lblHeader")->text(), "Staging");
    for (const char *name : {"cmdGoToStowbay", "txtPackageName", "cmdGo", "tabComponents"})
        EXPECT_TRUE(h.shown(name)) << name;
    for (const char *name : {"cmdGoToStaging", "cboPackageName", "cmdStaging", "lblChooseOne"})
        EXPECT_FALSE(h.shown(name)) << name;
    auto *tabs = h.child<QTabWidget>("tabComponents");
    EXPECT_EQ(tabs->widget(Model)->palette().color(QPalette::Window), QColor(0x40, 0x40, 0x40));
    EXPECT_EQ(h.child<QLabel>("imgStowbay")->property("picturePath"),
              h.tree.path("app/StowbayGrey.jpg"));
    EXPECT_EQ(h.list(Model)->item(0)->text(), "a.mdl");
    EXPECT_EQ(h.child<QLabel>("imgImageBox")->property("picturePath"),
              h.tree.path("staging/shot.jpg"));
    EXPECT_FALSE(tabs->isTabEnabled(Sound));
    h.child<QLineEdit>("txtPackageName")->setText("A/B");
    h.child<QComboBox>("cboOptions")->setCurrentIndex(1); // Remove ALL from Staging
    h.messages.expectYesNo("Are you sure you want to erase everything in the staging directory?",
                           false);
    h.click("cmdGo");
    EXPECT_EQ(h.child<QLineEdit>("txtPackageName")->text(), "A B");

    tabs->setCurrentIndex(Model);
    h.click("cmdGoToStowbay");
    EXPECT_EQ(tabs->currentIndex(), Images);
    EXPECT_TRUE(h.shown("cboPackageName"));
    EXPECT_FALSE(h.shown("txtPackageName"));
    // The stowbay backdrop is missing: the window shows none.
    EXPECT_TRUE(h.child<QLabel>("imgStowbay")->pixmap().isNull());
    h.pick("cboPackageCategory", 1);
    EXPECT_EQ(h.child<QComboBox>("cboPackageName")->currentText(), "< Cub >");
    EXPECT_EQ(h.list(Aircraft)->item(0)->text(), "cub.air");
    h.messages.expectOk("This package is already installed in Flight Simulator.");
    h.click("cmdGo");
    h.click("cmdRefresh");
    EXPECT_EQ(h.list(Aircraft)->item(0)->text(), "cub.air");
    h.messages.expectOk(
        "WARNING:  This package is currently installed in MSFS.  Any manual changes to this "
        "package in the Stowbay directory may prevent unused gauges from being removed when you "
        "choose to remove the package from MSFS.");
    h.click("cmdExplore");
    EXPECT_EQ(h.launcher.folders, QStringList({h.tree.path("stowbay/Props/Cub/")}));
}

TEST(StowbayWindow, PagesPicturesAndOpensTextLikeFilesByKey)
{
    Harness h;
    h.tree.file("staging/a.jpg", pictureBytes(Qt::red))
        .file("staging/b.gif", pictureBytes(Qt::green))
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
    for (const char *button : {"cmdImgNext", "cmdImgNext", "cmdImgPrevious"}) {
        h.click(button);
        seen << h.state.CurrentImage;
    }
    EXPECT_EQ(seen, QList<int>({2, 1, 2}));
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
    ASSERT_TRUE(h.fileList.isVisible());
    emit h.fileList.rowClicked("Cub");
    EXPECT_EQ(h.child<QComboBox>("cboPackageCategory")->currentText(), "Props");
    EXPECT_EQ(h.list(Aircraft)->item(0)->text(), "cub.air");
    h.trigger("mnuAbout");
    ASSERT_TRUE(h.child<QWidget>("frmAbout")->isVisible());

    h.trigger("mnuExit");
    EXPECT_FALSE(h.fileList.isVisible());
    EXPECT_FALSE(h.child<QWidget>("frmAbout")->isVisible());
    EXPECT_FALSE(h.window->isVisible());
    // The list window stored its place before ws.ini was written.
    EXPECT_TRUE(h.ini().contains(QStringLiteral("LHEIGHT=%1\r\n").arg(h.state.ListHeight)));
    EXPECT_EQ(h.programEnds, 1);
}

TEST(StowbayWindow, LocationsAndShutDownsCloseTheWindowWritingWsIniOrNot)
{
    const QString kStoreChanged = "You've changed the Stowbay directory.  This requires you to "
                                  "restart Wingstash.  Wingstash will now close.";
    const QString kNoAircraft =
        "Cannot find an 'aircraft' subdirectory in the directory you specified for Flight "
        "Simulator.  The directory you selected must not be the directory where you installed "
        "Flight Simulator.";
    const QString kTwoCfgs =
        "More than one aircraft.cfg file was detected in the Staging Directory.  This may "
        "indicate that components for more than one aircraft are residing in that directory.  "
        "Please remove the unwanted aircraft.cfg file(s) from the Staging directory or one of "
        "its subdirectories so that only one is left.  Once this is done, restart Wingstash.";
    enum Way { NewStore, NoSimulator, TwoAircraftCfgs };
    for (const Way way : {NewStore, NoSimulator, TwoAircraftCfgs}) {
        Harness h;
        h.tree.file("staging/aircraft.cfg", aircraftCfg("One")).folder("store2").folder("nosim");
        h.open();
        if (way == NewStore) {
            h.locations.newStowbay = h.tree.path("store2");
            h.messages.expectOk(kStoreChanged);
            h.trigger("mnuLocations");
        } else if (way == NoSimulator) {
            h.locations.newMsfs = h.tree.path("nosim");
            h.messages.expectOkCancel(kNoAircraft, false);
            h.trigger("mnuLocations");
        } else {
            h.tree.file("staging/second/aircraft.cfg", aircraftCfg("Two"));
            h.messages.expectOk(kTwoCfgs);
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
    const QString geometry = mainGeometryLines(1500, 3000, 9010, 7510);
    h.tree.file("app/ws.ini",
                ("STAGINGDIR=" + h.tree.path("gone/") + "\r\nSTOWBAYDIR=" + h.state.StowbayDir +
                 "\r\nMSFSDIR=" + h.state.MsfsDir + "\r\n" + geometry)
                    .toUtf8());
    h.messages.expectOk("One or more of the three directory locations specified are not valid.  "
                        "Please verify them now or select Cancel to exit Wingstash.");
    h.messages.expectOk("One or more of the directories you specified are incorrect.  Make sure "
                        "you have valid Staging Directory, Stowbay Directory and Microsoft "
                        "Flight Simulator directory set up and try Wingstash again.");
    EXPECT_FALSE(h.window->start());
    EXPECT_TRUE(h.ini().contains(geometry)) << h.ini().toStdString();
}

TEST(StowbayWindow, TheSavedSizeIsTheOuterSizeReadAndWrittenAlike)
{
    Harness h;
    StowbayWindow &window = *h.window;
    const int dpi = window.logicalDpiX();
    window.applyGeometry({1500.0, 3000.0, 9010.0, 7510.0});
    h.open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.frameGeometry(),
              QRect(twips::toPixels(3000, dpi), twips::toPixels(1500, dpi),
                    twips::toPixels(7510, dpi), twips::toPixels(9010, dpi)));
    window.close();
    EXPECT_TRUE(h.ini().contains(mainGeometryLines(1500, 3000, 9010, 7510)));

    // A size the user chose is saved as the outer size; a maximised window at -60.
    Harness g;
    g.open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(g.window.get()));
    g.window->resize(twips::toPixels(12000, dpi), twips::toPixels(9000, dpi));
    const QRect outer = g.window->frameGeometry();
    // The component area follows the outer size.
    EXPECT_EQ(g.window->componentAreaSizes().tabWidth, twips::fromPixels(outer.width(), dpi) - 400);
    g.window->applyGeometry({-60.0, -60.0, 6000.0, 9000.0});
    EXPECT_TRUE(g.window->windowState().testFlag(Qt::WindowMaximized));
    g.window->close();
    EXPECT_TRUE(g.ini().contains("MTOP=-60\r\nMLEFT=-60\r\n"));
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
    // The view was emptied since the picture was shown: nothing to page through.
    EXPECT_EQ(viewer::nextImageIndex(2, 0), 0);
    EXPECT_EQ(viewer::previousImageIndex(0, 3), 0);
    EXPECT_TRUE(viewer::opensInTextEditor("file_id.diz"));
    EXPECT_FALSE(viewer::opensInTextEditor("needle.gau"));
}
