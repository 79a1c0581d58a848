#include "common/win32/ApplicationWindow.h"
#include "common/win32/Com.h"
#include "common/win32/Icons.h"
#include "common/win32/MessageLoop.h"
#include "interpreter/core/RunLog.h"
#include "interpreter/core/Runner.h"
#include "interpreter/win32/CommandLine.h"
#include "interpreter/win32/RunLogFile.h"
#include "interpreter/win32/StartFrm.h"
#include "interpreter/win32/Win32Host.h"
#include "interpreter/win32/services/Win32Services.h"

#include <windows.h>

#include <commctrl.h>

namespace {

constexpr const char* ApplicationTitle = "Quorvel";

int Run() {
    using namespace qv::win32;
    // Libraries by bare name come from the system folder only, never from the current folder or
    // one a user may write to.
    ::SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    // The shell's calls (start, file information, file operations) want COM on this thread.
    ComScope com;
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_ANIMATE_CLASS | ICC_LISTVIEW_CLASSES;
    ::InitCommonControlsEx(&controls);

    MessageLoop loop;
    ApplicationWindow application(ApplicationTitle, LoadProgramIcon(::GetSystemMetrics(SM_CXICON),
                                                                    ::GetSystemMetrics(SM_CYICON)));
    TStartFrm form(loop, application.Handle());
    if (!form.IsAlive()) {
        return 1;
    }
    Win32Host host(loop, application.Handle(), form);
    Win32Services services(loop, form.Handle());
    qv::interp::Runner runner(qv::interp::Host{form, form, host, host, host}, services.Ports());
    services.SetMenuTimerHandler([&runner] { runner.TimeOutTimer(); });
    RunnerEvents events(runner);
    form.SetEvents(&events);

    RunLogFile logFile;
    qv::interp::RunLog log(logFile, host);
    runner.SetObserver(&log);
    const std::optional<std::string> scriptPath = ScriptPathArgument(::GetCommandLineA());
    log.RunStarted(scriptPath.value_or(""));

    runner.FormCreate(scriptPath);
    const int exitCode = loop.QuitRequested() ? 0 : loop.Run();
    // Nothing may reach the runner while the windows are taken down.
    form.SetEvents(nullptr);
    services.SetMenuTimerHandler(nullptr);
    runner.SetObserver(nullptr);
    return exitCode;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    try {
        return Run();
    } catch (...) {
        // The interpreter runs at logon: whatever went wrong, it ends quietly.
        return 1;
    }
}
