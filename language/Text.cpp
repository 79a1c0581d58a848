#include "language/Text.h"

namespace qv {

namespace {
bool IsTrimmed(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}
} // namespace

char UpperChar(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string UpperCase(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = UpperChar(c);
    return out;
}

std::string LowerCase(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string TrimLeft(std::string_view text) {
    std::size_t first = 0;
    while (first < text.size() && IsTrimmed(text[first]))
        ++first;
    return std::string(text.substr(first));
}

std::string TrimRight(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && IsTrimmed(text[end - 1]))
        --end;
    return std::string(text.substr(0, end));
}

std::string Trim(std::string_view text) {
    std::size_t first = 0;
    while (first < text.size() && IsTrimmed(text[first]))
        ++first;
    std::size_t end = text.size();
    while (end > first && IsTrimmed(text[end - 1]))
        --end;
    return std::string(text.substr(first, end - first));
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    ForEachLine(text, [&lines](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

} // namespace qv
