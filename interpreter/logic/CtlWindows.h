#pragma once
// Windows found by title: the matching rule, WAIT FOR WINDOW's polling and the target of CLOSE
// and MINIMIZE.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv::logic {

// A window matches when its title, upper-cased, contains the text, upper-cased, anywhere.
bool TitleMatches(std::string_view windowTitle, std::string_view text);

// The index of the first matching title in list order (topmost window first); nothing when
// none matches.
std::optional<std::size_t> FirstMatchingWindow(const std::vector<std::string>& titles,
                                               std::string_view text);

inline constexpr std::uint32_t WmSysCommand = 0x0112;
inline constexpr std::uint32_t ScClose = 0xF060;
inline constexpr std::uint32_t ScMinimize = 0xF020;

struct WindowCommand {
    std::string title;        // the text after the keyword, upper-cased
    std::uint32_t sysCommand; // posted with WmSysCommand to the first matching window
};

// A trimmed "CLOSE " or "MINIMIZE " line; nothing for other lines. The host lists all titled
// top-level windows, hidden ones included, posts to the first match and does not wait; no
// match does nothing and records nothing.
std::optional<WindowCommand> ReadWindowCommand(std::string_view trimmedLine);

inline constexpr int WaitForWindowIntervalMs = 100;
inline constexpr int WaitForWindowTickLimit = 120;

// The title of a trimmed "WAIT FOR WINDOW " line, as written.
std::string WaitForWindowTitle(std::string_view trimmedLine);

// LoadingAppName while waiting.
std::string WaitForWindowStatusText(std::string_view title);

// The titles of the visible titled top-level windows, topmost first.
using VisibleTitles = std::function<std::vector<std::string>()>;

// The WaitForWindow timer's work: one Tick per 100 ms. The 120th tick times out without
// looking; every earlier tick looks at the visible windows.
class WaitForWindowPoll {
  public:
    enum class Step { KeepWaiting, Found, TimedOut };

    explicit WaitForWindowPoll(std::string title);

    Step Tick(const VisibleTitles& visibleTitles);

    int Counter() const { return counter; }
    const std::string& Title() const { return title; }
    // Stands in the error entry in place of the line; the entry is recorded even under
    // ERROR OFF.
    std::string EntryLineText() const;

  private:
    std::string title;
    int counter = 0;
};

} // namespace qv::logic
