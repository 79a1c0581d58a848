#include "interpreter/logic/OpsFileLines.h"

#include "language/Text.h"

#include <algorithm>

namespace qv::logic {

namespace {
constexpr std::size_t RenameArgumentStart = 7; // after "RENAME "
constexpr std::size_t DelArgumentStart = 4;    // after "DEL "
} // namespace

RenameLine ParseRenameLine(std::string_view line) {
    RenameLine result;
    const std::size_t separator = line.find('>');
    if (separator == std::string_view::npos)
        return result;
    result.hasSeparator = true;
    if (separator > RenameArgumentStart)
        result.oldName = line.substr(RenameArgumentStart, separator - RenameArgumentStart);
    result.newName = line.substr(separator + 1);
    return result;
}

std::string RenameFailedEntry(const EntrySource& source) {
    return FormatErrorEntry(RenameFailedMessage, source);
}

std::string ParseDelLine(std::string_view line) {
    return Trim(line.substr(std::min(DelArgumentStart, line.size())));
}

std::string DeletingStatusText(std::string_view paths) {
    return "Deleting : \r\n" + std::string(paths);
}

std::vector<std::string> SplitPathList(std::string_view paths) {
    std::vector<std::string> result;
    std::size_t start = 0;
    while (start <= paths.size()) {
        std::size_t end = paths.find(';', start);
        if (end == std::string_view::npos)
            end = paths.size();
        std::string item = Trim(paths.substr(start, end - start));
        if (!item.empty())
            result.push_back(std::move(item));
        start = end + 1;
    }
    return result;
}

std::string ShellPathList(std::string_view paths) {
    std::string list;
    for (const std::string& path : SplitPathList(paths)) {
        list += path;
        list += '\0';
    }
    list += '\0';
    return list;
}

} // namespace qv::logic
