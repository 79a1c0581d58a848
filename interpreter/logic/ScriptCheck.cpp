#include "interpreter/logic/ScriptCheck.h"

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

std::optional<std::string> CheckScriptLine(const std::string& raw) {
    if (raw == SkippedSourceLine || IsIgnoredLine(raw))
        return std::nullopt;
    const std::string line = NormaliseLine(raw);
    if (line.empty())
        return std::nullopt;
    const std::string upper = UpperCase(line);
    std::optional<Keyword> keyword = MatchKeyword(upper);
    if (keyword == Keyword::Locate && !ParseLocate(line))
        keyword = MatchKeyword(upper, KeywordIndex(Keyword::Load));
    if (!keyword)
        return std::string(InvalidCommandShort);
    if (line.find(ElementSeparator) != std::string::npos)
        return "contains \"~:~\", which splits the compiled line in two";
    if (std::optional<std::string> message = logic::CheckControlLine(line))
        return message;
    return logic::CheckOpsLine(line);
}

std::vector<LineProblem> CheckScriptSource(const std::vector<std::string>& sourceLines) {
    std::vector<LineProblem> problems;
    for (std::size_t i = 0; i < sourceLines.size(); ++i)
        if (std::optional<std::string> message = CheckScriptLine(sourceLines[i]))
            problems.push_back(
                {static_cast<int>(i + 1), *message + ": " + Quoted(NormaliseLine(sourceLines[i]))});
    return problems;
}

} // namespace qv
