#pragma once
// The numbered messages of the error report, each defined once for the interpreter, its
// what-if runs and qvtool check.
#include <string_view>

namespace qv {

inline constexpr std::string_view InvalidCommandMessage = "Invalid Command (200) In Script File : ";
inline constexpr std::string_view UnableToConnectMessage =
    "Unable to Connect (201) In Script File : ";
inline constexpr std::string_view RunFailedMessage = "Run Failed (201) In Script File : ";
inline constexpr std::string_view UnableToCaptureMessage =
    "Unable to Capture (202) In Script File : ";
inline constexpr std::string_view CopyFailedMessage = "Copy Failed (202) In Script File : ";
inline constexpr std::string_view RenameFailedMessage = "Rename Failed (203) In Script File : ";
// The shell's own error dialog used to be a DEL's only report; it may not stall the logon.
inline constexpr std::string_view DeleteFailedMessage = "Delete Failed (204) In Script File : ";
inline constexpr std::string_view WaitWindowMissingMessage =
    "Unable to Find Wait Window (207) In Script File : ";

// The short form qvtool check prints for a line the interpreter reports as entry 200.
inline constexpr std::string_view InvalidCommandShort = "Invalid Command (200)";

} // namespace qv
