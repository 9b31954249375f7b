#include "tools/ui/LocationsDialog.h"

#include "support/FormDriving.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TreeBuilder.h"

#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

const platform::Locations kHeld{"/data/Staging/", "/data/Stowbay/", "/wine/drive_c/FS2000/"};

QLineEdit *box(QWidget *form, const char *name)
{
    return form->findChild<QLineEdit *>(QString::fromLatin1(name));
}

// Shows the Locations dialog through the editor, lets the script act on it, returns the
// locations as the dialog left them, staging, stowbay and simulator in that order.
QStringList edit(ScriptedMessageBoxes &messages, std::function<void(QWidget *)> script)
{
    DialogLocationsEditor editor(messages);
    platform::Locations locations = kHeld;
    whenModal("frmLocations", std::move(script));
    editor.edit(locations);
    return {locations.staging, locations.stowbay, locations.msfs};
}

} // namespace

TEST(LocationsDialog, LoadsAsHeldAndAcceptWritesTheTextsVerbatim)
{
    ScriptedMessageBoxes messages;
    EXPECT_EQ(edit(messages,
                   [](QWidget *form) {
                       EXPECT_EQ(box(form, "txtStagingDir")->text(), kHeld.staging);
                       EXPECT_EQ(box(form, "txtStowbayDir")->text(), kHeld.stowbay);
                       EXPECT_EQ(box(form, "txtMSFSDir")->text(), kHeld.msfs);
                       box(form, "txtStagingDir")->setText("   ");
                       box(form, "txtStowbayDir")->setText(" /data/Store");
                       QTest::keyClick(box(form, "txtMSFSDir"), Qt::Key_Return); // Accept
                   }),
              QStringList({"   ", " /data/Store", kHeld.msfs}));
}

TEST(LocationsDialog, AnEmptyBoxIsRefusedAndTheDialogStaysOpen)
{
    for (const char *name : {"txtStagingDir", "txtStowbayDir", "txtMSFSDir"}) {
        ScriptedMessageBoxes messages;
        messages.expectOk("Please enter all of the location directories please.");
        const QStringList result = edit(messages, [&messages, name](QWidget *form) {
            box(form, name)->clear();
            clickButton(form, "cmdAccept");
            messages.verifyAllShown();
            EXPECT_TRUE(form->isVisible()) << name;
            box(form, name)->setText("/fixed/");
            clickButton(form, "cmdAccept");
        });
        EXPECT_EQ(result.count("/fixed/"), 1);
    }
}

TEST(LocationsDialog, CancelEscapeAndCloseBoxChangeNothing)
{
    for (const int way : {0, 1, 2}) {
        ScriptedMessageBoxes messages;
        EXPECT_EQ(edit(messages,
                       [way](QWidget *form) {
                           box(form, "txtStagingDir")->setText("/elsewhere/");
                           if (way == 0)
                               clickButton(form, "cmdCancel");
                           else if (way == 1)
                               QTest::keyClick(form, Qt::Key_Escape);
                           else
                               form->close();
                       }),
                  QStringList({kHeld.staging, kHeld.stowbay, kHeld.msfs}));
    }
}

TEST(LocationsDialog, BrowseFillsTheBoxOnOkAndKeepsTheTextOnCancel)
{
    TreeBuilder tree;
    tree.folder("FS2000/Aircraft");
    ScriptedMessageBoxes messages;
    const QStringList result = edit(messages, [&tree](QWidget *form) {
        // Cancel keeps the text, even a path that does not exist.
        box(form, "txtStowbayDir")->setText(tree.path("not/there"));
        whenModal("frmDirSelect", [](QWidget *picker) { clickButton(picker, "cmdCancel"); });
        clickButton(form, "cmdStowbayDir");
        box(form, "txtMSFSDir")->setText(tree.root());
        whenModal("frmDirSelect", [](QWidget *picker) {
            doubleClickRow(picker->findChild<QListWidget *>("Dir1"), "FS2000");
            clickButton(picker, "cmdOk");
        });
        clickButton(form, "cmdMSFSDir");
        clickButton(form, "cmdAccept");
    });
    EXPECT_EQ(result.mid(1), QStringList({tree.path("not/there"), tree.path("FS2000")}));
}
