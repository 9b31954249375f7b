#pragma once

#include <QString>

// The paging of the Images tab and the choice of files that open in the text editor.
namespace viewer {

// The picture after current (1-based) among count pictures, wrapping to the first; 0 when there
// is nothing to page through (no picture shown, or the lists were emptied since).
int nextImageIndex(int current, int count);
// The picture before current, wrapping to the last.
int previousImageIndex(int current, int count);

// True when a component list row opens in the text editor: its last four characters are
// ".txt", ".cfg", ".doc" or ".diz".
bool opensInTextEditor(const QString &rowText);

} // namespace viewer
