#include "interpreter/logic/OpsFileLines.h"

#include "language/Text.h"

#include <algorithm>

namespace qv::logic {

RenameLine ParseRenameLine(std::string_view line) {
    return ParseRename(line);
}

std::string RenameFailedEntry(const EntrySource& source) {
    return FormatErrorEntry(RenameFailedMessage, source);
}

std::string ParseDelLine(std::string_view line) {
    return ParseDel(line).paths;
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
