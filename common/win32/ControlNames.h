#pragma once
// A program's control IDs by name, for tools that drive its windows from outside (the
// end-to-end driver). Each program's ID header lists its controls once, in an X-macro, and
// makes both its constants and this table from that one list.
#include <optional>
#include <span>
#include <string_view>

namespace qv::win32 {

struct ControlName {
    std::string_view name;
    int id;
};

inline std::optional<int> FindControlId(std::span<const ControlName> names, std::string_view name) {
    for (const ControlName& control : names) {
        if (control.name == name) {
            return control.id;
        }
    }
    return std::nullopt;
}

} // namespace qv::win32
