#include "interpreter/logic/OpsFileSystem.h"

#include "interpreter/logic/OpsPaths.h"
#include "language/Text.h"

#include <algorithm>

namespace qv::logic {

namespace {

bool IsNetworkPath(std::string_view path) {
    return StartsWith(path, "\\\\");
}

bool IsDrivePath(std::string_view path) {
    return path.size() >= 3 && path[1] == ':' && path[2] == '\\';
}

// The end of \\server\share\ : just after the fourth backslash.
std::size_t NetworkRootLength(std::string_view path) {
    std::size_t at = 1;
    for (int separator = 0; separator < 2; ++separator) {
        at = path.find('\\', at + 1);
        if (at == std::string_view::npos)
            return path.size();
    }
    return at + 1;
}

} // namespace

std::vector<std::string> ListFolderTree(std::string_view folder, CopyFileSystem& fs) {
    const std::string start = WithTrailingBackslash(folder);
    std::vector<std::string> files;
    // Every folder found below a queued folder sorts after it, so walking the queue by
    // position while inserting in order misses none.
    std::vector<std::string> queue;
    const auto caseless = [](const std::string& a, const std::string& b) {
        return UpperCase(a) < UpperCase(b);
    };
    std::string current = start;
    std::size_t next = 0;
    for (;;) {
        for (const FolderEntry& entry : fs.ListFolder(current)) {
            if (entry.name.empty() || entry.name == "." || entry.name == "..")
                continue;
            if (entry.isFolder) {
                std::string sub = current + entry.name;
                queue.insert(std::upper_bound(queue.begin(), queue.end(), sub, caseless),
                             std::move(sub));
            } else {
                files.push_back(current.substr(start.size()) + entry.name);
            }
        }
        if (next >= queue.size())
            break;
        current = queue[next++] + "\\";
    }
    return files;
}

FolderWalk FolderPathLevels(std::string_view folder) {
    const std::string path = WithTrailingBackslash(folder);
    FolderWalk walk;
    std::size_t at = 0;
    if (IsNetworkPath(path))
        at = NetworkRootLength(path);
    else if (IsDrivePath(path))
        at = 3;
    walk.root = path.substr(0, at);
    while (at < path.size()) {
        const std::size_t end = path.find('\\', at);
        if (end == std::string::npos)
            break;
        if (end > at)
            walk.levels.push_back(path.substr(0, end));
        at = end + 1;
    }
    return walk;
}

bool ForceFolderPath(std::string_view folder, CopyFileSystem& fs) {
    const FolderWalk walk = FolderPathLevels(folder);
    if (IsDrivePath(walk.root) && !fs.IsFolder(walk.root))
        return false;
    for (const std::string& level : walk.levels) {
        if (!fs.IsFolder(level))
            fs.CreateFolder(level);
        if (!fs.IsFolder(level))
            return false;
    }
    return true;
}

} // namespace qv::logic
