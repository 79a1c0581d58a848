#include "editor/win32/HelpTopics.h"

#include "editor/win32/EditorServices.h"

#include <shellapi.h>

namespace qv::win32 {

std::string HelpPagePath(const std::string& programFolder, const std::string& topic) {
    std::string name = topic;
    while (!name.empty() && name.back() == '.') {
        name.pop_back();
    }
    // A topic is a page name, never a path out of the help folder.
    if (name.empty() || name.find_first_of("\\/:") != std::string::npos) {
        return {};
    }
    return programFolder + "help\\" + name + ".html";
}

bool OpenHelpTopic(HWND owner, const std::string& topic) {
    const std::string page = HelpPagePath(ProgramFolder(), topic);
    const DWORD attributes =
        page.empty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesA(page.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return false;
    }
    const auto result = reinterpret_cast<INT_PTR>(
        ::ShellExecuteA(owner, "open", page.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

} // namespace qv::win32
