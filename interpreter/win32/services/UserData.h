#pragma once
// The interpreter's own folder in the user's profile, where a standard user may always write:
// the run log and the user's run-once record live there.
#include <string>

namespace qv::win32 {

// %LOCALAPPDATA%\Quorvel\, with its backslash; empty when the system names no such folder.
std::string UserDataFolder();

// Creates every missing folder level above `filePath`; levels that exist are no error.
void CreateFolderLevels(const std::string& filePath);

} // namespace qv::win32
