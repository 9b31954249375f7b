#pragma once

#include "package/ComponentKind.h"
#include "package/SharedState.h"

#include <QList>
#include <QString>

#include <array>

// How the scan sorts files into component kinds by name alone.

enum class PassMode {
    Extension, // the name ends with "." and the pattern ("af": any ".?af")
    ExactName, // the name equals the pattern; its configuration reader then runs
    EveryFile,
    CheckList, // kneeboard texts: "_check.txt", "_keys.txt", "_notes.txt", "_ref.txt"
    KeysList,
    NotesList,
    RefList,
};

struct ClassificationPass {
    PassMode mode;
    QString pattern;        // lower case; empty for the modes that need none
    bool panelOnly = false; // for "bmp": only panel bitmaps (else only the others)
};

struct ClassificationGroup {
    ComponentKind kind;
    QList<ClassificationPass> passes;
};

// The nine groups, in the order the scan runs them.
const std::array<ClassificationGroup, kKindCount> &classificationGroups();

// True when a lower-case file name matches the pass. The bitmap passes ask IsPanelBitmap, so
// the package's panel.cfg must have been read first.
bool matchesPass(const ClassificationPass &pass, const QString &lowerName,
                 const SharedState &state);

// False when no name with this extension (the text after its last ".", empty without one) can
// match the pass: the scan then need not test those names.
bool passMayMatchExtension(const ClassificationPass &pass, QStringView extension);

// True when a lower-case path ends with a name that some kind other than Unrecognized Files
// claims; such files are left out of the Unrecognized Files list.
bool hasKnownEnding(const QString &lowerPath);
