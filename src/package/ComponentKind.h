#pragma once

#include <array>

// The nine component kinds. Their display names are also the names of the kind sub-folders of
// a stored or installed package, so they are part of the store's layout.
enum ComponentKind : int {
    Images = 0,
    Aircraft = 1,
    Panel = 2,
    Gauges = 3,
    Model = 4,
    Texture = 5,
    Sound = 6,
    Documentation = 7,
    UnrecognizedFiles = 8,
};

inline constexpr int kKindCount = 9;

inline constexpr std::array<const char *, kKindCount> KindNames{
    "Images",        "Aircraft",          "Panel", "Gauges", "Model", "Texture", "Sound",
    "Documentation", "Unrecognized Files"};
