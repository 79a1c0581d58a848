#include "interpreter/logic/CtlLocate.h"

namespace qv::logic {

std::optional<Placement> LocateLinePlacement(std::string_view trimmedLine) {
    return ParseLocate(trimmedLine);
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
