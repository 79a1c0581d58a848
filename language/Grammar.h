#pragma once
// The grammar of script lines: one field struct per command, a Parse that reads a line into it
// and a Build that writes it back, shared by the interpreter, qvtool check, the what-if host and
// the editor's dialogs and row titles.
//
// How callers use it:
// - Parse* takes the trimmed line as written (NormaliseLine) and keeps every field in the case
//   and with the blanks it was written in; a piece's Span says where it stands in that line, so
//   a row title can cut it out and a checker can point at it. Parsing never fails: a missing
//   piece is empty and its Span absent.
// - Build* writes the line the editor stores; Parse(Build(fields)) gives the same fields back.
// - The interpreter applies its own reading on top: it upper-cases where its command says so
//   (a LOAD path, CONNECT names) and decides what a field means (LoadConditionsRunOnce, ...).
// - Keyword texts come from the keyword table (KeywordText); no caller spells them again.
#include "language/Keywords.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// Where a piece stands in the parsed line: 0-based offset and length of its text (without its
// marks or quotes). Absent pieces have no Span.
struct Span {
    std::size_t begin = 0;
    std::size_t length = 0;
};

// The argument of a keyword line: the text after the keyword's own text (which already holds
// its blank), as written; empty when the line is no longer than the keyword.
std::string_view ArgumentOf(std::string_view line, Keyword keyword);

// ---- LOAD and LOAD AND WAIT ----------------------------------------------------------------
//
// LOAD path {arguments} [state] <conditions> (time window)
// The path runs up to the first mark group; a group counts only where it is well formed:
// "{" up to the next "}" (without it: no arguments, and the rest of the line is ignored),
// "[" MIN, MAX or HIDE "]" in any case, "<" R and week-day digits 1 to 7 ">", "(" eight digits
// ")". Any other "[", "<" or "(" is part of the path, so LOAD C:\PROGRAM FILES (X86)\APP\APP.EXE
// names that program. A path in double quotes is taken as written, marks and all. Blanks
// between the path and its first group are not part of the path. Of each kind of group the
// first one counts.

struct LoadFields {
    bool wait = false; // LOAD AND WAIT
    std::string path;  // without its quotes
    bool pathQuoted = false;
    std::string arguments; // between { and }
    bool hasArguments = false;
    std::string windowWord; // between [ and ]: min, max or hide in any case; empty is normal
    std::string conditions; // between < and >: R and week-day digits
    std::string timeWindow; // between ( and ): HHMMHHMM
};

struct LoadSpans {
    Span keyword; // "LOAD" or "LOAD AND WAIT"
    Span path;
    std::optional<Span> arguments, windowWord, conditions, timeWindow;
    // Mark characters after the path that open no well-formed group, as positions in the line
    // (qvtool check explains them).
    std::vector<std::size_t> strayMarks;
};

struct ParsedLoad {
    LoadFields fields;
    LoadSpans spans;
};

ParsedLoad ParseLoad(std::string_view line);

// The dialog's two layouts of the window-state token: an edited line has a blank after "]",
// an added one has none (the editor's own difference, kept so that stored lines stay as they
// are).
enum class LoadLayout { Add, Edit };

// "LOAD " or "LOAD AND WAIT ", the path (quoted when pathQuoted, or when it would not read back
// as it is), " {arguments}" when hasArguments or arguments is not empty, " ", "[word] ",
// "<conditions> ", "(window) ", trimmed.
std::string BuildLoad(const LoadFields& fields, LoadLayout layout = LoadLayout::Edit);

// Conditions text: "R" when runOnce, then each of the week-day digits 1 to 7 in `days`, in
// order 1 to 7 and once each.
std::string LoadConditions(bool runOnce, std::string_view days);
bool LoadConditionsRunOnce(std::string_view conditions);
// The week-day digits of a conditions text, in order, once each.
std::string LoadConditionsDays(std::string_view conditions);

// Whether text is a well-formed group body of each kind (what Parse accepts).
bool IsWindowWord(std::string_view word);
bool IsConditionsText(std::string_view text);
bool IsTimeWindowText(std::string_view text);

// The last component of a path: the text after its last "\", "/" or ":".
std::string_view PathFileName(std::string_view path);

// ---- COPY, RENAME, DEL -------------------------------------------------------------------

struct CopySwitches {
    bool onlyNewer = false;         // "/ON"
    bool doNotOverwrite = false;    // "/DNO"
    bool confirmIfExists = false;   // "/CIE"
    bool noSubfolders = false;      // "/DNCS"
    bool overwriteReadOnly = false; // "/ORO"
};

// The switches in the order the editor writes them.
struct CopySwitch {
    std::string_view text;
    bool CopySwitches::*flag;
};
extern const std::array<CopySwitch, 5> CopySwitchTable;

// COPY source>destination /ON /DNO /CIE /DNCS /ORO
struct CopyFields {
    std::string source;      // trimmed
    std::string destination; // trimmed, without the switches
    CopySwitches switches;
    bool hasSeparator = false; // without ">" both paths are empty
};

// A switch counts where it stands anywhere in the line, in upper case only; it is removed from
// the destination with the one character in front of it, unless it is the destination's first.
CopyFields ParseCopy(std::string_view line);
// "COPY " source ">" destination, then " " and each switch; trimmed.
std::string BuildCopy(const CopyFields& fields);

// RENAME old>new; neither name is trimmed.
struct RenameFields {
    std::string oldName;
    std::string newName;
    bool hasSeparator = false;
};
RenameFields ParseRename(std::string_view line);
std::string BuildRename(const RenameFields& fields);

// DEL paths: the argument, trimmed; several paths are separated by ";".
struct DelFields {
    std::string paths;
};
DelFields ParseDel(std::string_view line);
std::string BuildDel(const DelFields& fields);

// ---- CONNECT and CAPTURE -----------------------------------------------------------------

// CONNECT {local} [remote]; CAPTURE the same. Each name is the text between the first opening
// and the first closing mark of the line; a missing or reversed pair leaves it empty.
struct NetFields {
    std::string local;
    std::string remote;
};
NetFields ParseNet(std::string_view line);
std::string BuildNet(Keyword keyword, const NetFields& fields);

// The text between the first `open` and the first `close` of `text`; empty when either is
// missing or the closing mark comes first.
std::string MarkedText(std::string_view text, char open, char close);

// ---- DESKTOP -----------------------------------------------------------------------------

// DESKTOP bitmap, DESKTOP {RANDOM}, DESKTOP {RANDOM}folder.
struct DesktopFields {
    bool random = false;
    std::string path; // the bitmap, or the folder after {RANDOM} (empty: the Windows folder)
};
inline constexpr std::string_view RandomMark = "{RANDOM}";
DesktopFields ParseDesktop(std::string_view line);
std::string BuildDesktop(const DesktopFields& fields);

// ---- WAIT, WAIT FOR LOAD, WAIT FOR WINDOW, CLOSE, MINIMIZE ---------------------------------

// WAIT n, WAIT FOR LOAD n: the seconds as written. WAIT FOR WINDOW, CLOSE, MINIMIZE: the title
// as written. One struct serves all five: the keyword says which.
struct ArgumentFields {
    Keyword keyword = Keyword::Wait;
    std::string argument;
};
ArgumentFields ParseArgumentLine(std::string_view line);
std::string BuildArgumentLine(const ArgumentFields& fields);

// ---- LOCATE ------------------------------------------------------------------------------

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
    Mini, // minimise
    Hide, // hide, task-bar button too
    Show,
};

// The first word of the placement table, in its order, contained anywhere in the argument in
// any case: "CENTER LEFT" is found before "CENTER", "MINIMIZE" holds "MINI". Nothing when no
// word is there: the line then goes on to the LOAD tests and ends as Invalid Command (200).
std::optional<Placement> FindPlacement(std::string_view argument);
std::optional<Placement> ParseLocate(std::string_view line);
// "LOCATE " and the words the editor writes: TOP LEFT, CENTER CENTER, MINI, HIDE, SHOW, ...
std::string BuildLocate(std::string_view vertical, std::string_view horizontal);

// ---- SENDKEYS ----------------------------------------------------------------------------

// SENDKEYS "title","keys": comma text, in which blanks separate too and a double-quoted item
// keeps its blanks and commas, with "" standing for one quote.
struct SendKeysFields {
    std::string title;
    std::string keys;
};
std::vector<std::string> SplitCommaText(std::string_view text);
SendKeysFields ParseSendKeys(std::string_view line);
std::string BuildSendKeys(const SendKeysFields& fields);

// ---- NO, ENABLE, DISABLE -----------------------------------------------------------------

// The words F5, F8 and QUIT anywhere in the line, in any case.
struct LockFields {
    Keyword keyword = Keyword::Enable; // No, Enable or Disable
    bool f5 = false;
    bool f8 = false;
    bool quit = false;
};
LockFields ParseLock(std::string_view line);
// The word, then the chosen keys in the order F5, F8, QUIT separated by ", ".
std::string BuildLock(const LockFields& fields);

// ---- DATE, RUN, ERROR, PROMPT ------------------------------------------------------------

// DATE TODAY or DATE date (the machine's short date format, read by the interpreter).
struct DateFields {
    bool today = false;
    std::string date; // as written, when not today
};
DateFields ParseDate(std::string_view line);
std::string BuildDate(const DateFields& fields);

// RUN path, the path as written.
struct RunFields {
    std::string path;
};
RunFields ParseRun(std::string_view line);
std::string BuildRun(const RunFields& fields);

// ERROR ON / ERROR OFF, PROMPT ON / PROMPT OFF: on only for exactly "ON" in any case.
struct SwitchFields {
    Keyword keyword = Keyword::Error; // Error or Prompt
    bool on = false;
};
SwitchFields ParseSwitch(std::string_view line);
std::string BuildSwitch(const SwitchFields& fields);

// ---- MENU lines and SET ------------------------------------------------------------------

// MENU ITEM n title,command. The number is the text after the keyword up to the first blank or
// ","; the title runs from the 13th character to the first ",", the command after it; neither
// is trimmed.
struct MenuItemFields {
    std::string number; // as written; the interpreter takes "1" to "9" only
    std::string title;
    std::string command;
    bool hasComma = false;
};
MenuItemFields ParseMenuItem(std::string_view line);
std::string BuildMenuItem(int number, std::string_view title, std::string_view command);
// The item number when it is one digit from 1 to 9.
std::optional<int> MenuItemNumber(const MenuItemFields& fields);

// MENU DEFAULT seconds: the text from the 13th character on, with the blank after the keyword.
std::string ParseMenuDefault(std::string_view line);
std::string BuildMenuDefault(int seconds);

// SET name=value: the argument as written, cut at its first "="; without "=" the name is empty
// and the whole argument is the value.
struct SetFields {
    std::string name;
    std::string value;
    bool hasEquals = false;
};
SetFields ParseSet(std::string_view line);
std::string BuildSet(const SetFields& fields);

} // namespace qv
