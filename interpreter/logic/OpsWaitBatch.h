#pragma once
// The texts of LOAD AND WAIT's helper files: the unique marker name and the batch that starts
// the program, waits for it and then deletes the marker.
#include <functional>
#include <string>
#include <string_view>

namespace qv::logic {

inline constexpr std::string_view TempFilePrefix = "qvl";

// The name the system's temporary-name service gives for `unique` in `folder`: the folder with
// its "\", "qvl", the low 16 bits of `unique` as four upper-case hexadecimal digits, ".tmp".
std::string TempFileName(std::string_view folder, unsigned unique);

// A new name in `folder`, or in `systemTempFolder` when `folder` is empty: the first of the
// numbers `firstUnique`, `firstUnique` + 1, ... (never 0, wrapping at 16 bits) whose name
// `exists` denies; empty when all 65535 are taken. The caller creates the file.
std::string MakeTempFileName(std::string_view folder, std::string_view systemTempFolder,
                             unsigned firstUnique,
                             const std::function<bool(const std::string&)>& exists);

// The batch file beside a marker: the marker path followed by ".bat".
std::string WaitBatchPath(std::string_view markerPath);

// The two lines written to both the batch and the marker, each ended by CR LF:
// START "" /w "file" parameters, then DEL "marker". The empty title keeps START from taking the
// quoted program path for the window title; the quotes keep a temporary folder with blanks in
// its path from splitting the marker's name.
std::string WaitBatchText(std::string_view file, std::string_view parameters,
                          std::string_view markerPath);

} // namespace qv::logic
