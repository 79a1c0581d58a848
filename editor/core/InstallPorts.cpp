#include "editor/core/InstallPorts.h"

#include "interpreter/logic/OpsPaths.h"
#include "language/Text.h"

namespace qv::editor {

std::optional<std::string> ShellFolder(RegistryPort& registry, std::string_view name, bool common) {
    const RegistryKey key{common ? RegistryRoot::LocalMachine : RegistryRoot::CurrentUser,
                          std::string(ShellFoldersKeyPath)};
    const std::optional<RegistryText> value = registry.ReadText(key, std::string(name));
    if (!value || Trim(value->text).empty())
        return std::nullopt;
    return logic::WithTrailingBackslash(Trim(value->text));
}

} // namespace qv::editor
