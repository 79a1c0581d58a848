#pragma once
// SET name=value: the variable set in the interpreter's own environment.
#include <string>
#include <string_view>

namespace qv::logic {

struct SetRequest {
    std::string name;  // before the first "=", as written; empty without "="
    std::string value; // after the first "="; the whole argument without "="
    std::string statusText;
};

// Reads a trimmed SET line; the argument is taken as written, blanks and case kept.
SetRequest ReadSetLine(std::string_view trimmedLine);

} // namespace qv::logic
