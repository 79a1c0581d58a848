#include "interpreter/logic/OpsEntry.h"

namespace qv::logic {

std::string FormatErrorEntry(std::string_view message, const EntrySource& source) {
    std::string entry(message);
    entry += source.script;
    entry += "\r\n\t Line : ";
    entry += std::to_string(source.lineNumber);
    entry += " '";
    entry += source.line;
    entry += "'\r\n";
    return entry;
}

} // namespace qv::logic
