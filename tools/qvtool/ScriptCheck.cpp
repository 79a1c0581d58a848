#include "tools/qvtool/ScriptCheck.h"

#include "interpreter/logic/CtlCheck.h"
#include "interpreter/logic/OpsCheck.h"
#include "language/CompiledScript.h"
#include "language/Keywords.h"
#include "language/Text.h"

#include <array>
#include <string_view>

namespace qv {

namespace {

// Any of these anywhere in a LOCATE argument places the window; the two-word positions all
// contain one of the single words, so these cover them.
constexpr std::array<std::string_view, 9> LocateWords = {"CENTER",    "CENTRE",       "TOP LEFT",
                                                         "TOP RIGHT", "BOTTOM RIGHT", "BOTTOM LEFT",
                                                         "MINI",      "HIDE",         "SHOW"};

bool IsLocateWord(std::string_view upperLine) {
    const std::string_view argument = upperLine.substr(std::string_view("LOCATE ").size());
    for (std::string_view word : LocateWords)
        if (Contains(argument, word))
            return true;
    return false;
}

std::string Quoted(const std::string& line) {
    return "'" + line + "'";
}

} // namespace

std::vector<LineProblem> CheckScriptSource(const std::vector<std::string>& sourceLines) {
    std::vector<LineProblem> problems;
    for (std::size_t i = 0; i < sourceLines.size(); ++i) {
        const std::string& raw = sourceLines[i];
        if (raw == SkippedSourceLine || IsIgnoredLine(raw))
            continue;
        const std::string line = NormaliseLine(raw);
        if (line.empty())
            continue;
        const std::string upper = UpperCase(line);
        std::optional<Keyword> keyword = MatchKeyword(upper);
        if (keyword == Keyword::Locate && !IsLocateWord(upper))
            keyword = MatchKeyword(upper, KeywordIndex(Keyword::Load));
        if (!keyword)
            problems.push_back({static_cast<int>(i + 1), "Invalid Command (200): " + Quoted(line)});
        else if (line.find(ElementSeparator) != std::string::npos)
            problems.push_back(
                {static_cast<int>(i + 1),
                 "contains \"~:~\", which splits the compiled line in two: " + Quoted(line)});
        else if (std::optional<std::string> message = logic::CheckControlLine(line))
            problems.push_back({static_cast<int>(i + 1), *message + ": " + Quoted(line)});
        else if (std::optional<std::string> message = logic::CheckOpsLine(line))
            problems.push_back({static_cast<int>(i + 1), *message + ": " + Quoted(line)});
    }
    return problems;
}

} // namespace qv
