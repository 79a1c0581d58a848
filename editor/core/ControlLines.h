#pragma once
// The control commands added without a dialog of their own: Show Errors's question and its three
// answers, and the fixed PROMPT, SHUTDOWN, LOGOFF and SHUTDOWNRESTART lines.
#include "editor/core/ScriptDocument.h"

#include <optional>
#include <string>
#include <string_view>

namespace qv::editor {

inline constexpr std::string_view ShowErrorsQuestion = "Would you like to Show Errors?";
inline constexpr int ShowErrorsHelpContext = 55;

// Yes "ERROR ON", No "ERROR OFF", Cancel nothing.
std::optional<std::string> ShowErrorsLine(PromptAnswer answer);
// ShowErrorsOnOff1Click after the confirmation box (Yes, No, Cancel) was answered.
void ApplyShowErrors(ScriptDocument& doc, PromptAnswer answer);

// On1Click, Off1Click, Menu1Click, ShutDown2Click, LogOff1Click, RestartComputer1Click.
enum class FixedCommand { PromptOn, PromptOff, PromptMenu, Shutdown, LogOff, Restart };
std::string FixedLine(FixedCommand command);
void AddFixedLine(ScriptDocument& doc, FixedCommand command);

} // namespace qv::editor
