#pragma once
// The numbered messages of the launching, file, network and keystroke commands, and the entry
// layout the run's error report uses for them.
#include "language/Messages.h"

#include <string>
#include <string_view>

namespace qv::logic {

// SENDKEYS puts its fault's own text in front of this.
inline constexpr std::string_view InScriptFileSuffix = " In Script File : ";

// Where an entry points: the script's path, NextLine at that moment and the trimmed line.
struct EntrySource {
    std::string script;
    int lineNumber = 0;
    std::string line;
};

// message + script + CR LF + TAB + " Line : " + number + " '" + line + "'" + CR LF.
std::string FormatErrorEntry(std::string_view message, const EntrySource& source);

} // namespace qv::logic
