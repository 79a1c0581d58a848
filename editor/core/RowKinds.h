#pragma once
// How a script line looks as a row: the prefix table that picks its title and built-in icon, and
// the title rule ProperCase.
#include <string>
#include <string_view>

namespace qv::editor {

// Positions in the editor's own icon table.
enum class BuiltInIcon : int {
    Program = 0,
    Capture = 1,
    Close = 2,
    Connect = 3,
    Copy = 4,
    Delete = 5,
    Desktop = 6,
    Unknown = 7,
    Ini = 8,
    Logoff = 9,
    Menu = 10,
    Minimize = 11,
    Error = 12,
    Prompt = 13,
    Properties = 14,
    Registry = 15,
    Rename = 16,
    Run = 17,
    Shutdown = 18,
    Timer = 19,
    Window = 20,
    Enable = 21,
    Disable = 22,
    Date = 23,
    SendKeys = 24,
    CompiledScript = 25,
    Script = 26,
};

// The row kinds in the order their prefixes are tested; Unknown is what no prefix matches.
enum class RowKind {
    Capture,
    Close,
    Connect,
    Copy,
    Del,
    Desktop,
    Logoff,
    MenuShow,
    Minimize,
    Error,
    Prompt,
    Rename,
    Run,
    Enable,
    Disable,
    ForseShutdown,
    ShutdownRestart,
    Shutdown,
    Wait,
    Date,
    SendKeys,
    Locate,
    Last,
    Load,
    Switches,
    Unknown,
};

enum class TitleRule {
    Fixed,             // the table's text
    ProperLine,        // ProperCase of the line
    ProperLineSeconds, // ProperCase of the line, then " sec(s)"
    MarkedName,        // the table's text, the upper-cased text between "{" and "}", the suffix
    AfterKeyword,      // the table's text, then the line from the keyword's own blank on
    ScriptName,        // ProperCase of the file name after "RUN"
    ProgramName,       // ProperCase of the program's file name
    None,              // the end row, or no row at all
};

struct RowPrefix {
    RowKind kind;
    std::string_view prefix; // at the very start of the upper-cased line
    TitleRule rule;
    std::string_view text;
    std::string_view suffix;
    int icon; // BuiltInIcon, or -1 where the kind has none of its own
};

// The first kind whose prefix starts `upperCommand` (a plain prefix test: "COPY" matches
// COPYING), else Unknown.
RowKind ClassifyRow(std::string_view upperCommand);

// The table entry of a kind; Unknown has one of its own outside the table.
const RowPrefix& PrefixOf(RowKind kind);

// The row title of a trimmed line of this kind (not used for Switches).
std::string RowTitle(RowKind kind, std::string_view command);

// Appends a blank, lower-cases everything, upper-cases the first character and every character
// after a blank, and trims: "ENABLE F5, F8" gives "Enable F5, F8".
std::string ProperCase(std::string_view text);

} // namespace qv::editor
