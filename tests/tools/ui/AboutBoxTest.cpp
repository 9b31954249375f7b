#include "tools/ui/AboutBox.h"

#include "support/FormDriving.h"
#include "support/ScriptedMessageBoxes.h"

#include <QLabel>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Counts the starts of the system information program and answers whether one was found.
class SysInfoLauncher : public platform::ProgramLauncher {
public:
    bool available = false;
    int starts = 0;
    void openTextFile(const QString &) override {}
    void openFolder(const QString &) override {}
    bool startSystemInformation() override
    {
        ++starts;
        return available;
    }
};

struct BoxFixture {
    QWidget mainWindow;
    ScriptedMessageBoxes messages;
    SysInfoLauncher launcher;

    AboutBox &open()
    {
        AboutBox &box = AboutBox::showOnce(messages, launcher, &mainWindow);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&box));
        return box;
    }
};

TEST(AboutBox, OpeningTwiceBringsUpTheSameBoxWithTheBuildsVersion)
{
    BoxFixture f;
    AboutBox &first = f.open();
    EXPECT_EQ(&f.open(), &first);
    EXPECT_EQ(f.mainWindow.findChildren<AboutBox *>().size(), 1);
    EXPECT_EQ(first.windowTitle(), "About Wingstash");
    EXPECT_EQ(first.findChild<QLabel *>("lblVersion")->text(),
              "Version " + AboutBox::versionNumber());
    EXPECT_TRUE(
        QRegularExpression("^\\d+\\.\\d+\\.\\d+$").match(AboutBox::versionNumber()).hasMatch());
}

TEST(AboutBox, SystemInfoStartsTheProgramOrSaysItIsUnavailableAndStaysOpen)
{
    BoxFixture f;
    AboutBox &box = f.open();
    f.launcher.available = true;
    clickButton(&box, "cmdSysInfo");
    EXPECT_EQ(f.launcher.starts, 1);

    f.launcher.available = false;
    f.messages.expectOk("System Information Is Unavailable At This Time");
    clickButton(&box, "cmdSysInfo");
    f.messages.verifyAllShown();
    EXPECT_EQ(f.launcher.starts, 2);
    EXPECT_TRUE(box.isVisible());
}

} // namespace
