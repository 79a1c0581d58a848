#pragma once
// The script language's keyword vocabulary, in the order the interpreter tests it.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

enum class Keyword {
    No,
    Enable,
    Disable,
    Close,
    Minimize,
    SendKeys,
    Desktop,
    PromptMenu,
    Prompt,
    Error,
    ShutdownRestart,
    Logout,
    Logoff,
    ShutdownForce,
    Shutdown,
    Connect,
    Capture,
    WaitForLoad,
    WaitForWindow,
    Wait,
    Date,
    MenuStart,
    MenuShow,
    MenuDefault,
    MenuItem,
    Set,
    Run,
    Del,
    Copy,
    Rename,
    Locate,
    Load,
    LoadAndWait,
};

struct KeywordTest {
    Keyword keyword;
    std::string_view text; // stands at the first position of the upper-cased trimmed line
};

inline constexpr std::size_t KeywordCount = 33;
extern const std::array<KeywordTest, KeywordCount> KeywordTable;

// Index into KeywordTable of a keyword.
std::size_t KeywordIndex(Keyword keyword);

// The keyword's test text ("WAIT ", "LOAD AND WAIT"): the one spelling of every keyword.
std::string_view KeywordText(Keyword keyword);

// The first test, from table index `from` on, whose text starts `upperLine`.
std::optional<Keyword> MatchKeyword(std::string_view upperLine, std::size_t from = 0);

// Lines the runner passes over without dispatching: empty lines, ";" comments and lines whose
// first three characters are "REM" in any case. Tested on the raw, untrimmed line.
bool IsIgnoredLine(std::string_view rawLine);

// Lines after which the runner stays suspended until their command resumes it: the trimmed,
// upper-cased line starts with "WAIT " (WAIT, WAIT FOR LOAD, WAIT FOR WINDOW) or "LOAD AND WAIT".
bool IsWaitingLine(std::string_view rawLine);

// The argument source of every command: the line without leading and trailing blanks and
// control characters.
std::string NormaliseLine(std::string_view rawLine);

} // namespace qv
