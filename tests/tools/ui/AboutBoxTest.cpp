#include "tools/ui/AboutBox.h"

#include "support/Fakes.h"
#include "support/FormDriving.h"
#include "support/ScriptedMessageBoxes.h"

#include <QLabel>
#include <QRegularExpression>

#include <gtest/gtest.h>

TEST(AboutBox, OneBoxShowsTheVersionAndSystemInfoStartsTheProgramOrSaysItIsUnavailable)
{
    QWidget mainWindow;
    ScriptedMessageBoxes messages;
    RecordingLauncher launcher;
    AboutBox &box = AboutBox::showOnce(messages, launcher, &mainWindow);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    EXPECT_EQ(&AboutBox::showOnce(messages, launcher, &mainWindow), &box);
    EXPECT_EQ(mainWindow.findChildren<AboutBox *>().size(), 1);
    EXPECT_EQ(box.findChild<QLabel *>("lblVersion")->text(),
              "Version " + AboutBox::versionNumber());
    EXPECT_TRUE(
        QRegularExpression("^\\d+\\.\\d+\\.\\d+$").match(AboutBox::versionNumber()).hasMatch());

    launcher.systemInformationAvailable = true;
    clickButton(&box, "cmdSysInfo"); // started: nothing to say
    launcher.systemInformationAvailable = false;
    messages.expectOk();
    clickButton(&box, "cmdSysInfo");
    messages.verifyAllShown();
    EXPECT_TRUE(box.isVisible());
}
