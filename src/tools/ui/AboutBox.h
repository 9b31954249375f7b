#pragma once

#include "platform/MessageBoxes.h"
#include "platform/ProgramLauncher.h"

#include <QDialog>

// frmAbout: the program's title, version and description, a disclaimer, OK (Enter and Esc)
// and System Info. A fixed-size box, not modal.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    AboutBox(platform::MessageBoxes &messages, platform::ProgramLauncher &launcher,
             QWidget *parent = nullptr);

    // Shows the one about box below parent, not modally: created on first use, brought to the
    // front when it is open already.
    static AboutBox &showOnce(platform::MessageBoxes &messages, platform::ProgramLauncher &launcher,
                              QWidget *parent);

    // "1.0.0": the version the build was made from.
    static QString versionNumber();

private:
    void startSysInfo();

    platform::MessageBoxes &messages_;
    platform::ProgramLauncher &launcher_;
};
