#include "app/ui/StowbayWindow.h"

#include "app/ui/BackdropPicture.h"
#include "support/ArchiveWriter.h"
#include "support/Fakes.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TreeBuilder.h"
#include "tools/ui/FileListOnDemand.h"

#include <QAction>
#include <QComboBox>
#include <QDropEvent>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The real window on real Staging, store, simulator and program folders.
struct Harness {
    TreeBuilder tree;
    SharedState state;
    ScriptedMessageBoxes messages;
    ScriptedConfigChooser chooser;
    RecordingLauncher launcher;
    ScriptedLocationsEditor locations;
    FileListOnDemand fileList{state};
    std::unique_ptr<StowbayWindow> window;
    int programEnds = 0;

    Harness()
    {
        tree.folder("staging").folder("msfs/aircraft").folder("stowbay/Jets").folder("app");
        state.StagingDir = tree.path("staging/");
        state.StowbayDir = tree.path("stowbay/");
        state.MsfsDir = tree.path("msfs/");
        state.AppDir = state.ResourceDir = state.StateDir = tree.path("app/");
        window = std::make_unique<StowbayWindow>(
            StowbayWindow::Services{state, messages, chooser, launcher, locations, fileList});
        window->setProgramEnd([this] { ++programEnds; });
    }
    void open()
    {
        window->controller().fillCategoryBox();
        window->show();
    }
    template <typename T = QWidget> T *child(const char *name) const
    {
        T *found = window->findChild<T *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void click(const char *name) const
    {
        QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton);
    }
    QListWidget *list(int kind) const
    {
        return child<QListWidget>(QStringLiteral("lstComponents%1").arg(kind).toLatin1());
    }
    void trigger(const char *action) const { child<QAction>(action)->trigger(); }
    QString ini() const { return QString::fromLatin1(tree.read("app/ws.ini")); }
    void picture(const QString &path, Qt::GlobalColor colour) const
    {
        QImage image(8, 6, QImage::Format_RGB32);
        image.fill(colour);
        image.save(tree.path(path), "PNG");
    }
};

} // namespace

// The window forwards each control to the controller and shows what it is told.
TEST(StowbayWindow, ControlsForwardTheirEventsAndShowTheMode)
{
    Harness h;
    h.tree.file("staging/panel/a.gau").file("stowbay/Props/Cub/cub.air");
    h.open();
    h.click("cmdStaging");
    EXPECT_EQ(h.window->controller().mode(), MainMode::Staging);
    EXPECT_EQ(h.list(Gauges)->item(0)->text(), "a.gau");
    h.child<QLineEdit>("txtPackageName")->setText("A/B");
    auto *options = h.child<QComboBox>("cboOptions");
    options->setCurrentIndex(options->findData(int(StagingAction::RemoveAll)));
    h.messages.expectAnswers("n");
    h.click("cmdGo");
    EXPECT_EQ(h.child<QLineEdit>("txtPackageName")->text(), "A B");

    h.child<QTabWidget>("tabComponents")->setCurrentIndex(Model);
    h.click("cmdGoToStowbay");
    EXPECT_EQ(h.child<QTabWidget>("tabComponents")->currentIndex(), Images);
    auto *category = h.child<QComboBox>("cboPackageCategory");
    category->setCurrentIndex(1);
    emit category->activated(1);
    EXPECT_EQ(h.list(Aircraft)->item(0)->text(), "cub.air");
    h.tree.file("stowbay/Props/Cub/cub2.air");
    h.click("cmdRefresh");
    EXPECT_EQ(h.list(Aircraft)->count(), 2);
    // Go in Stowbay mode runs the option shown first; the box then shows the installed marker.
    h.tree.folder("msfs/gauges");
    h.messages.expectOk();
    h.click("cmdGo");
    EXPECT_EQ(h.child<QComboBox>("cboPackageName")->currentText(), "< Cub >");

    // An archive dropped on the window is unpacked into Staging (emptied first), which is shown.
    h.messages.expectAnswers("k");
    writeArchive(h.tree.path("cub.zip"), {{"Model/cub.mdl"}});
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(h.tree.path("cub.zip"))});
    QDragEnterEvent enter({10, 10}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(h.window.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop({10, 10}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(h.window.get(), &drop);
    EXPECT_EQ(h.list(Model)->item(0)->text(), "cub.mdl");
}

TEST(StowbayWindow, PagesPicturesAndOpensTextLikeFilesByKey)
{
    Harness h;
    h.picture("staging/a.jpg", Qt::red);
    h.picture("staging/b.gif", Qt::green);
    h.picture("app/StowbayEE.jpg", Qt::white);
    h.tree.file("staging/c.jpg", "no picture: the placeholder shows")
        .file("staging/Aircraft.CFG", "[fltsim.0]\r\ntitle=Cub\r\n")
        .file("staging/a.mdl")
        .file("app/readme.txt");
    h.open();
    h.click("cmdStaging");
    QListWidget *aircraft = h.list(Aircraft);
    aircraft->setCurrentRow(0);
    QTest::keyClick(aircraft, Qt::Key_Down); // no character typed: nothing opens
    aircraft->setCurrentRow(0);
    QTest::keyClick(aircraft, Qt::Key_Return);
    h.list(Model)->setCurrentRow(0);
    QTest::keyClick(h.list(Model), Qt::Key_Return); // a model is no document
    h.trigger("mnuReadMe");
    EXPECT_EQ(h.launcher.textFiles,
              QStringList({h.tree.path("staging/Aircraft.CFG"), h.tree.path("app/readme.txt")}));
    QStringList shown;
    for (const char *button : {"cmdImgPrevious", "cmdImgNext", "cmdImgNext", "cmdImgPrevious"}) {
        h.click(button);
        shown << QFileInfo(h.child("imgImageBox")->property("picturePath").toString()).fileName();
    }
    EXPECT_EQ(shown, QStringList({"StowbayEE.jpg", "a.jpg", "b.gif", "a.jpg"}));
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
    EXPECT_EQ(h.child<QComboBox>("cboPackageCategory")->currentIndex(), -1);
    h.trigger("mnuAbout");
    ASSERT_TRUE(h.child("frmAbout")->isVisible());

    h.trigger("mnuExit");
    EXPECT_FALSE(h.fileList.isShown());
    EXPECT_FALSE(h.child("frmAbout")->isVisible());
    EXPECT_FALSE(h.window->isVisible());
    // The list window stored its place before ws.ini was written.
    EXPECT_TRUE(h.ini().contains(QStringLiteral("LHEIGHT=%1\r\n").arg(h.state.ListHeight)));
    EXPECT_EQ(h.programEnds, 1);
}

// Started from ws.ini, the window paints before it lists the store: the boxes fill right after
// that, or first thing when a control is used before it.
TEST(StowbayWindow, StartedWindowFillsItsBoxesAfterPaintingOrBeforeAnyHandler)
{
    for (const bool clickFirst : {false, true}) {
        Harness h;
        h.tree.file("stowbay/Jets/Lear/lear.air")
            .file("app/ws.ini", ("STAGINGDIR=" + h.state.StagingDir + "\r\nSTOWBAYDIR=" +
                                 h.state.StowbayDir + "\r\nMSFSDIR=" + h.state.MsfsDir + "\r\n")
                                    .toUtf8());
        ASSERT_TRUE(h.window->start());
        auto *categories = h.child<QComboBox>("cboPackageCategory");
        EXPECT_EQ(categories->count(), 0) << clickFirst;
        if (clickFirst) {
            h.click("cmdStowbay");
            EXPECT_EQ(categories->count(), 1); // before the handler ran, not once painted
        }
        EXPECT_TRUE(QTest::qWaitFor([&] { return categories->count() == 1; })) << clickFirst;
        EXPECT_EQ(h.child<QComboBox>("cboPackageName")->currentText(), "Lear") << clickFirst;
        EXPECT_EQ(h.window->controller().mode(),
                  clickFirst ? MainMode::Stowbay : MainMode::Welcome);
    }
}

// Each way start-up, Locations or a scan can end the program, and whether ws.ini is written;
// Locations left unchanged does not end it.
TEST(StowbayWindow, StartUpLocationsAndShutDownsEndTheProgramWritingWsIniOrNot)
{
    enum Way { BadStartUp, Unchanged, NewStore, NoSimulator, TwoAircraftCfgs };
    const QString geometry = "MTOP=1500\r\nMLEFT=3000\r\nMHEIGHT=9010\r\nMWIDTH=7510\r\n";
    for (const Way way : {BadStartUp, Unchanged, NewStore, NoSimulator, TwoAircraftCfgs}) {
        Harness h;
        h.tree.file("staging/aircraft.cfg", "[fltsim.0]\r\ntitle=One\r\n").folder("nosim");
        if (way == BadStartUp) {
            // Locations unusable at start-up, and the dialog left so: the geometry read is kept.
            h.tree.file("app/ws.ini", ("STAGINGDIR=" + h.tree.path("gone/") +
                                       "\r\nSTOWBAYDIR=" + h.state.StowbayDir +
                                       "\r\nMSFSDIR=" + h.state.MsfsDir + "\r\n" + geometry)
                                          .toUtf8());
            h.messages.expectAnswers("oo");
            h.locations.edits = {[](platform::Locations &) {}};
            EXPECT_FALSE(h.window->start());
            EXPECT_TRUE(h.ini().contains(geometry));
            continue;
        }
        h.open();
        if (way == Unchanged) {
            // Locations left as they were: the program goes on.
            h.locations.edits = {[](platform::Locations &) {}};
            h.trigger("mnuLocations");
            EXPECT_TRUE(h.window->isVisible());
            EXPECT_EQ(h.programEnds, 0);
            continue;
        }
        if (way == NewStore) {
            h.tree.folder("store2");
            h.locations.edits = {
                [&h](platform::Locations &l) { l.stowbay = h.tree.path("store2"); }};
            h.messages.expectOk();
            h.trigger("mnuLocations");
            EXPECT_TRUE(h.ini().contains("STOWBAYDIR=" + h.tree.path("store2/")));
        } else if (way == NoSimulator) {
            h.locations.edits = {[&h](platform::Locations &l) { l.msfs = h.tree.path("nosim"); }};
            h.messages.expectAnswers("c");
            h.trigger("mnuLocations");
        } else {
            h.tree.file("staging/second/aircraft.cfg", "[fltsim.0]\r\ntitle=Two\r\n");
            h.messages.expectOk();
            h.click("cmdStaging");
        }
        EXPECT_FALSE(h.window->isVisible()) << way;
        EXPECT_EQ(h.programEnds, 1) << way;
        EXPECT_EQ(h.tree.exists("app/ws.ini"), way != NoSimulator) << way;
    }
}

// The backdrop fills its whole place, painted band by band, with the pixels of one smooth fill of
// the picture, its overhang cut evenly from both sides.
TEST(StowbayWindow, BackdropPaintsAsOneSmoothFill)
{
    QImage picture(400, 100, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x % 256, y * 2, (x * y) % 256));
    QWidget window;
    BackdropPicture backdrop(&window);
    backdrop.resize(150, 200); // taller than a band; 75 of the 400 columns kept
    backdrop.setPicture(picture);

    QImage single(backdrop.size(), QImage::Format_RGB32);
    QPainter painter(&single);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(single.rect(), picture, QRect(162, 0, 75, 100));
    painter.end();
    EXPECT_EQ(backdrop.grab().toImage().convertToFormat(QImage::Format_RGB32), single);
}

// The header names its face the way the font configuration picks it, and Qt still draws it in
// bold from the family its own search for Arial would find.
TEST(StowbayWindow, HeaderDrawsTheConfiguredBoldStandInForArial)
{
    const Harness h;
    const QFontInfo header(h.child<QLabel>("lblHeader")->font());
    EXPECT_TRUE(header.bold());
    const QFontInfo qtsOwn(QFont(QStringLiteral("Arial"), 20, QFont::Bold));
    const auto withoutFoundry = [](const QString &family) { return family.section(" [", 0, 0); };
    EXPECT_EQ(withoutFoundry(header.family()), withoutFoundry(qtsOwn.family()));
}
