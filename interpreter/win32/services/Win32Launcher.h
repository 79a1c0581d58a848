#pragma once
// Program starts through the shell and as WinExec starts them, the process of a waited program,
// and shortcuts read through the shell's link object.
#include "common/win32/Owners.h"
#include "interpreter/core/Services.h"

#include <windows.h>

#include <functional>

namespace qv::win32 {

class Win32Launcher : public interp::ProgramPort {
  public:
    // `owner` gives the window that owns the shell's dialogs when a start asks for one (the
    // progress window); it is asked at each start, since that window may come and go.
    explicit Win32Launcher(std::function<HWND()> owner) : owner_(std::move(owner)) {}

    bool ShellOpen(const std::string& file, const std::string& parameters,
                   const std::string& folder, int showCode, bool ownedByWindow) override;
    bool StartProgram(const std::string& commandLine, const std::string& folder,
                      int showCode) override;
    WaitedStart StartWaited(const std::string& file, const std::string& parameters,
                            const std::string& folder, int showCode) override;
    bool WaitedProgramRunning() override;
    std::optional<interp::ShortcutInfo> ReadShortcut(const std::string& path) override;

  private:
    std::function<HWND()> owner_;
    UniqueHandle waited_;
};

} // namespace qv::win32
