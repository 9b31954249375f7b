#include "package/ui/MultipleCfgDialog.h"

#include "support/FormDriving.h"
#include "support/ScriptedMessageBoxes.h"

#include <gtest/gtest.h>

namespace {

// Unsorted on purpose: row r must stay entry r of the configuration table.
const QStringList kEntries{"Zulu  (fltsim.0)", "A  (fltsim.1)", "B  (fltsim.2)"};

QListWidget *configs(QWidget *form)
{
    return form->findChild<QListWidget *>("lstConfigs");
}

} // namespace

TEST(DialogConfigChooser, GivesTheRowTakenByOkOrADoubleClickAndNothingWhenClosed)
{
    ScriptedMessageBoxes messages;
    messages.expectOk();
    DialogConfigChooser chooser(messages);
    whenModal("frmMultipleCfg", [](QWidget *form) {
        EXPECT_EQ(configs(form)->item(0)->text(), kEntries.at(0));
        clickButton(form, "cmdOK"); // with no selection it asks and stays open
        EXPECT_TRUE(form->isVisible());
        configs(form)->setCurrentRow(2);
        clickButton(form, "cmdOK");
    });
    EXPECT_EQ(chooser.choose(kEntries), std::optional<int>(2));
    messages.verifyAllShown();

    whenModal("frmMultipleCfg",
              [](QWidget *form) { doubleClickRow(configs(form), kEntries.at(1)); });
    EXPECT_EQ(chooser.choose(kEntries), std::optional<int>(1));

    // A selection alone is no choice: only OK or a double click takes it.
    whenModal("frmMultipleCfg", [](QWidget *form) {
        configs(form)->setCurrentRow(0);
        form->close();
    });
    EXPECT_EQ(chooser.choose(kEntries), std::nullopt);
}
