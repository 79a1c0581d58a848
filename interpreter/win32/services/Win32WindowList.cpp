#include "interpreter/win32/services/Win32WindowList.h"

#include "common/win32/Owners.h"

#include <windows.h>

#include <optional>
#include <vector>

namespace qv::win32 {
namespace {

// Windows can be created and destroyed while the chain is walked; a bound keeps a chain that
// loops back on itself from hanging the run.
constexpr int MaximumWindows = 100000;
constexpr int TitleLength = 255;

HWND ToWindow(std::uintptr_t handle) {
    return reinterpret_cast<HWND>(handle);
}

// The mandatory integrity level of a process's token (its last sub-authority); nothing when it
// cannot be read.
std::optional<DWORD> IntegrityLevel(HANDLE process) {
    HANDLE rawToken = nullptr;
    if (!::OpenProcessToken(process, TOKEN_QUERY, &rawToken)) {
        return std::nullopt;
    }
    UniqueHandle token(rawToken);
    DWORD size = 0;
    ::GetTokenInformation(token.Get(), TokenIntegrityLevel, nullptr, 0, &size);
    if (size == 0) {
        return std::nullopt;
    }
    std::vector<unsigned char> buffer(size);
    if (!::GetTokenInformation(token.Get(), TokenIntegrityLevel, buffer.data(), size, &size)) {
        return std::nullopt;
    }
    const auto* label = reinterpret_cast<const TOKEN_MANDATORY_LABEL*>(buffer.data());
    PSID sid = label->Label.Sid;
    if (sid == nullptr || !::IsValidSid(sid) || *::GetSidSubAuthorityCount(sid) == 0) {
        return std::nullopt;
    }
    return *::GetSidSubAuthority(sid, *::GetSidSubAuthorityCount(sid) - 1u);
}

} // namespace

std::vector<interp::WindowEntry> Win32WindowList::TopLevelWindows(bool visibleOnly) {
    std::vector<interp::WindowEntry> windows;
    int walked = 0;
    for (HWND window = ::GetTopWindow(nullptr); window != nullptr && walked < MaximumWindows;
         window = ::GetWindow(window, GW_HWNDNEXT), ++walked) {
        if (visibleOnly && !::IsWindowVisible(window)) {
            continue;
        }
        char title[TitleLength + 1] = {};
        const int length = ::GetWindowTextA(window, title, sizeof(title));
        windows.push_back({std::string(title, length > 0 ? static_cast<std::size_t>(length) : 0),
                           reinterpret_cast<std::uintptr_t>(window)});
    }
    return windows;
}

void Win32WindowList::PostSysCommand(std::uintptr_t handle, std::uint32_t command) {
    ::PostMessageA(ToWindow(handle), WM_SYSCOMMAND, command, 0);
}

bool Win32WindowList::IsForeground(std::uintptr_t handle) {
    HWND target = ToWindow(handle);
    HWND front = ::GetForegroundWindow();
    // A dialog the target owns takes its keys for it.
    return front != nullptr && ::IsWindow(target) &&
           (front == target || ::GetAncestor(front, GA_ROOTOWNER) == target);
}

bool Win32WindowList::RunsAboveOwnLevel(std::uintptr_t handle) {
    DWORD processId = 0;
    ::GetWindowThreadProcessId(ToWindow(handle), &processId);
    if (processId == 0 || processId == ::GetCurrentProcessId()) {
        return false;
    }
    UniqueHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    // A program the interpreter may not even look at is taken to be above it.
    if (!process) {
        return ::GetLastError() == ERROR_ACCESS_DENIED;
    }
    const std::optional<DWORD> own = IntegrityLevel(::GetCurrentProcess());
    const std::optional<DWORD> target = IntegrityLevel(process.Get());
    if (!own) {
        return false;
    }
    return !target || *target > *own;
}

bool Win32WindowList::BringWindowToFront(std::uintptr_t handle) {
    HWND window = ToWindow(handle);
    if (!::IsWindow(window)) {
        return false;
    }
    ::SetForegroundWindow(window);
    ::SetFocus(window);
    // Another program's window comes forward a moment later, once both sides have handled the
    // change of activation; wait for it briefly, answering only the messages sent to us.
    for (int waited = 0; waited < 500 && !IsForeground(handle); waited += 10) {
        MSG message{};
        ::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        ::Sleep(10);
    }
    return true;
}

} // namespace qv::win32
