#include "interpreter/logic/CtlWindows.h"

#include "language/Text.h"

#include <utility>

namespace qv::logic {

namespace {

constexpr std::string_view WaitForWindowKeyword = "WAIT FOR WINDOW ";

std::string_view After(std::string_view line, std::string_view keyword) {
    return line.size() > keyword.size() ? line.substr(keyword.size()) : std::string_view();
}

} // namespace

bool TitleMatches(std::string_view windowTitle, std::string_view text) {
    return Contains(UpperCase(windowTitle), UpperCase(text));
}

std::optional<std::size_t> FirstMatchingWindow(const std::vector<std::string>& titles,
                                               std::string_view text) {
    const std::string upperText = UpperCase(text);
    for (std::size_t i = 0; i < titles.size(); ++i)
        if (Contains(UpperCase(titles[i]), upperText))
            return i;
    return std::nullopt;
}

std::optional<WindowCommand> ReadWindowCommand(std::string_view trimmedLine) {
    const std::string upper = UpperCase(trimmedLine);
    if (StartsWith(upper, "CLOSE "))
        return WindowCommand{std::string(After(upper, "CLOSE ")), ScClose};
    if (StartsWith(upper, "MINIMIZE "))
        return WindowCommand{std::string(After(upper, "MINIMIZE ")), ScMinimize};
    return std::nullopt;
}

std::string WaitForWindowTitle(std::string_view trimmedLine) {
    return std::string(After(trimmedLine, WaitForWindowKeyword));
}

std::string WaitForWindowStatusText(std::string_view title) {
    return "Waiting for Window called ...\r" + std::string(title);
}

WaitForWindowPoll::WaitForWindowPoll(std::string title) : title(std::move(title)) {}

WaitForWindowPoll::Step WaitForWindowPoll::Tick(const VisibleTitles& visibleTitles) {
    if (counter >= WaitForWindowTickLimit)
        return Step::TimedOut;
    ++counter;
    if (counter >= WaitForWindowTickLimit)
        return Step::TimedOut;
    if (visibleTitles && FirstMatchingWindow(visibleTitles(), title))
        return Step::Found;
    return Step::KeepWaiting;
}

std::string WaitForWindowPoll::EntryLineText() const {
    return std::string(WaitForWindowKeyword) + title;
}

} // namespace qv::logic
