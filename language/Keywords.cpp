#include "language/Keywords.h"

#include "language/Text.h"

namespace qv {

// Test order matters: longer keywords that share a start with shorter ones come first
// (SHUTDOWNRESTART before SHUTDOWN, WAIT FOR WINDOW before WAIT, PROMPT MENU before PROMPT).
const std::array<KeywordTest, KeywordCount> KeywordTable = {{
    {Keyword::No, "NO "},
    {Keyword::Enable, "ENABLE "},
    {Keyword::Disable, "DISABLE "},
    {Keyword::Close, "CLOSE "},
    {Keyword::Minimize, "MINIMIZE "},
    {Keyword::SendKeys, "SENDKEYS "},
    {Keyword::Desktop, "DESKTOP "},
    {Keyword::PromptMenu, "PROMPT MENU"},
    {Keyword::Prompt, "PROMPT "},
    {Keyword::Error, "ERROR "},
    {Keyword::ShutdownRestart, "SHUTDOWNRESTART"},
    {Keyword::Logout, "LOGOUT"},
    {Keyword::Logoff, "LOGOFF"},
    {Keyword::ShutdownForce, "SHUTDOWNFORCE"},
    {Keyword::Shutdown, "SHUTDOWN"},
    {Keyword::Connect, "CONNECT "},
    {Keyword::Capture, "CAPTURE "},
    {Keyword::WaitForLoad, "WAIT FOR LOAD "},
    {Keyword::WaitForWindow, "WAIT FOR WINDOW "},
    {Keyword::Wait, "WAIT "},
    {Keyword::Date, "DATE "},
    {Keyword::MenuStart, "MENU START"},
    {Keyword::MenuShow, "MENU SHOW"},
    {Keyword::MenuDefault, "MENU DEFAULT "},
    {Keyword::MenuItem, "MENU ITEM "},
    {Keyword::Set, "SET "},
    {Keyword::Run, "RUN "},
    {Keyword::Del, "DEL "},
    {Keyword::Copy, "COPY "},
    {Keyword::Rename, "RENAME "},
    {Keyword::Locate, "LOCATE "},
    {Keyword::Load, "LOAD "},
    {Keyword::LoadAndWait, "LOAD AND WAIT"},
}};

std::size_t KeywordIndex(Keyword keyword) {
    return static_cast<std::size_t>(keyword);
}

std::string_view KeywordText(Keyword keyword) {
    return KeywordTable[KeywordIndex(keyword)].text;
}

std::optional<Keyword> MatchKeyword(std::string_view upperLine, std::size_t from) {
    for (std::size_t i = from; i < KeywordTable.size(); ++i)
        if (StartsWith(upperLine, KeywordTable[i].text))
            return KeywordTable[i].keyword;
    return std::nullopt;
}

bool IsIgnoredLine(std::string_view rawLine) {
    if (rawLine.empty() || rawLine.front() == ';')
        return true;
    return rawLine.size() >= 3 && UpperCase(rawLine.substr(0, 3)) == "REM";
}

bool IsWaitingLine(std::string_view rawLine) {
    const std::string upper = UpperCase(NormaliseLine(rawLine));
    return StartsWith(upper, KeywordText(Keyword::Wait)) ||
           StartsWith(upper, KeywordText(Keyword::LoadAndWait));
}

std::string NormaliseLine(std::string_view rawLine) {
    return Trim(rawLine);
}

} // namespace qv
