#include <windows.h>

// The least a Win32 program does to show a window: the baseline for the interpreter's start-up.
// It ends as soon as the window has painted once. With "hold" it shows nothing and stays until
// ended, keeping Wine's virtual desktop open between the measured runs, as a Windows desktop is.

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        PostQuitMessage(0);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    if (lstrcmpA(commandLine, "hold") == 0) {
        GetDesktopWindow();
        Sleep(INFINITE);
    }
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "QvMinimalWindow";
    if (!RegisterClassA(&windowClass))
        return 1;
    // The interpreter's outer size, centred like it.
    int width = 391;
    int height = 111;
    HWND window = CreateWindowExA(0, windowClass.lpszClassName, "Minimal", WS_CAPTION | WS_SYSMENU,
                                  (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                                  (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height,
                                  nullptr, nullptr, instance, nullptr);
    if (!window)
        return 1;
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    DestroyWindow(window);
    return 0;
}
