#include "common/win32/Com.h"
#include "common/win32/Controls.h"
#include "common/win32/MessageLoop.h"
#include "editor/win32/ViewFrm.h"

#include <windows.h>

#include <shellapi.h>

#include <string>

namespace {

constexpr const char* ApplicationTitle = "Quorvel Developer";

// The first argument as the system splits the command line ("" without one).
std::string FirstArgument() {
    int count = 0;
    LPWSTR* arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::string first;
    if (arguments != nullptr && count > 1) {
        const int length =
            ::WideCharToMultiByte(CP_ACP, 0, arguments[1], -1, nullptr, 0, nullptr, nullptr);
        if (length > 1) {
            first.resize(static_cast<std::size_t>(length));
            ::WideCharToMultiByte(CP_ACP, 0, arguments[1], -1, first.data(), length, nullptr,
                                  nullptr);
            first.resize(static_cast<std::size_t>(length - 1));
        }
    }
    ::LocalFree(arguments);
    return first;
}

int Run(int showCommand) {
    using namespace qv::win32;
    InitCommonControlClasses();
    // The shell's link object and file dialogs want COM on this thread.
    ComScope com;
    MessageLoop loop;
    TfrmView view(loop, nullptr, FirstArgument());
    if (!view.IsAlive()) {
        return 1;
    }
    view.Start(showCommand);
    return loop.QuitRequested() ? 0 : loop.Run();
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
    try {
        return Run(showCommand);
    } catch (const std::exception& error) {
        ::MessageBoxA(nullptr, error.what(), ApplicationTitle, MB_OK | MB_ICONERROR);
        return 1;
    }
}
