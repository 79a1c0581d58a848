#include "interpreter/core/Session.h"
#include "interpreter/core/WindowsList.h"
#include "interpreter/core/commands/CommandHandlers.h"
#include "interpreter/logic/CtlLocate.h"
#include "interpreter/logic/CtlWindows.h"

#include <optional>

namespace qv::interp {

namespace {

// Hidden windows are listed too; no match does nothing and records nothing.
void PostToFirstMatch(Session& session, const std::string& line) {
    const std::optional<logic::WindowCommand> command = logic::ReadWindowCommand(line);
    if (!command)
        return;
    TWindowsList list(session.services.windows);
    list.Refresh();
    const std::optional<std::size_t> found =
        logic::FirstMatchingWindow(list.WindowList, command->title);
    if (found)
        session.services.windows.PostSysCommand(list.Handles(*found), command->sysCommand);
    else
        session.Note(NoteKind::Skipped, "no window titled like " + command->title);
}

void Place(Session& session, logic::Placement placement) {
    ProgressView& view = session.host.view;
    switch (placement) {
    case logic::Placement::Mini:
        view.Minimize();
        return;
    case logic::Placement::Hide:
        session.HideWindow();
        return;
    case logic::Placement::Show:
        session.ShowWindow();
        return;
    default:
        break;
    }
    const Size screen = view.ScreenSize();
    const Size window = view.WindowSize();
    const std::optional<logic::ScreenPoint> point = logic::PlacementPosition(
        placement, screen.width, screen.height, window.width, window.height);
    if (point)
        view.MoveTo(point->left, point->top);
}

} // namespace

Dispatched CloseCommand(Session& session, const std::string& line, const std::string&) {
    PostToFirstMatch(session, line);
    return Dispatched::Done;
}

Dispatched MinimizeCommand(Session& session, const std::string& line, const std::string&) {
    PostToFirstMatch(session, line);
    return Dispatched::Done;
}

Dispatched LocateCommand(Session& session, const std::string& line, const std::string&) {
    session.SetStatus("");
    session.host.view.ShowCommandIcon({CommandIcon::Source::Window, {}, 0});
    const std::optional<logic::Placement> placement = logic::LocateLinePlacement(line);
    if (!placement)
        return Dispatched::ContinueTests;
    Place(session, *placement);
    session.host.view.ProcessMessages();
    return Dispatched::Done;
}

} // namespace qv::interp
