#include "interpreter/core/Session.h"
#include "interpreter/core/commands/Commands.h"
#include "language/Text.h"

#include <array>
#include <optional>
#include <string_view>

namespace qv::interp {

namespace {

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
    Mini,
    Hide,
    Show,
};

struct PlacementWord {
    std::string_view word;
    Placement placement;
};

// Two-word positions come before "CENTER" so that "CENTER LEFT" is not taken as the centre.
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

std::optional<Placement> FindPlacement(const std::string& argument) {
    for (const PlacementWord& entry : PlacementWords)
        if (Contains(argument, entry.word))
            return entry.placement;
    return std::nullopt;
}

void Place(Session& session, Placement placement) {
    ProgressView& view = session.host.view;
    switch (placement) {
    case Placement::Mini:
        view.Minimize();
        return;
    case Placement::Hide:
        session.HideWindow();
        return;
    case Placement::Show:
        session.ShowWindow();
        return;
    default:
        break;
    }
    const Size screen = view.ScreenSize();
    const Size window = view.WindowSize();
    const int right = screen.width - window.width;
    const int bottom = screen.height - window.height;
    const int middleX = right / 2;
    const int middleY = bottom / 2;
    switch (placement) {
    case Placement::TopCenter:
        view.MoveTo(middleX, 0);
        break;
    case Placement::BottomCenter:
        view.MoveTo(middleX, bottom);
        break;
    case Placement::CenterLeft:
        view.MoveTo(0, middleY);
        break;
    case Placement::CenterRight:
        view.MoveTo(right, middleY);
        break;
    case Placement::Center:
        view.MoveTo(middleX, middleY);
        break;
    case Placement::TopLeft:
        view.MoveTo(0, 0);
        break;
    case Placement::TopRight:
        view.MoveTo(right, 0);
        break;
    case Placement::BottomRight:
        view.MoveTo(right, bottom);
        break;
    case Placement::BottomLeft:
        view.MoveTo(0, bottom);
        break;
    default:
        break;
    }
}

} // namespace

// Window lookup by title needs the window-list port, which is not there yet.
Dispatched CloseCommand(Session&, const std::string&, const std::string&) {
    return Dispatched::Done;
}

Dispatched MinimizeCommand(Session&, const std::string&, const std::string&) {
    return Dispatched::Done;
}

Dispatched LocateCommand(Session& session, const std::string&, const std::string& upper) {
    session.SetStatus("");
    session.host.view.ShowCommandIcon({CommandIcon::Source::Window, {}, 0});
    const std::optional<Placement> placement =
        FindPlacement(upper.substr(std::string_view("LOCATE ").size()));
    if (!placement)
        return Dispatched::ContinueTests;
    Place(session, *placement);
    session.host.view.ProcessMessages();
    return Dispatched::Done;
}

} // namespace qv::interp
