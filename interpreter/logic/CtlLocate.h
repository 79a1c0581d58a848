#pragma once
// LOCATE: the word that places, minimises, hides or shows the interpreter's own window.
#include <optional>
#include <string_view>

namespace qv::logic {

enum class Placement {
    TopCenter,
    BottomCenter,
    CenterLeft,
    CenterRight,
    Center,
    TopLeft,
    TopRight,
    BottomRight,
    BottomLeft,
    Mini, // minimise
    Hide, // hide, task-bar button too
    Show,
};

// The first word of the table, in its order, contained anywhere in the upper-cased argument:
// "CENTER LEFT" is found before "CENTER", "MINIMIZE" holds "MINI". Nothing when no word is
// there: the line then goes on to the LOAD tests and ends as Invalid Command (200).
std::optional<Placement> FindPlacement(std::string_view argument);

// The same for a trimmed "LOCATE " line.
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
