#pragma once
// The command families' ports on Windows in one object, as Runner takes them: each port is its
// own component, and this class only hands the calls on. It also carries the menu's
// TimeOutTimer, which runs whether or not the menu is shown.
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

class Win32Services final : public interp::Services {
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

    // WindowListPort
    std::vector<interp::WindowEntry> TopLevelWindows(bool visibleOnly) override {
        return windows_.TopLevelWindows(visibleOnly);
    }
    void PostSysCommand(std::uintptr_t handle, std::uint32_t command) override {
        windows_.PostSysCommand(handle, command);
    }
    bool BringWindowToFront(std::uintptr_t handle) override {
        return windows_.BringWindowToFront(handle);
    }

    // KeyboardPort
    void SendKeyEvent(std::uint8_t virtualKey, std::uint8_t scanCode,
                      std::uint32_t flags) override {
        keyboard_.SendKeyEvent(virtualKey, scanCode, flags);
    }
    std::int16_t KeyScan(char c) override { return keyboard_.KeyScan(c); }
    std::uint32_t ScanCodeOf(std::uint32_t virtualKey) override {
        return keyboard_.ScanCodeOf(virtualKey);
    }
    bool LoadKeyLibrary() override { return keyboard_.LoadKeyLibrary(); }
    int CallKeyLibrary(const std::string& keyText) override {
        return keyboard_.CallKeyLibrary(keyText);
    }

    // FilePort
    bool IsFolder(const std::string& path) override { return files_.IsFolder(path); }
    bool Exists(const std::string& path) override { return files_.Exists(path); }
    std::optional<std::int64_t> LastWriteTime(const std::string& path) override {
        return files_.LastWriteTime(path);
    }
    std::string FileVersionText(const std::string& path) override {
        return files_.FileVersionText(path);
    }
    void ClearReadOnly(const std::string& path) override { files_.ClearReadOnly(path); }
    std::vector<logic::FolderEntry> ListFolder(const std::string& folder) override {
        return files_.ListFolder(folder);
    }
    void CreateFolder(const std::string& path) override { files_.CreateFolder(path); }
    std::uint32_t CopyOneFile(const std::string& source, const std::string& target) override {
        return files_.CopyOneFile(source, target);
    }
    std::vector<logic::FolderEntry> ListMatching(const std::string& folder,
                                                 const std::string& mask) override {
        return files_.ListMatching(folder, mask);
    }
    bool MoveOrRename(const std::string& oldName, const std::string& newName) override {
        return files_.MoveOrRename(oldName, newName);
    }
    void RecycleDelete(const std::string& pathList) override { files_.RecycleDelete(pathList); }
    bool DeleteOneFile(const std::string& path) override { return files_.DeleteOneFile(path); }
    bool WriteFileBytes(const std::string& path, const std::string& bytes) override {
        return files_.WriteFileBytes(path, bytes);
    }
    std::string TempFolder() override { return files_.TempFolder(); }
    unsigned TempNameSeed() override { return files_.TempNameSeed(); }

    // ProgramPort
    bool ShellOpen(const std::string& file, const std::string& parameters,
                   const std::string& folder, int showCode, bool ownedByWindow) override {
        return launcher_.ShellOpen(file, parameters, folder, showCode, ownedByWindow);
    }
    bool StartProgram(const std::string& commandLine, const std::string& folder,
                      int showCode) override {
        return launcher_.StartProgram(commandLine, folder, showCode);
    }
    std::optional<interp::ShortcutInfo> ReadShortcut(const std::string& path) override {
        return launcher_.ReadShortcut(path);
    }

    // IniPort
    std::string ReadIniString(const std::string& file, const std::string& section,
                              const std::string& key) override {
        return ini_.ReadIniString(file, section, key);
    }
    void WriteIniString(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& value) override {
        ini_.WriteIniString(file, section, key, value);
    }

    // NetworkPort
    std::uint32_t AddConnection(const logic::NetResourceRequest& request) override {
        return network_.AddConnection(request);
    }
    std::uint32_t CancelConnection(const std::string& name, std::uint32_t flags,
                                   bool force) override {
        return network_.CancelConnection(name, flags, force);
    }

    // SystemSettingsPort
    logic::DateAndTime LocalNow() override { return settings_.LocalNow(); }
    logic::TimeZoneInformation TimeZone() override { return settings_.TimeZone(); }
    bool SetWallpaper(const std::string& path) override { return settings_.SetWallpaper(path); }
    std::string ShortDateFormat() override { return settings_.ShortDateFormat(); }
    bool SetSystemTime(const logic::DateAndTime& universal) override {
        return settings_.SetSystemTime(universal);
    }
    bool EnablePrivilege(const std::string& name) override {
        return settings_.EnablePrivilege(name);
    }
    bool ExitWindowsWith(unsigned flags) override { return settings_.ExitWindowsWith(flags); }
    bool SetEnvironmentValue(const std::string& name, const std::string& value) override {
        return settings_.SetEnvironmentValue(name, value);
    }
    int RandomBelow(int count) override { return settings_.RandomBelow(count); }

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
