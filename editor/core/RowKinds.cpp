#include "editor/core/RowKinds.h"

#include "editor/core/LoadPath.h"
#include "interpreter/logic/OpsPaths.h"
#include "language/Grammar.h"
#include "language/Text.h"

#include <array>

namespace qv::editor {

namespace {

constexpr int Icon(BuiltInIcon icon) {
    return static_cast<int>(icon);
}

constexpr RowPrefix UnknownRow{RowKind::Unknown, "", TitleRule::Fixed,
                               "Unknown",        "", Icon(BuiltInIcon::Unknown)};

// Overlapping prefixes rely on this order: FORSESHUTDOWN and SHUTDOWNRESTART before SHUTDOWN.
constexpr std::array<RowPrefix, 25> RowPrefixTable = {{
    {RowKind::Capture, "CAPTURE", TitleRule::MarkedName, "Capture ", ":",
     Icon(BuiltInIcon::Capture)},
    {RowKind::Close, "CLOSE ", TitleRule::AfterKeyword, "Close ", "", Icon(BuiltInIcon::Close)},
    {RowKind::Connect, "CONNECT", TitleRule::MarkedName, "Map Drive ", "",
     Icon(BuiltInIcon::Connect)},
    {RowKind::Copy, "COPY", TitleRule::Fixed, "Copy File(s) or Directory", "",
     Icon(BuiltInIcon::Copy)},
    {RowKind::Del, "DEL", TitleRule::Fixed, "Delete File(s) or Directory", "",
     Icon(BuiltInIcon::Delete)},
    {RowKind::Desktop, "DESKTOP", TitleRule::Fixed, "Change Desktop", "",
     Icon(BuiltInIcon::Desktop)},
    {RowKind::Logoff, "LOGOFF", TitleRule::Fixed, "Log Off User", "", Icon(BuiltInIcon::Logoff)},
    {RowKind::MenuShow, "MENU SHOW", TitleRule::ProperLine, "", "", Icon(BuiltInIcon::Menu)},
    {RowKind::Minimize, "MINIMIZE ", TitleRule::AfterKeyword, "Minimize ", "",
     Icon(BuiltInIcon::Minimize)},
    {RowKind::Error, "ERROR", TitleRule::ProperLine, "", "", Icon(BuiltInIcon::Error)},
    {RowKind::Prompt, "PROMPT", TitleRule::ProperLine, "", "", Icon(BuiltInIcon::Prompt)},
    {RowKind::Rename, "RENAME", TitleRule::Fixed, "Rename File or Directory", "",
     Icon(BuiltInIcon::Rename)},
    {RowKind::Run, "RUN", TitleRule::ScriptName, "", "", Icon(BuiltInIcon::Run)},
    {RowKind::Enable, "ENABLE", TitleRule::ProperLine, "", "", Icon(BuiltInIcon::Enable)},
    {RowKind::Disable, "DISABLE", TitleRule::ProperLine, "", "", Icon(BuiltInIcon::Disable)},
    {RowKind::ForseShutdown, "FORSESHUTDOWN", TitleRule::Fixed, "Forse Shutdown Computer", "",
     Icon(BuiltInIcon::Shutdown)},
    {RowKind::ShutdownRestart, "SHUTDOWNRESTART", TitleRule::Fixed, "Restart Computer", "",
     Icon(BuiltInIcon::Shutdown)},
    {RowKind::Shutdown, "SHUTDOWN", TitleRule::Fixed, "Shutdown Computer", "",
     Icon(BuiltInIcon::Shutdown)},
    {RowKind::Wait, "WAIT", TitleRule::ProperLineSeconds, "", " sec(s)", Icon(BuiltInIcon::Timer)},
    {RowKind::Date, "DATE", TitleRule::ProperLine, "", "", Icon(BuiltInIcon::Date)},
    {RowKind::SendKeys, "SENDKEYS", TitleRule::Fixed, "Sendkeys", "", Icon(BuiltInIcon::SendKeys)},
    {RowKind::Locate, "LOCATE", TitleRule::Fixed, "Window Position", "", Icon(BuiltInIcon::Window)},
    {RowKind::Last, "LAST", TitleRule::None, "", "", -1},
    {RowKind::Load, "LOAD", TitleRule::ProgramName, "", "", -1},
    {RowKind::Switches, "SWITCHES", TitleRule::None, "", "", -1},
}};

constexpr bool TableFollowsKindOrder() {
    for (std::size_t i = 0; i < RowPrefixTable.size(); ++i)
        if (static_cast<std::size_t>(RowPrefixTable[i].kind) != i)
            return false;
    return static_cast<std::size_t>(RowKind::Unknown) == RowPrefixTable.size();
}
static_assert(TableFollowsKindOrder());
} // namespace

RowKind ClassifyRow(std::string_view upperCommand) {
    for (const RowPrefix& entry : RowPrefixTable)
        if (StartsWith(upperCommand, entry.prefix))
            return entry.kind;
    return RowKind::Unknown;
}

const RowPrefix& PrefixOf(RowKind kind) {
    return kind == RowKind::Unknown ? UnknownRow : RowPrefixTable[static_cast<std::size_t>(kind)];
}

std::string RowTitle(RowKind kind, std::string_view command) {
    const RowPrefix& entry = PrefixOf(kind);
    switch (entry.rule) {
    case TitleRule::Fixed:
        return std::string(entry.text);
    case TitleRule::ProperLine:
        return ProperCase(command);
    case TitleRule::ProperLineSeconds:
        return ProperCase(command) + std::string(entry.suffix);
    case TitleRule::MarkedName:
        return std::string(entry.text) + UpperCase(MarkedText(command, '{', '}')) +
               std::string(entry.suffix);
    case TitleRule::AfterKeyword:
        // The keyword's own blank stays, so two blanks separate the words.
        return std::string(entry.text) +
               std::string(command.substr(std::min(entry.prefix.size() - 1, command.size())));
    case TitleRule::ScriptName:
        return ProperCase(
            logic::ExtractFileName(Trim(command.substr(std::min<std::size_t>(3, command.size())))));
    case TitleRule::ProgramName:
        return ProperCase(logic::ExtractFileName(LoadProgramPath(command)));
    case TitleRule::None:
        break;
    }
    return {};
}

std::string ProperCase(std::string_view text) {
    std::string out = LowerCase(text);
    out += ' ';
    bool wordStart = true;
    for (char& c : out) {
        if (wordStart)
            c = UpperChar(c);
        wordStart = c == ' ';
    }
    return Trim(out);
}

} // namespace qv::editor
