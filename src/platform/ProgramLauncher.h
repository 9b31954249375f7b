#pragma once

#include <QString>

namespace platform {

// Starts other programs without waiting for them.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    virtual void openTextFile(const QString &path) = 0; // "Notepad.exe" on Windows
    virtual void openFolder(const QString &path) = 0;   // "Explorer.exe" on Windows
    // Returns false when no system information program can be started.
    virtual bool startSystemInformation() = 0;
};

} // namespace platform
