#include "interpreter/win32/services/Win32Launcher.h"

#include "common/win32/ShellLink.h"

#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>

namespace qv::win32 {
namespace {

const char* OrNull(const std::string& text) {
    return text.empty() ? nullptr : text.c_str();
}

} // namespace

bool Win32Launcher::ShellOpen(const std::string& file, const std::string& parameters,
                              const std::string& folder, int showCode, bool ownedByWindow) {
    HWND owner = ownedByWindow && owner_ ? owner_() : nullptr;
    const auto result = reinterpret_cast<INT_PTR>(::ShellExecuteA(
        owner, nullptr, file.c_str(), OrNull(parameters), OrNull(folder), showCode));
    return result > 32;
}

bool Win32Launcher::StartProgram(const std::string& commandLine, const std::string& folder,
                                 int showCode) {
    if (!folder.empty()) {
        ::SetCurrentDirectoryA(folder.c_str());
    }
    return ::WinExec(commandLine.c_str(), static_cast<UINT>(showCode)) > 31;
}

std::optional<interp::ShortcutInfo> Win32Launcher::ReadShortcut(const std::string& path) {
    // The target as stored; the editor's reading asks for its UNC form instead.
    const std::optional<ShellLinkInfo> link = ReadShellLink(path, SLGP_RAWPATH);
    if (!link) {
        return std::nullopt;
    }
    return interp::ShortcutInfo{link->path, link->iconLocation, link->iconIndex};
}

} // namespace qv::win32
