#pragma once

#include "platform/ProgramLauncher.h"

// Opens files and folders with the desktop's default applications (Notepad and Explorer on
// Windows).
class QtProgramLauncher : public platform::ProgramLauncher {
public:
    void openTextFile(const QString &path) override;
    void openFolder(const QString &path) override;
    bool startSystemInformation() override;
};
