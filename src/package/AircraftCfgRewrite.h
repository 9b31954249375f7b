#pragma once

#include <QString>
#include <QStringList>

// The lines of an aircraft.cfg with only the chosen configuration left, under the header
// [fltsim.0], its folder keys written bare (model=, panel=, sound=, texture=) so that it uses
// the plain folders. Other configuration sections are left out; every other section is kept,
// except that its lines holding one of the four keys are written bare as well.
QStringList rewriteForConfiguration(const QStringList &lines, const QString &chosenName);
