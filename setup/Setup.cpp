#include <windows.h>

#include <objbase.h>
#include <shellapi.h>

// The launcher: the editor, started with "/install", performs the installation. Arguments given
// to the launcher are ignored, and it ends with 0 whatever the shell answered: it has no window
// in which to say anything.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // The shell may hand the request to a COM handler, which needs the thread initialised.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    // A bare name: the shell looks for it in the current folder first, where the installation
    // medium or the installer put both programs side by side.
    ShellExecuteA(nullptr, "Open", "qvdev.exe", "/install", nullptr, SW_SHOWNORMAL);
    if (SUCCEEDED(com))
        CoUninitialize();
    return 0;
}
