#include "interpreter/win32/CommandLine.h"

namespace qv::win32 {
namespace {

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

// Reads one argument from `pos`; false when only blanks are left.
bool NextArgument(std::string_view text, std::size_t& pos, std::string& argument) {
    while (pos < text.size() && IsBlank(text[pos])) {
        ++pos;
    }
    if (pos >= text.size()) {
        return false;
    }
    argument.clear();
    bool quoted = false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && IsBlank(c)) {
            break;
        } else {
            argument += c;
        }
    }
    return true;
}

} // namespace

std::optional<std::string> ScriptPathArgument(std::string_view commandLine) {
    std::size_t pos = 0;
    std::string argument;
    if (!NextArgument(commandLine, pos, argument)) {
        return std::nullopt; // not even the program's name
    }
    if (!NextArgument(commandLine, pos, argument)) {
        return std::nullopt;
    }
    return argument;
}

} // namespace qv::win32
