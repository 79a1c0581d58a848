#include "interpreter/logic/CtlSwitches.h"

#include "language/Grammar.h"
#include "language/Text.h"

namespace qv::logic {

bool SwitchArgumentIsOn(std::string_view argument) {
    return UpperCase(argument) == "ON";
}

bool PromptModeAfter(std::string_view trimmedLine) {
    return SwitchArgumentIsOn(ArgumentOf(trimmedLine, Keyword::Prompt));
}

bool ErrorsOnAfter(std::string_view trimmedLine) {
    return SwitchArgumentIsOn(ArgumentOf(trimmedLine, Keyword::Error));
}

} // namespace qv::logic
