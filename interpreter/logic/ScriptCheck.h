#pragma once
// The lines of a script source that the interpreter would report, found without running it.
#include <optional>
#include <string>
#include <vector>

namespace qv {

struct LineProblem {
    int line = 0; // 1-based line of the source file
    std::string message;
};

std::vector<LineProblem> CheckScriptSource(const std::vector<std::string>& sourceLines);

// What the interpreter would report for one source line, without the line itself; nothing for a
// line it runs or passes over.
std::optional<std::string> CheckScriptLine(const std::string& sourceLine);

} // namespace qv
