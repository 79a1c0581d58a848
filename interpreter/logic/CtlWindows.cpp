#include "interpreter/logic/CtlWindows.h"

#include "language/Grammar.h"
#include "language/Text.h"

#include <utility>

namespace qv::logic {

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
    if (StartsWith(upper, KeywordText(Keyword::Close)))
        return WindowCommand{std::string(ArgumentOf(upper, Keyword::Close)), ScClose};
    if (StartsWith(upper, KeywordText(Keyword::Minimize)))
        return WindowCommand{std::string(ArgumentOf(upper, Keyword::Minimize)), ScMinimize};
    return std::nullopt;
}

std::string WaitForWindowTitle(std::string_view trimmedLine) {
    return std::string(ArgumentOf(trimmedLine, Keyword::WaitForWindow));
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
    return std::string(KeywordText(Keyword::WaitForWindow)) + title;
}

} // namespace qv::logic
