#include "interpreter/win32/services/Win32Launcher.h"

#include "common/win32/Com.h"

#include <objbase.h>
#include <objidl.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>

namespace qv::win32 {
namespace {

std::wstring Widen(const std::string& text) {
    const int length = ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (length <= 0) {
        return {};
    }
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
    wide.resize(static_cast<std::size_t>(length - 1));
    return wide;
}

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
    // COM for the link object on this thread, for as long as one read lasts.
    ComScope com;
    ComPtr<IShellLinkA> link;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  reinterpret_cast<void**>(link.Put())))) {
        return std::nullopt;
    }
    ComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.Put())))) {
        return std::nullopt;
    }
    const std::wstring widePath = Widen(path);
    if (widePath.empty() || FAILED(file->Load(widePath.c_str(), STGM_READ))) {
        return std::nullopt;
    }
    interp::ShortcutInfo info;
    char buffer[MAX_PATH + 1] = {};
    if (SUCCEEDED(link->GetPath(buffer, MAX_PATH, nullptr, SLGP_RAWPATH))) {
        info.target = buffer;
    }
    buffer[0] = '\0';
    int index = 0;
    if (SUCCEEDED(link->GetIconLocation(buffer, MAX_PATH, &index))) {
        info.iconLocation = buffer;
        info.iconIndex = index;
    }
    return info;
}

} // namespace qv::win32
