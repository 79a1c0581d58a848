#include "interpreter/win32/services/Win32Launcher.h"

#include "common/win32/Com.h"
#include "common/win32/Owners.h"

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
    if (!folder.empty()) {
        ::SetCurrentDirectoryA(folder.c_str());
    }
    return ::WinExec(commandLine.c_str(), static_cast<UINT>(showCode)) > 31;
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
