#include "tools/ui/LocationsDialog.h"

#include "support/FormDriving.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TreeBuilder.h"
#include "tools/ui/LocationsForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

const QString kAllNeeded = QStringLiteral("Please enter all of the location directories please.");

struct LocationsFixture : testing::Test {
    TreeBuilder tree;
    SharedState state;
    ScriptedMessageBoxes messages;
    platform::Locations locations{QStringLiteral("/data/Staging/"),
                                  QStringLiteral("/data/Stowbay/"),
                                  QStringLiteral("/wine/drive_c/FS2000/")};
    const platform::Locations original = locations;

    std::unique_ptr<LocationsForm> open()
    {
        auto form = std::make_unique<LocationsForm>(locations, messages, state);
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        return form;
    }
    static QLineEdit *box(QWidget *form, const char *name)
    {
        return form->findChild<QLineEdit *>(QString::fromLatin1(name));
    }
    void expectUnchanged() const
    {
        EXPECT_EQ(locations.staging, original.staging);
        EXPECT_EQ(locations.stowbay, original.stowbay);
        EXPECT_EQ(locations.msfs, original.msfs);
    }
};

TEST_F(LocationsFixture, LaysOutItsControlsAndLoadsTheLocationsAsHeld)
{
    const auto form = open();
    EXPECT_EQ(form->objectName(), "frmLocations");
    EXPECT_EQ(form->windowTitle(), "Locations");

    const std::pair<const char *, const char *> labels[] = {{"lblStagingDir", "Staging Directory"},
                                                            {"lblStowbayDir", "Stowbay Directory"},
                                                            {"Label2", "MS Flight Sim Directory"}};
    for (const auto &[name, caption] : labels) {
        const auto *label = form->findChild<QLabel *>(name);
        ASSERT_NE(label, nullptr) << name;
        EXPECT_EQ(label->text(), caption);
    }
    for (const char *name : {"cmdStagingDir", "cmdStowbayDir", "cmdMSFSDir"})
        EXPECT_EQ(form->findChild<QPushButton *>(name)->text(), "Browse");
    const auto *accept = form->findChild<QPushButton *>("cmdAccept");
    EXPECT_EQ(accept->text(), "&Accept");
    EXPECT_TRUE(accept->isDefault());
    EXPECT_EQ(form->findChild<QPushButton *>("cmdCancel")->text(), "&Cancel");

    // Twips at the form's resolution: 1440 to the logical inch.
    const double pixelsPerTwip = form->logicalDpiX() / 1440.0;
    EXPECT_EQ(accept->geometry(), QRect(qRound(1200 * pixelsPerTwip), qRound(2280 * pixelsPerTwip),
                                        qRound(1212 * pixelsPerTwip), qRound(372 * pixelsPerTwip)));
    EXPECT_EQ(box(form.get(), "txtMSFSDir")->geometry().topLeft(),
              QPoint(qRound(120 * pixelsPerTwip), qRound(1800 * pixelsPerTwip)));
    EXPECT_EQ(form->size(), QSize(qRound(5940 * pixelsPerTwip), qRound(2820 * pixelsPerTwip)));

    const char *tabOrder[] = {"txtStagingDir", "txtStowbayDir", "txtMSFSDir", "cmdStagingDir",
                              "cmdStowbayDir", "cmdMSFSDir",    "cmdAccept",  "cmdCancel"};
    for (size_t i = 0; i + 1 < std::size(tabOrder); ++i) {
        EXPECT_EQ(nextTabStop(form->findChild<QWidget *>(tabOrder[i]))->objectName(),
                  tabOrder[i + 1]);
    }

    EXPECT_EQ(box(form.get(), "txtStagingDir")->text(), "/data/Staging/");
    EXPECT_EQ(box(form.get(), "txtStowbayDir")->text(), "/data/Stowbay/");
    EXPECT_EQ(box(form.get(), "txtMSFSDir")->text(), "/wine/drive_c/FS2000/");
}

TEST_F(LocationsFixture, AnyEmptyBoxIsRefusedAndTheDialogStaysOpen)
{
    for (const char *name : {"txtStagingDir", "txtStowbayDir", "txtMSFSDir"}) {
        const auto form = open();
        box(form.get(), name)->clear();
        messages.expectOk(kAllNeeded);

        clickButton(form.get(), "cmdAccept");

        messages.verifyAllShown();
        EXPECT_TRUE(form->isVisible()) << name;
        expectUnchanged();

        // The user corrects the box and tries again.
        box(form.get(), name)->setText("/fixed/");
        clickButton(form.get(), "cmdAccept");
        EXPECT_FALSE(form->isVisible());
        EXPECT_EQ(form->result(), QDialog::Accepted);
        locations = original;
    }
}

TEST_F(LocationsFixture, AcceptWritesTheTextsVerbatimBlanksIncluded)
{
    const auto form = open();
    box(form.get(), "txtStagingDir")->setText("   ");
    box(form.get(), "txtStowbayDir")->setText(" /data/Store");
    QTest::keyClick(box(form.get(), "txtMSFSDir"), Qt::Key_Return); // Enter presses Accept

    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(locations.staging, "   ");
    EXPECT_EQ(locations.stowbay, " /data/Store");
    EXPECT_EQ(locations.msfs, "/wine/drive_c/FS2000/");
}

TEST_F(LocationsFixture, CancelEscapeAndCloseBoxChangeNothing)
{
    using Close = std::function<void(LocationsForm &)>;
    const Close closes[] = {
        [](LocationsForm &form) { clickButton(&form, "cmdCancel"); },
        [](LocationsForm &form) { QTest::keyClick(&form, Qt::Key_Escape); },
        [](LocationsForm &form) { form.close(); },
    };
    for (const Close &closeForm : closes) {
        const auto form = open();
        box(form.get(), "txtStagingDir")->setText("/elsewhere/");
        box(form.get(), "txtMSFSDir")->clear();
        closeForm(*form);
        EXPECT_FALSE(form->isVisible());
        expectUnchanged();
    }
}

TEST_F(LocationsFixture, BrowseFillsTheBoxOnOkAndKeepsTheTextOnCancel)
{
    tree.folder("FS2000/Aircraft");
    const auto form = open();
    // Cancel keeps the text, even a path that does not exist.
    box(form.get(), "txtStowbayDir")->setText(tree.path("not/there"));
    whenModal("frmDirSelect", [](QWidget *picker) { clickButton(picker, "cmdCancel"); });
    clickButton(form.get(), "cmdStowbayDir");
    EXPECT_EQ(state.DirSelectStart, tree.path("not/there"));
    EXPECT_EQ(box(form.get(), "txtStowbayDir")->text(), tree.path("not/there"));

    box(form.get(), "txtMSFSDir")->setText(tree.root());

    whenModal("frmDirSelect", [](QWidget *picker) {
        doubleClickRow(picker->findChild<QListWidget *>("Dir1"), "FS2000");
        clickButton(picker, "cmdOk");
    });
    clickButton(form.get(), "cmdMSFSDir");

    EXPECT_EQ(box(form.get(), "txtMSFSDir")->text(), tree.path("FS2000"));
    expectUnchanged(); // nothing is written before Accept
}

TEST_F(LocationsFixture, TheEditorShowsTheFormModallyAndReportsThroughTheLocations)
{
    DialogLocationsEditor editor(messages, state);

    whenModal("frmLocations", [](QWidget *form) {
        form->findChild<QLineEdit *>("txtStagingDir")->setText("/new/Staging");
        clickButton(form, "cmdAccept");
    });
    editor.edit(locations);
    EXPECT_EQ(locations.staging, "/new/Staging");
    EXPECT_EQ(locations.stowbay, original.stowbay);

    // Every showing loads afresh; closing it unaccepted leaves the values alone.
    whenModal("frmLocations", [](QWidget *form) {
        EXPECT_EQ(form->findChild<QLineEdit *>("txtStagingDir")->text(), "/new/Staging");
        form->findChild<QLineEdit *>("txtStowbayDir")->clear();
        form->close();
    });
    editor.edit(locations);
    EXPECT_EQ(locations.stowbay, original.stowbay);
}

} // namespace
