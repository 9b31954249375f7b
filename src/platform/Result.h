#pragma once

#include <QString>

// How a call that changes the disk ends, and the texts Windows gives for the failures the
// program reports the way Windows would.
namespace platform {

struct Result {
    bool ok = true;
    QString error; // the system's description when !ok
    int code = 0;  // the system's error number when !ok, where one is known
};

// The system's description of a failure as a sentence of a message: trimmed, ending with a
// full stop ("The reason is unknown." when there is none).
QString asSentence(const QString &error);

inline const QString kAccessDenied = QStringLiteral("Access is denied.");
inline const QString kFileNotFound = QStringLiteral("The system cannot find the file specified.");
inline const QString kPathNotFound = QStringLiteral("The system cannot find the path specified.");

} // namespace platform
