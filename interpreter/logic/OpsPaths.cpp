#include "interpreter/logic/OpsPaths.h"

namespace qv::logic {

namespace {

constexpr std::size_t DriveRootLength = 3;

// Appending keeps mingw's g++ from a false -Wrestrict warning on "\\" + text.
std::string Component(std::string_view name) {
    std::string component = "\\";
    component += name;
    return component;
}

std::size_t NameStart(std::string_view path) {
    const std::size_t last = path.find_last_of("\\:");
    return last == std::string_view::npos ? 0 : last + 1;
}

} // namespace

std::vector<std::string> FolderComponents(std::string_view path) {
    std::vector<std::string> components;
    std::string current;
    for (std::size_t i = DriveRootLength; i < path.size(); ++i) {
        if (path[i] == '\\') {
            components.push_back(Component(current));
            current.clear();
        } else {
            current += path[i];
        }
    }
    return components;
}

std::string ShortenPath(std::string_view path, int width) {
    if (width < 0)
        width = 0;
    if (static_cast<long long>(path.size()) < width)
        return std::string(path);
    std::vector<std::string> parts = FolderComponents(path);
    const std::size_t lastSlash = path.rfind('\\');
    // Nothing stands between the first part and the file name: there is nothing to drop.
    if (parts.empty())
        return std::string(path);
    parts.push_back(
        Component(lastSlash == std::string_view::npos ? path : path.substr(lastSlash + 1)));
    // Each further mark allows ten more characters; k + 1 marks leave the parts from k + 1 on.
    // Only folders are dropped: a name too long for any candidate still shows after the marks.
    std::string candidate;
    for (std::size_t k = 0; k + 1 < parts.size(); ++k) {
        candidate.clear();
        for (std::size_t mark = 0; mark <= k; ++mark)
            candidate += "\\...";
        for (std::size_t i = k + 1; i < parts.size(); ++i)
            candidate += parts[i];
        if (static_cast<long long>(candidate.size()) <= static_cast<long long>(k + 1) * 10 + width)
            break;
    }
    return candidate;
}

std::string ExtractFileName(std::string_view path) {
    return std::string(path.substr(NameStart(path)));
}

std::string ExtractFilePath(std::string_view path) {
    return std::string(path.substr(0, NameStart(path)));
}

std::string WithTrailingBackslash(std::string_view path) {
    std::string out(path);
    if (!out.empty() && out.back() != '\\')
        out += '\\';
    return out;
}

} // namespace qv::logic
