#pragma once

#include <QChar>
#include <QString>

// Paths as the program builds them. Names are joined with "/" in code and written with the
// system's separator on disk; a folder's path ends with the separator, and this is the one place
// that adds or strips it.
namespace platform {

// The system's separator: what a built path is written with.
QChar separator();

// True for "/" and for the system's separator (Windows takes both).
bool isSeparator(QChar c);

// The path with one trailing separator appended when missing (empty stays empty).
QString withTrailingSeparator(const QString &path);
// The path without its trailing separators (a root such as "/" stays as it is).
QString withoutTrailingSeparator(const QString &path);

// A path on disk with whether it names a folder as a property: the folder form ends with the
// separator, the entry form does not, and joining never doubles or drops one. Nothing is looked
// up on disk here.
class Path {
public:
    Path() = default;
    // A path in the system's form; a trailing separator makes it a folder.
    explicit Path(const QString &path);

    // The entry below this path named by names, which may hold several names joined by "/".
    // An empty path leaves names as they are (a relative path).
    Path operator/(const QString &names) const;

    Path asFolder() const;
    Path asEntry() const;
    bool isFolder() const { return folder_; }
    bool isEmpty() const { return entry_.isEmpty(); }

    // The path in the system's form, ending with the separator when it names a folder.
    QString toString() const;

private:
    QString entry_; // without trailing separators
    bool folder_ = false;
};

} // namespace platform
