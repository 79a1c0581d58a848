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
    // WinExec's start, with the working folder handed to the program instead of made the
    // interpreter's own, where a later bare program name would be looked for first.
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCode);
    PROCESS_INFORMATION process{};
    std::string mutableLine = commandLine;
    if (!::CreateProcessA(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          OrNull(folder), &startup, &process)) {
        return false;
    }
    UniqueHandle processHandle(process.hProcess);
    UniqueHandle thread(process.hThread);
    // As WinExec: the next line follows once the program waits for input, or after 30 s.
    ::WaitForInputIdle(processHandle.Get(), 30000);
    return true;
}

Win32Launcher::WaitedStart Win32Launcher::StartWaited(const std::string& file,
                                                      const std::string& parameters,
                                                      const std::string& folder, int showCode) {
    waited_.Reset();
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof(info);
    // No error dialog may stall the logon; the run log tells of a failed start.
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    info.hwnd = owner_ ? owner_() : nullptr;
    info.lpFile = file.c_str();
    info.lpParameters = OrNull(parameters);
    info.lpDirectory = OrNull(folder);
    info.nShow = showCode;
    if (!::ShellExecuteExA(&info)) {
        return WaitedStart::Failed;
    }
    if (info.hProcess == nullptr) {
        return WaitedStart::NoProcess;
    }
    waited_.Reset(info.hProcess);
    return WaitedStart::Started;
}

bool Win32Launcher::WaitedProgramRunning() {
    if (!waited_) {
        return false;
    }
    if (::WaitForSingleObject(waited_.Get(), 0) == WAIT_TIMEOUT) {
        return true;
    }
    waited_.Reset();
    return false;
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
