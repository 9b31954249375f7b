#pragma once

#include "platform/MessageBoxes.h"
#include "platform/ProgramLauncher.h"

// Opens files and folders with the desktop's default applications (Notepad and Explorer on
// Windows). When the desktop cannot open one, a message box says so: the user would otherwise
// see nothing happen.
class QtProgramLauncher : public platform::ProgramLauncher {
public:
    explicit QtProgramLauncher(platform::MessageBoxes &messages) : messages_(messages) {}
    void openTextFile(const QString &path) override;
    void openFolder(const QString &path) override;
    bool startSystemInformation() override;

private:
    void openWith(const QString &windowsProgram, const QString &path);

    platform::MessageBoxes &messages_;
};
