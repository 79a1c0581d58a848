#pragma once
// Path texts as the progress window and the file commands cut them. Paths are single-byte text
// with "\" separators; nothing here touches the file system.
#include <string>
#include <string_view>
#include <vector>

namespace qv::logic {

// The folder names below the path's drive root (its first three characters, as in c:\), each
// with a leading "\"; the text after the last "\" is not one of them.
std::vector<std::string> FolderComponents(std::string_view path);

// Display form of a long path: unchanged when shorter than `width`, else leading folders are
// replaced by "\..." marks until it fits (the drive is never shown then). The file name is
// never dropped, and a path with no folder between its first part and its name stays whole.
std::string ShortenPath(std::string_view path, int width);

// The text after the last "\" (or ":"); the whole path when it has neither.
std::string ExtractFileName(std::string_view path);

// The text up to and including the last "\" (or ":"); empty when it has neither.
std::string ExtractFilePath(std::string_view path);

// The path with one "\" at its end (an empty path stays empty).
std::string WithTrailingBackslash(std::string_view path);

} // namespace qv::logic
