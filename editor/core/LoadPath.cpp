#include "editor/core/LoadPath.h"

#include "language/Text.h"

#include <algorithm>

namespace qv::editor {

namespace {

constexpr std::string_view OpeningMarks = "(<[{";
constexpr std::string_view ClosingMarks = ")>]}";

bool IsOpening(char c) {
    return OpeningMarks.find(c) != std::string_view::npos;
}

bool IsClosing(char c) {
    return ClosingMarks.find(c) != std::string_view::npos;
}

bool IsGroupAt(std::string_view rest, std::size_t at) {
    if (at == 0 || !(rest[at - 1] == ' ' || IsClosing(rest[at - 1])))
        return false;
    const char close = ClosingMarks[OpeningMarks.find(rest[at])];
    const std::size_t end = rest.find(close, at + 1);
    if (end == std::string_view::npos)
        return false;
    return end + 1 == rest.size() || rest[end + 1] == ' ' || IsOpening(rest[end + 1]);
}

} // namespace

std::string LoadProgramPath(std::string_view command) {
    const std::string upper = UpperCase(command);
    const std::size_t keyword = upper.find("LOAD ");
    std::size_t start =
        keyword == std::string::npos ? std::min<std::size_t>(4, upper.size()) : keyword + 5;
    if (StartsWith(std::string_view(upper).substr(start), "AND WAIT"))
        start = std::min(start + 9, upper.size());
    const std::string rest = TrimLeft(command.substr(start));

    if (!rest.empty() && rest.front() == '"') {
        const std::size_t close = rest.find('"', 1);
        if (close != std::string::npos)
            return rest.substr(1, close - 1);
    }
    for (std::size_t at = 0; at < rest.size(); ++at)
        if (IsOpening(rest[at]) && IsGroupAt(rest, at))
            return Trim(std::string_view(rest).substr(0, at));
    return Trim(rest);
}

} // namespace qv::editor
