#include "editor/core/ImportedLines.h"

#include "language/Text.h"

namespace qv::editor {

std::string CompletedRunData(std::string_view data, DocumentFiles& files) {
    std::string completed(data);
    if (!Contains(completed, ".") && files.FileExists(completed + ".exe"))
        completed += ".exe";
    return completed;
}

std::string LoadLineFor(std::string_view commandLine) {
    const std::string text = Trim(commandLine);
    std::string program = text;
    std::string arguments;
    if (!text.empty() && text.front() == '"') {
        const std::size_t close = text.find('"', 1);
        program = text.substr(1, close == std::string::npos ? std::string::npos : close - 1);
        if (close != std::string::npos)
            arguments = Trim(std::string_view(text).substr(close + 1));
    } else {
        const std::size_t exe = UpperCase(text).find(".EXE ");
        if (exe != std::string::npos) {
            program = text.substr(0, exe + 4);
            arguments = Trim(std::string_view(text).substr(exe + 4));
        }
    }
    std::string line = "LOAD " + LowerCase(Trim(program));
    if (!arguments.empty())
        line += " {" + arguments + "}";
    return line;
}

std::string ImportedLine(const ImportEntry& entry, InstallSystem& system) {
    if (entry.kind == ImportEntry::Kind::Shortcut)
        return "LOAD " + LowerCase(entry.path);
    return LoadLineFor(entry.data.expandable ? system.ExpandEnvironment(entry.data.text)
                                             : entry.data.text);
}

} // namespace qv::editor
