#pragma once
// The bracket marks of LOAD, CONNECT and CAPTURE lines.
#include <string>
#include <string_view>

namespace qv::logic {

// The text between the first `open` and the first `close`; empty when either is missing or the
// closing mark comes first.
std::string MarkedText(std::string_view text, char open, char close);

} // namespace qv::logic
