#pragma once
// PROMPT and ERROR: the argument switches a mode on only when it is exactly "ON".
#include <string_view>

namespace qv::logic {

// The runner's tick interval after a PROMPT line (also after PROMPT MENU), in milliseconds.
inline constexpr int PromptWaitTimerInterval = 10;

// True when the argument, upper-cased, is "ON"; anything else (blank, "ONCE", "MENU") is off.
bool SwitchArgumentIsOn(std::string_view argument);

// PromptMode after a trimmed line starting with "PROMPT " in any case; PROMPT MENU gives off.
bool PromptModeAfter(std::string_view trimmedLine);

// ErrorsOn after a trimmed line starting with "ERROR " in any case.
bool ErrorsOnAfter(std::string_view trimmedLine);

} // namespace qv::logic
