#pragma once
// LOCATE: the word that places, minimises, hides or shows the interpreter's own window.
#include "language/Grammar.h"

#include <optional>
#include <string_view>

namespace qv::logic {

using qv::FindPlacement;
using qv::Placement;

// The placement of a trimmed "LOCATE " line.
std::optional<Placement> LocateLinePlacement(std::string_view trimmedLine);

struct ScreenPoint {
    int left = 0;
    int top = 0;
};

// The window's top-left corner for a position; "half" rounds toward zero. Nothing for Mini,
// Hide and Show, which are actions, not positions.
std::optional<ScreenPoint> PlacementPosition(Placement placement, int screenWidth, int screenHeight,
                                             int windowWidth, int windowHeight);

} // namespace qv::logic
