#include "editor/core/ControlLines.h"

#include "language/Grammar.h"

namespace qv::editor {

std::optional<std::string> ShowErrorsLine(PromptAnswer answer) {
    if (answer == PromptAnswer::Cancel)
        return std::nullopt;
    return BuildSwitch({Keyword::Error, answer == PromptAnswer::Yes});
}

void ApplyShowErrors(ScriptDocument& doc, PromptAnswer answer) {
    if (const std::optional<std::string> line = ShowErrorsLine(answer))
        doc.AddLine(*line);
}

std::string FixedLine(FixedCommand command) {
    switch (command) {
    case FixedCommand::PromptOn:
        return BuildSwitch({Keyword::Prompt, true});
    case FixedCommand::PromptOff:
        return BuildSwitch({Keyword::Prompt, false});
    case FixedCommand::PromptMenu:
        return std::string(KeywordText(Keyword::PromptMenu));
    case FixedCommand::Shutdown:
        return std::string(KeywordText(Keyword::Shutdown));
    case FixedCommand::LogOff:
        return std::string(KeywordText(Keyword::Logoff));
    case FixedCommand::Restart:
        break;
    }
    return std::string(KeywordText(Keyword::ShutdownRestart));
}

void AddFixedLine(ScriptDocument& doc, FixedCommand command) {
    doc.AddLine(FixedLine(command));
}

} // namespace qv::editor
