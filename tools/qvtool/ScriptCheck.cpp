#include "tools/qvtool/ScriptCheck.h"

#include "interpreter/logic/CtlCheck.h"
#include "interpreter/logic/OpsCheck.h"
#include "language/CompiledScript.h"
#include "language/Grammar.h"
#include "language/Keywords.h"
#include "language/Messages.h"
#include "language/Text.h"

#include <string_view>

namespace qv {

namespace {

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
        if (keyword == Keyword::Locate && !ParseLocate(line))
            keyword = MatchKeyword(upper, KeywordIndex(Keyword::Load));
        if (!keyword)
            problems.push_back(
                {static_cast<int>(i + 1), std::string(InvalidCommandShort) + ": " + Quoted(line)});
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
