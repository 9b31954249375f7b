#pragma once

#include "package/SharedState.h"
#include "platform/ProgramLauncher.h"

#include <QString>

#include <optional>

// What the component lists do with the last scan's files: paging through the pictures of the
// Images tab (SharedState::CurrentImage) and opening a picked document in the text editor.
class ComponentViewer {
public:
    ComponentViewer(SharedState &state, platform::ProgramLauncher &launcher)
        : state_(state), launcher_(launcher)
    {
    }

    // Makes the picture after (or before) the current one current, wrapping around, and gives
    // its path to show; nothing when there is nothing to page through (no picture shown, or the
    // lists were emptied since).
    std::optional<QString> nextPicture();
    std::optional<QString> previousPicture();

    // A row picked in a kind's list: opened in the text editor when the row's last four
    // characters are ".txt", ".cfg", ".doc" or ".diz".
    void openRow(int kind, int row, const QString &rowText);

private:
    std::optional<QString> makeCurrent(int picture);
    int pictureCount() const;

    SharedState &state_;
    platform::ProgramLauncher &launcher_;
};
