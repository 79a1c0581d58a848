#pragma once
// RUN another compiled script, chosen in the main window's open dialog RunScript. The Win32 side
// presets the dialog's file name with FileName, shows it, stores what it returns (unchanged
// after Cancel) in FileName and calls ApplyOk.
#include "editor/core/DialogPorts.h"

#include <string>
#include <string_view>

namespace qv::editor {

class ScriptDocument;

inline constexpr std::string_view RunScriptTitle = "Open";
inline constexpr std::string_view RunScriptFilter = "Quorvel Compiled Script|*.qvc";

class RunScriptModel {
  public:
    std::string FileName; // empty for an add

    // EditRunScript: the trimmed text after "RUN".
    void FromLine(std::string_view command);

    std::string BuildLine() const;
    // With a file name: adds the line, or rewrites the focused row's command and title (the
    // file's proper-cased name). An empty file name changes nothing; returns whether a line
    // was written.
    bool ApplyOk(ScriptDocument& doc, DialogUse use) const;
};

} // namespace qv::editor
