#include "interpreter/win32/services/Win32WindowList.h"

#include <windows.h>

namespace qv::win32 {
namespace {

// Windows can be created and destroyed while the chain is walked; a bound keeps a chain that
// loops back on itself from hanging the run.
constexpr int MaximumWindows = 100000;
constexpr int TitleLength = 255;

HWND ToWindow(std::uintptr_t handle) {
    return reinterpret_cast<HWND>(handle);
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

bool Win32WindowList::BringWindowToFront(std::uintptr_t handle) {
    HWND window = ToWindow(handle);
    if (!::IsWindow(window)) {
        return false;
    }
    ::SetForegroundWindow(window);
    ::SetFocus(window);
    return true;
}

} // namespace qv::win32
