#include "Driver.h"

#include <memory>
#include <vector>

namespace qv::e2e {
namespace {

constexpr const char* OwnWindowClass = "QvDriverWindow";
constexpr int EditId = 100;
constexpr DWORD CreateLimitMs = 10000;

struct OwnWindow {
    std::string title;
    HWND window = nullptr;
    HANDLE thread = nullptr;
    HANDLE created = nullptr;
};

std::vector<std::unique_ptr<OwnWindow>>& Registry() {
    static std::vector<std::unique_ptr<OwnWindow>> windows;
    return windows;
}

OwnWindow* Find(const std::string& title) {
    for (auto& own : Registry()) {
        if (own->title == title)
            return own.get();
    }
    return nullptr;
}

LRESULT CALLBACK OwnWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 10, 10, 360, 24,
                        window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(EditId)), nullptr,
                        nullptr);
        return 0;
    // Keys sent to the window once it is brought forward land in its edit control.
    case WM_SETFOCUS:
        SetFocus(GetDlgItem(window, EditId));
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

DWORD WINAPI OwnWindowThread(void* param) {
    auto& own = *static_cast<OwnWindow*>(param);
    own.window =
        CreateWindowExA(0, OwnWindowClass, own.title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40,
                        40, 400, 120, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetEvent(own.created);
    if (!own.window)
        return 1;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

bool RegisterOwnClass() {
    static bool registered = false;
    if (registered)
        return true;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = OwnWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = OwnWindowClass;
    registered = RegisterClassA(&windowClass) != 0;
    return registered;
}

} // namespace

bool OpenOwnWindow(const std::string& title) {
    if (Find(title) || !RegisterOwnClass())
        return false;
    auto own = std::make_unique<OwnWindow>();
    own->title = title;
    own->created = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (!own->created)
        return false;
    own->thread = CreateThread(nullptr, 0, OwnWindowThread, own.get(), 0, nullptr);
    if (!own->thread || WaitForSingleObject(own->created, CreateLimitMs) != WAIT_OBJECT_0 ||
        !own->window)
        return false;
    Registry().push_back(std::move(own));
    return true;
}

bool WaitOwnWindowClosed(const std::string& title, DWORD timeoutMs) {
    OwnWindow* own = Find(title);
    // The thread ends with its message loop, when the window is destroyed.
    return own && WaitForSingleObject(own->thread, timeoutMs) == WAIT_OBJECT_0;
}

bool ReadOwnWindowEdit(const std::string& title, std::string& text) {
    OwnWindow* own = Find(title);
    if (!own || !IsWindow(own->window))
        return false;
    return ReadWindowText(GetDlgItem(own->window, EditId), text);
}

} // namespace qv::e2e
