#include "package/ListWindowPlace.h"

namespace {

constexpr int kMinimumHeight = 1000;
constexpr int kDefaultHeight = 4000;
constexpr int kMinimumWidth = 2000;
constexpr int kDefaultWidth = 5000;

} // namespace

WindowGeometry rememberedListWindowPlace(const SharedState &state)
{
    WindowGeometry place{state.ListTop, state.ListLeft, state.ListHeight, state.ListWidth};
    if (place.height < kMinimumHeight)
        place.height = kDefaultHeight;
    if (place.width < kMinimumWidth)
        place.width = kDefaultWidth;
    return place;
}
