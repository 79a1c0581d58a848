#include "editor/core/RunValues.h"

#include "interpreter/logic/OpsPaths.h"
#include "language/Text.h"

namespace qv::editor {

std::string RunValueData(InstallSystem& system, std::string_view fileName) {
    const std::string folder = system.ProgramFolder();
    std::string shortFolder = system.ShortPath(folder).value_or(std::string());
    if (Trim(shortFolder).empty())
        shortFolder = folder;
    const std::string path = logic::WithTrailingBackslash(shortFolder) + std::string(fileName);
    return Contains(path, " ") ? "\"" + path + "\"" : path;
}

} // namespace qv::editor
