#include "editor/core/ShortcutName.h"

#include "interpreter/logic/OpsPaths.h"

namespace qv::editor {

std::string ShortcutFileName(std::string_view description) {
    std::string name = logic::ExtractFileName(description);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos)
        name.erase(dot);
    return name + ".lnk";
}

} // namespace qv::editor
