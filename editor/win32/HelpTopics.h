#pragma once
// The product's help: one page per topic in the "help" folder beside the programs.
#include <windows.h>

#include <string>

namespace qv::win32 {

inline constexpr const char* HelpContents = "index";

// The page of a topic name ("Whats_New..." is help\Whats_New.html): the name without its
// trailing dots, in `programFolder` + "help\".
std::string HelpPagePath(const std::string& programFolder, const std::string& topic);

// Opens the page of `topic` in the user's browser. Nothing happens when the page is missing;
// true when it was opened.
bool OpenHelpTopic(HWND owner, const std::string& topic);

} // namespace qv::win32
