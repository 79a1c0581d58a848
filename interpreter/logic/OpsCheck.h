#pragma once
// The argument errors of launching, file, network and keystroke lines, found without running
// them (for qvtool check).
#include <optional>
#include <string>
#include <string_view>

namespace qv::logic {

// For one trimmed line: the message of the argument error the interpreter would meet, or
// nothing. Lines of other commands give nothing.
std::optional<std::string> CheckOpsLine(std::string_view line);

} // namespace qv::logic
