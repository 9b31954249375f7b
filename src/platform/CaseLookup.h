#pragma once

#include <QString>

#include <string>

// Letter case as Windows ignores it: built paths are looked up on disk without regard to case,
// and names are compared the way listings and look-ups compare them.
namespace platform {

// A key that two names share exactly when they match ignoring case as listings and look-ups
// compare them (QString::compare with Qt::CaseInsensitive); ordering keys orders the names.
std::u32string caseKey(const QString &name);

// caseKey(first) against caseKey(second), negative, zero or positive, without making either.
int compareCaseKeys(QStringView first, QStringView second);

// Looks a built path up component by component: an exact match first, else the first entry
// that matches ignoring case. Components that do not exist keep the spelling given, so the
// result also serves for creating new files. A trailing separator is kept.
QString resolveCase(const QString &path);

} // namespace platform
