#include "interpreter/core/Session.h"
#include "interpreter/core/commands/CommandHandlers.h"
#include "language/Keywords.h"
#include "language/Text.h"

#include <array>
#include <utility>

namespace qv::interp {

namespace {

struct DispatchEntry {
    Keyword keyword;
    CommandHandler handler;
};

// In the keyword table's test order; LOAD and LOAD AND WAIT share one handler.
constexpr std::array<DispatchEntry, KeywordCount> DispatchTable = {{
    {Keyword::No, NoCommand},
    {Keyword::Enable, EnableCommand},
    {Keyword::Disable, DisableCommand},
    {Keyword::Close, CloseCommand},
    {Keyword::Minimize, MinimizeCommand},
    {Keyword::SendKeys, SendKeysCommand},
    {Keyword::Desktop, DesktopCommand},
    {Keyword::PromptMenu, PromptMenuCommand},
    {Keyword::Prompt, PromptCommand},
    {Keyword::Error, ErrorCommand},
    {Keyword::ShutdownRestart, ShutdownRestartCommand},
    {Keyword::Logout, LogoutCommand},
    {Keyword::Logoff, LogoutCommand},
    {Keyword::ShutdownForce, ShutdownForceCommand},
    {Keyword::Shutdown, ShutdownCommand},
    {Keyword::Connect, ConnectCommand},
    {Keyword::Capture, CaptureCommand},
    {Keyword::WaitForLoad, WaitForLoadCommand},
    {Keyword::WaitForWindow, WaitForWindowCommand},
    {Keyword::Wait, WaitCommand},
    {Keyword::Date, DateCommand},
    {Keyword::MenuStart, MenuStartCommand},
    {Keyword::MenuShow, MenuShowCommand},
    {Keyword::MenuDefault, MenuDefaultCommand},
    {Keyword::MenuItem, MenuItemCommand},
    {Keyword::Set, SetCommand},
    {Keyword::Run, RunCommand},
    {Keyword::Del, DelCommand},
    {Keyword::Copy, CopyCommand},
    {Keyword::Rename, RenameCommand},
    {Keyword::Locate, LocateCommand},
    {Keyword::Load, LoadCommand},
    {Keyword::LoadAndWait, LoadCommand},
}};

constexpr bool TableFollowsKeywordOrder() {
    for (std::size_t i = 0; i < DispatchTable.size(); ++i)
        if (static_cast<std::size_t>(DispatchTable[i].keyword) != i)
            return false;
    return true;
}
static_assert(TableFollowsKeywordOrder());

} // namespace

void Session::ProcessLine(const std::string& rawLine) {
    if (ended_)
        return;
    if (state.StopRequested) {
        SetTimerEnabled(TimerId::WaitTimer, false);
        return;
    }
    const std::string line = NormaliseLine(rawLine);
    // Only the outermost dispatch is a command of its own for the observer_.
    RunObserver* const watching = dispatchDepth == 0 && !line.empty() ? observer_ : nullptr;
    if (watching) {
        watching->LineStarted(state.CurrentScript,
                              observedLine_ >= 0 ? observedLine_ : state.NextLine - 1, line);
    }
    observedLine_ = -1;
    ++dispatchDepth;
    Dispatch(line);
    --dispatchDepth;
    if (watching)
        watching->LineFinished();
}

void Session::Dispatch(const std::string& line) {
    const std::string upper = UpperCase(line);
    std::size_t from = 0;
    while (const std::optional<Keyword> keyword = MatchKeyword(upper, from)) {
        const std::size_t index = KeywordIndex(*keyword);
        if (DispatchTable[index].handler(*this, line, upper) == Dispatched::Done || ended_)
            return;
        from = index + 1;
    }
    if (!line.empty())
        AddReportedError(InvalidCommandMessage, line);
}

} // namespace qv::interp
