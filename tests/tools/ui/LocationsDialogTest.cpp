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
        messages.expectOk();
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
