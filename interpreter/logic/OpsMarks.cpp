#include "interpreter/logic/OpsMarks.h"

namespace qv::logic {

std::string MarkedText(std::string_view text, char open, char close) {
    const std::size_t first = text.find(open);
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find(close);
    if (last == std::string_view::npos || last <= first)
        return {};
    return std::string(text.substr(first + 1, last - first - 1));
}

} // namespace qv::logic
