#pragma once
// The command families' ports on Windows: each port is its own component, handed to Runner by
// reference (Ports); this object itself shows the menu and replace dialogs, waits for messages
// and carries the menu's TimeOutTimer, which runs whether or not the menu is shown.
#include "common/win32/MessageLoop.h"
#include "interpreter/core/Services.h"
#include "interpreter/win32/services/NetConnection.h"
#include "interpreter/win32/services/Win32Files.h"
#include "interpreter/win32/services/Win32Ini.h"
#include "interpreter/win32/services/Win32Keyboard.h"
#include "interpreter/win32/services/Win32Launcher.h"
#include "interpreter/win32/services/Win32SystemSettings.h"
#include "interpreter/win32/services/Win32WindowList.h"

#include <windows.h>

#include <functional>
#include <memory>

namespace qv::win32 {

class TfrmMenu;

class Win32Services final : public interp::MenuDialogPort,
                            public interp::ReplaceDialogPort,
                            public interp::IdlePort {
  public:
    // `progressWindow` is the interpreter window: it owns the dialogs and is blocked while they
    // are shown, owns the shell's dialogs of a start that asks for it, and is the window MENU
    // SHOW moves aside and back. `machine` carries the calls that change the machine itself.
    Win32Services(MessageLoop& loop, HWND progressWindow,
                  MachineCalls machine = RealMachineCalls());
    ~Win32Services() override;
    Win32Services(const Win32Services&) = delete;
    Win32Services& operator=(const Win32Services&) = delete;

    // What TimeOutTimer calls at each tick: Runner::TimeOutTimer.
    void SetMenuTimerHandler(std::function<void()> handler) {
        menuTimerHandler_ = std::move(handler);
    }

    // The command families' ports: the components, and this object for the dialogs.
    interp::Services Ports() {
        return {windows_, keyboard_, files_, launcher_, ini_,
                network_, settings_, *this,  *this,     *this};
    }

    // MenuDialogPort
    bool ShowMenu(logic::MenuModel& menu, bool quitHidden, bool promptMode) override;
    void RefreshMenu(const logic::MenuModel& menu) override;
    void CloseMenu() override;
    void StartMenuTimer(int intervalMs) override;
    void StopMenuTimer() override;
    interp::WindowPoint ProgressWindowPosition() override;

    // ReplaceDialogPort
    logic::ReplaceAnswer AskReplace(const logic::ReplaceQuestion& question) override;

    // IdlePort
    void WaitForMessage() override { ::WaitMessage(); }

  private:
    class MenuTimerWindow;

    // The progress window while it exists: the owner of dialogs and of the shell's windows.
    HWND OwnerWindow() const;

    MessageLoop& loop_;
    HWND progressWindow_;
    Win32WindowList windows_;
    Win32Keyboard keyboard_;
    Win32Files files_;
    Win32Launcher launcher_;
    Win32Ini ini_;
    NetConnection network_;
    Win32SystemSettings settings_;
    std::function<void()> menuTimerHandler_;
    std::unique_ptr<MenuTimerWindow> menuTimer_;
    TfrmMenu* shownMenu_ = nullptr;
};

} // namespace qv::win32
