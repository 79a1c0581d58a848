#include "interpreter/logic/CtlSwitches.h"

#include "language/Text.h"

namespace qv::logic {

namespace {

// The text after the keyword and its blank, as written; empty when the line is shorter.
std::string_view After(std::string_view line, std::string_view keyword) {
    return line.size() > keyword.size() ? line.substr(keyword.size()) : std::string_view();
}

} // namespace

bool SwitchArgumentIsOn(std::string_view argument) {
    return UpperCase(argument) == "ON";
}

bool PromptModeAfter(std::string_view trimmedLine) {
    return SwitchArgumentIsOn(After(trimmedLine, "PROMPT "));
}

bool ErrorsOnAfter(std::string_view trimmedLine) {
    return SwitchArgumentIsOn(After(trimmedLine, "ERROR "));
}

} // namespace qv::logic
