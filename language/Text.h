#pragma once
// Text helpers with the exact semantics scripts rely on: single-byte text, ASCII-only case
// mapping (never the locale's), trimming of blanks and control characters.
#include <string>
#include <string_view>
#include <vector>

namespace qv {

char UpperChar(char c);
std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);

// Removes every character of code 32 or below from both ends.
std::string Trim(std::string_view text);
std::string TrimLeft(std::string_view text);
std::string TrimRight(std::string_view text);

bool StartsWith(std::string_view text, std::string_view prefix);
bool Contains(std::string_view text, std::string_view part);

// Splits text into lines at CR LF, CR or LF; a final line break does not add an empty line.
std::vector<std::string> SplitLines(std::string_view text);

// Calls `visit` with each line of SplitLines(text) in order, without copying them.
template <typename Visit> void ForEachLine(std::string_view text, Visit&& visit) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        visit(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        visit(text.substr(start));
}

} // namespace qv
