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

bool operator==(const platform::Locations &a, const platform::Locations &b)
{
    return a.staging == b.staging && a.stowbay == b.stowbay && a.msfs == b.msfs;
}

// Shows the Locations dialog through the editor, lets the script act on it, returns the
// locations as the dialog left them.
platform::Locations edit(ScriptedMessageBoxes &messages, std::function<void(QWidget *)> script)
{
    DialogLocationsEditor editor(messages);
    platform::Locations locations = kHeld;
    whenModal("frmLocations", std::move(script));
    editor.edit(locations);
    return locations;
}

} // namespace

TEST(LocationsDialog, LoadsAsHeldAndAcceptWritesTheTextsVerbatim)
{
    ScriptedMessageBoxes messages;
    const platform::Locations result = edit(messages, [](QWidget *form) {
        EXPECT_EQ(box(form, "txtStagingDir")->text(), kHeld.staging);
        EXPECT_EQ(box(form, "txtStowbayDir")->text(), kHeld.stowbay);
        EXPECT_EQ(box(form, "txtMSFSDir")->text(), kHeld.msfs);
        box(form, "txtStagingDir")->setText("   ");
        box(form, "txtStowbayDir")->setText(" /data/Store");
        QTest::keyClick(box(form, "txtMSFSDir"), Qt::Key_Return); // Enter presses Accept
    });
    EXPECT_TRUE(result == (platform::Locations{"   ", " /data/Store", kHeld.msfs}));
}

TEST(LocationsDialog, AnEmptyBoxIsRefusedAndTheDialogStaysOpen)
{
    for (const char *name : {"txtStagingDir", "txtStowbayDir", "txtMSFSDir"}) {
        ScriptedMessageBoxes messages;
        messages.expectOk("Please enter all of the location directories please.");
        const platform::Locations result = edit(messages, [&messages, name](QWidget *form) {
            box(form, name)->clear();
            clickButton(form, "cmdAccept");
            messages.verifyAllShown();
            EXPECT_TRUE(form->isVisible()) << name;
            box(form, name)->setText("/fixed/");
            clickButton(form, "cmdAccept");
        });
        EXPECT_EQ(QStringList({result.staging, result.stowbay, result.msfs}).count("/fixed/"), 1);
    }
}

TEST(LocationsDialog, CancelEscapeAndCloseBoxChangeNothing)
{
    const std::function<void(QWidget *)> closes[] = {
        [](QWidget *form) { clickButton(form, "cmdCancel"); },
        [](QWidget *form) { QTest::keyClick(form, Qt::Key_Escape); },
        [](QWidget *form) { form->close(); },
    };
    for (const auto &closeForm : closes) {
        ScriptedMessageBoxes messages;
        EXPECT_TRUE(edit(messages, [&closeForm](QWidget *form) {
                        box(form, "txtStagingDir")->setText("/elsewhere/");
                        box(form, "txtMSFSDir")->clear();
                        closeForm(form);
                    }) == kHeld);
    }
}

TEST(LocationsDialog, BrowseFillsTheBoxOnOkAndKeepsTheTextOnCancel)
{
    TreeBuilder tree;
    tree.folder("FS2000/Aircraft");
    ScriptedMessageBoxes messages;
    const platform::Locations result = edit(messages, [&tree](QWidget *form) {
        // Cancel keeps the text, even a path that does not exist.
        box(form, "txtStowbayDir")->setText(tree.path("not/there"));
        whenModal("frmDirSelect", [](QWidget *picker) { clickButton(picker, "cmdCancel"); });
        clickButton(form, "cmdStowbayDir");
        EXPECT_EQ(box(form, "txtStowbayDir")->text(), tree.path("not/there"));

        box(form, "txtMSFSDir")->setText(tree.root());
        whenModal("frmDirSelect", [](QWidget *picker) {
            doubleClickRow(picker->findChild<QListWidget *>("Dir1"), "FS2000");
            clickButton(picker, "cmdOk");
        });
        clickButton(form, "cmdMSFSDir");
        EXPECT_EQ(box(form, "txtMSFSDir")->text(), tree.path("FS2000"));
        clickButton(form, "cmdAccept");
    });
    EXPECT_EQ(result.msfs, tree.path("FS2000"));
}
