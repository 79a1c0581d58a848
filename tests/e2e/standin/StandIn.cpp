#include "interpreter/win32/ControlIds.h"

#include <windows.h>

#include <string>

// A stand-in with the interpreter's outward shape, so that the driver's own steps can be checked
// without the interpreter: "standin window" shows the progress window and ends after its first
// tick, "standin log TEXT" shows an "Error Log" memo holding TEXT (\t, \r and \n unescaped)
// until it is closed, "standin message" shows a stop message box, "standin crash" crashes.

namespace {

constexpr UINT_PTR TickTimer = 1;

std::string Unescape(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            char next = text[++i];
            out += next == 't' ? '\t' : next == 'r' ? '\r' : next == 'n' ? '\n' : next;
        } else {
            out += text[i];
        }
    }
    return out;
}

LRESULT CALLBACK ProgressProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        KillTimer(window, TickTimer);
        DestroyWindow(window);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == qv::ids::CancelBut)
            DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK LogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND MakeWindow(HINSTANCE instance, const char* className, const char* title, WNDPROC proc) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = proc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className;
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, className, title, WS_CAPTION | WS_SYSMENU, 100, 100, 420, 380,
                           nullptr, nullptr, instance, nullptr);
}

HWND AddChild(HWND parent, const char* className, const char* text, DWORD style, int id) {
    return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, 8, 8 + (id % 10) * 30,
                           300, 24, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           nullptr, nullptr);
}

int Loop() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    int argc = __argc;
    char** argv = __argv;
    std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "crash") {
        volatile int* nowhere = nullptr;
        *nowhere = 1;
    }
    if (mode == "message") {
        MessageBoxA(nullptr, "The Script you tried to run doesn't Exist", "Quorvel", 0x1010);
        return 0;
    }
    if (mode == "log" && argc > 2) {
        HWND log = MakeWindow(instance, qv::ids::ErrorFrmClass, "Error Log", LogProc);
        HWND memo = AddChild(log, "EDIT", "", ES_MULTILINE | ES_READONLY | WS_VSCROLL | WS_HSCROLL,
                             qv::ids::Edit1);
        SetWindowTextA(memo, Unescape(argv[2]).c_str());
        ShowWindow(log, SW_SHOW);
        return Loop();
    }
    if (mode == "window") {
        HWND frame =
            MakeWindow(instance, qv::ids::StartFrmClass, "Trevanta's - Quorvel v2.0", ProgressProc);
        AddChild(frame, "STATIC", "Loading Quorvel", 0, qv::ids::LoadingAppName);
        AddChild(frame, "BUTTON", "Cance&l", BS_DEFPUSHBUTTON, qv::ids::CancelBut);
        HWND next = AddChild(frame, "BUTTON", "&Next >>", 0, qv::ids::Button1);
        EnableWindow(next, FALSE);
        ShowWindow(frame, SW_SHOW);
        SetTimer(frame, TickTimer, 500, nullptr);
        return Loop();
    }
    return 2;
}
