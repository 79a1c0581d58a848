#pragma once
// The interpreter's ports on Windows, beside the progress window (which serves the view and
// the timers itself): message boxes and dialogs, files, names and folders, the application's
// end.
#include "common/win32/MessageLoop.h"
#include "interpreter/core/Host.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace qv::win32 {

class TStartFrm;

// The system's local time in the core's terms (days of the week from 1 Monday to 7 Sunday).
interp::DateTime ToDateTime(const SYSTEMTIME& time);

class Win32Host : public interp::Dialogs,
                  public interp::SystemPort,
                  public interp::ApplicationPort {
  public:
    // `appWindow` is the hidden application window that owns the program's windows.
    Win32Host(MessageLoop& loop, HWND appWindow, TStartFrm& form);

    // Dialogs
    int ShowMessageBox(const std::string& text, const std::string& title,
                       interp::MessageBoxKind kind) override;
    void ShowErrorLog(const std::string& text) override;
    std::optional<std::vector<bool>>
    PromptPendingCommands(const std::vector<std::string>& entries) override;

    // SystemPort
    bool FileExists(const std::string& path) override;
    bool ReadFileBytes(const std::string& path, std::string& bytes) override;
    std::string WindowsFolder() override;
    std::string UserName() override;
    std::string ComputerName() override;
    std::string ProgramFolder() override;
    interp::DateTime Now() override;

    // ApplicationPort
    void Terminate() override;

  private:
    // The progress window when it can own a dialog, otherwise the application window.
    HWND DialogOwner() const;

    MessageLoop& loop_;
    HWND appWindow_;
    TStartFrm& form_;
};

} // namespace qv::win32
