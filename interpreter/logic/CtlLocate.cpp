#include "interpreter/logic/CtlLocate.h"

#include "language/Text.h"

#include <array>

namespace qv::logic {

namespace {

struct PlacementWord {
    std::string_view word;
    Placement placement;
};

// Two-word positions come first, so that "CENTER LEFT" is not taken as the centre.
constexpr std::array<PlacementWord, 17> PlacementWords = {{
    {"TOP CENTER", Placement::TopCenter},
    {"TOP CENTRE", Placement::TopCenter},
    {"BOTTOM CENTER", Placement::BottomCenter},
    {"BOTTOM CENTRE", Placement::BottomCenter},
    {"CENTER LEFT", Placement::CenterLeft},
    {"CENTRE LEFT", Placement::CenterLeft},
    {"CENTER RIGHT", Placement::CenterRight},
    {"CENTRE RIGHT", Placement::CenterRight},
    {"CENTER", Placement::Center},
    {"CENTRE", Placement::Center},
    {"TOP LEFT", Placement::TopLeft},
    {"TOP RIGHT", Placement::TopRight},
    {"BOTTOM RIGHT", Placement::BottomRight},
    {"BOTTOM LEFT", Placement::BottomLeft},
    {"MINI", Placement::Mini},
    {"HIDE", Placement::Hide},
    {"SHOW", Placement::Show},
}};

} // namespace

std::optional<Placement> FindPlacement(std::string_view argument) {
    const std::string upper = UpperCase(argument);
    for (const PlacementWord& entry : PlacementWords)
        if (Contains(upper, entry.word))
            return entry.placement;
    return std::nullopt;
}

std::optional<Placement> LocateLinePlacement(std::string_view trimmedLine) {
    constexpr std::string_view keyword = "LOCATE ";
    return FindPlacement(trimmedLine.size() > keyword.size() ? trimmedLine.substr(keyword.size())
                                                             : std::string_view());
}

std::optional<ScreenPoint> PlacementPosition(Placement placement, int screenWidth, int screenHeight,
                                             int windowWidth, int windowHeight) {
    const int right = screenWidth - windowWidth;
    const int bottom = screenHeight - windowHeight;
    // Integer division rounds toward zero, as the halves must, even for a window larger than
    // the screen.
    const int middleX = right / 2;
    const int middleY = bottom / 2;
    switch (placement) {
    case Placement::TopCenter:
        return ScreenPoint{middleX, 0};
    case Placement::BottomCenter:
        return ScreenPoint{middleX, bottom};
    case Placement::CenterLeft:
        return ScreenPoint{0, middleY};
    case Placement::CenterRight:
        return ScreenPoint{right, middleY};
    case Placement::Center:
        return ScreenPoint{middleX, middleY};
    case Placement::TopLeft:
        return ScreenPoint{0, 0};
    case Placement::TopRight:
        return ScreenPoint{right, 0};
    case Placement::BottomRight:
        return ScreenPoint{right, bottom};
    case Placement::BottomLeft:
        return ScreenPoint{0, bottom};
    case Placement::Mini:
    case Placement::Hide:
    case Placement::Show:
        break;
    }
    return std::nullopt;
}

} // namespace qv::logic
