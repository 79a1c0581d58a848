#pragma once
// Backup\Import.log: the only record of where each imported start-up entry came from. One
// entry per line:
//   a path                 a shortcut moved from a Startup folder: its new full path
//   REG:name=data          a value of the machine's Run key (64-bit view), as older versions wrote
//   RUN|place|type|name|data
//                          a Run value: place HKLM64, HKLM32 (the 32-bit programs' key) or HKCU;
//                          type SZ or EXPAND_SZ; "%", "|", CR and LF in the name and data are
//                          written as %25, %7C, %0D and %0A
#include "editor/core/InstallPorts.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv::editor {

inline constexpr std::string_view ImportLogName = "Backup\\Import.log";
inline constexpr std::string_view ImportedLinksFolder = "Startup\\";
inline constexpr std::string_view BackupFolder = "Backup\\";

// The Run keys entries come from and go back to.
enum class RunPlace { Machine, Machine32, User };

RegistryKey RunKeyOf(RunPlace place);

struct ImportEntry {
    enum class Kind { Shortcut, RunValue };
    Kind kind = Kind::Shortcut;
    std::string path; // Shortcut: the moved link's full path
    RunPlace place = RunPlace::Machine;
    std::string name;  // RunValue: the value's name
    RegistryText data; // RunValue: its data as imported

    friend bool operator==(const ImportEntry&, const ImportEntry&) = default;
};

// Nothing for a blank line or a "RUN|" line that cannot be read; such lines stay in the log.
std::optional<ImportEntry> ParseImportEntry(std::string_view line);

// The log line of an entry; Run values always take the "RUN|" form.
std::string FormatImportEntry(const ImportEntry& entry);

// The log file in the program folder (which ends in "\").
std::string ImportLogPath(std::string_view programFolder);

struct ImportLogRead {
    bool ok = false; // false: the log exists but could not be read; `error` says why
    std::vector<std::string> lines;
    std::string error;
};

// A missing log is an empty one.
ImportLogRead ReadImportLog(DocumentFiles& files, const std::string& path);

// Writes the lines (CR LF after each) through a temporary file beside the log.
FileResult WriteImportLog(DocumentFiles& files, const std::string& path,
                          const std::vector<std::string>& lines);

} // namespace qv::editor
