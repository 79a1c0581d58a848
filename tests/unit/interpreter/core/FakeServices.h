#pragma once
// Fakes for the command families' ports: in-memory windows and files, recorded key events,
// launches, connections and system calls, scripted dialog answers, and a fixed clock and time
// zone. Nothing here touches the real machine. The menu's TimeOutTimer runs on FakeHost's
// virtual clock.
#include "FakeHost.h"
#include "interpreter/core/Services.h"
#include "interpreter/logic/OpsSendKey.h"

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace qv::interp::testing {

class FakeServices : public AllServicePorts {
  public:
    explicit FakeServices(FakeHost& host) : host_(host) {}

    // Windows, topmost first.
    struct FakeWindow {
        std::string title;
        bool visible = true;
        std::uintptr_t handle = 0;
        bool takesFront = true; // false: Windows refuses to bring it to the foreground
        bool elevated = false;  // its program runs at a higher integrity level
    };
    std::vector<FakeWindow> windows;
    std::uintptr_t AddWindow(const std::string& title, bool visible = true);
    std::vector<std::pair<std::uintptr_t, std::uint32_t>> posted;
    std::vector<std::uintptr_t> broughtToFront;
    std::uintptr_t foreground = 0;

    // Keyboard: a US layout by default; scan codes default to the key code's low five bits.
    std::vector<logic::KeyEvent> keyEvents;
    int keyBursts = 0; // the input arrays handed to the system
    std::map<std::uint32_t, std::uint32_t> scanCodes;
    bool keyLibraryLoads = false;
    int keyLibraryResult = 0;
    std::vector<std::string> keyLibraryCalls;

    // Files, matched without regard to case; folders are listed in name order.
    struct FakeFile {
        std::string path;
        std::string bytes;
        std::int64_t time = 0;
        std::string version;
        bool readOnly = false;
    };
    void AddFolder(const std::string& path);
    void AddFile(const std::string& path, const std::string& bytes = "", std::int64_t time = 0,
                 const std::string& version = "");
    const FakeFile* File(const std::string& path) const;
    void SetReadOnly(const std::string& path);
    std::vector<std::string> FilePaths() const;
    // Called after each successful CopyFile, e.g. to press Next between files.
    std::function<void(const std::string& source, const std::string& target)> onCopyFile;
    std::vector<std::string> recycled;
    std::uint32_t recycleResult = 0; // what the shell answers a delete

    // Program starts.
    struct Launch {
        enum class Kind { Shell, Program, Waited } kind;
        std::string file; // the command line for WinExec
        std::string parameters;
        std::string folder;
        int showCode = 0;
        bool owned = false;
    };
    std::vector<Launch> launches;
    std::map<std::string, ShortcutInfo> shortcuts;
    // What the shell does with the program LOAD AND WAIT starts, and whether it still runs.
    WaitedStart waitedStart = WaitedStart::Started;
    bool waitedProgramRunning = false;

    // INI files: key "FILE|Section|Key".
    std::map<std::string, std::string> ini;
    std::string userDataFolder = "C:\\USERS\\ALICE\\APPDATA\\LOCAL\\QUORVEL\\";
    bool iniWritable = true;

    // Network.
    std::vector<logic::NetResourceRequest> connections;
    std::vector<std::string> cancelled;
    std::uint32_t addConnectionResult = 0;

    // System settings.
    std::vector<std::string> wallpapers;
    logic::DateAndTime localNow{2026, 12, 9, 8, 30, 15, 0, 3};
    logic::TimeZoneInformation zone;
    std::string shortDateFormat = "dd/MM/yyyy";
    std::vector<logic::DateAndTime> systemTimes;
    std::vector<std::string> calls; // privileges, exits and time changes, in order
    bool privilegesHeld = true;     // the user holds the privileges asked for
    bool systemRefuses = false;     // date and exit calls fail
    std::map<std::string, std::string> environment;
    int randomAnswer = 0;

    // Menu: answers the shown menu; by default the menu waits on the virtual clock for its
    // time-out to close it.
    std::function<bool(logic::MenuModel&, bool quitHidden)> onShowMenu;
    int menusShown = 0;
    std::vector<bool> quitHiddenSeen;
    std::vector<bool> promptModeSeen;
    std::vector<std::string> menuTexts; // the TimeOut text at each refresh
    bool menuCloseRequested = false;
    WindowPoint progressPosition{120, 340};

    // Replace dialog.
    std::deque<logic::ReplaceAnswer> replaceAnswers;
    std::vector<logic::ReplaceQuestion> replaceQuestions;

    // WindowListPort
    std::vector<WindowEntry> TopLevelWindows(bool visibleOnly) override;
    void PostSysCommand(std::uintptr_t handle, std::uint32_t command) override;
    bool BringWindowToFront(std::uintptr_t handle) override;
    bool IsForeground(std::uintptr_t handle) override { return handle == foreground; }
    bool RunsAboveOwnLevel(std::uintptr_t handle) override;
    // KeyboardPort
    void SendKeyEvents(const std::vector<logic::KeyEvent>& events) override;
    std::int16_t KeyScan(char c) override;
    std::uint32_t ScanCodeOf(std::uint32_t virtualKey) override;
    bool LoadKeyLibrary() override { return keyLibraryLoads; }
    int CallKeyLibrary(const std::string& keyText) override;
    // FilePort
    bool IsFolder(const std::string& path) override;
    bool Exists(const std::string& path) override;
    std::optional<std::int64_t> LastWriteTime(const std::string& path) override;
    std::string FileVersionText(const std::string& path) override;
    void ClearReadOnly(const std::string& path) override;
    std::vector<logic::FolderEntry> ListFolder(const std::string& folder) override;
    void CreateFolder(const std::string& path) override;
    std::uint32_t CopyOneFile(const std::string& source, const std::string& target) override;
    std::vector<logic::FolderEntry> ListMatching(const std::string& folder,
                                                 const std::string& mask) override;
    bool MoveOrRename(const std::string& oldName, const std::string& newName) override;
    std::uint32_t RecycleDelete(const std::string& pathList) override;
    // ProgramPort
    bool ShellOpen(const std::string& file, const std::string& parameters,
                   const std::string& folder, int showCode, bool ownedByWindow) override;
    bool StartProgram(const std::string& commandLine, const std::string& folder,
                      int showCode) override;
    WaitedStart StartWaited(const std::string& file, const std::string& parameters,
                            const std::string& folder, int showCode) override;
    bool WaitedProgramRunning() override { return waitedProgramRunning; }
    std::optional<ShortcutInfo> ReadShortcut(const std::string& path) override;
    // IniPort
    std::string ReadIniString(const std::string& file, const std::string& section,
                              const std::string& key) override;
    bool WriteIniString(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& value) override;
    std::string UserDataFolder() override { return userDataFolder; }
    // NetworkPort
    std::uint32_t AddConnection(const logic::NetResourceRequest& request) override;
    std::uint32_t CancelConnection(const std::string& name, std::uint32_t flags,
                                   bool force) override;
    // SystemSettingsPort
    bool SetWallpaper(const std::string& path) override;
    logic::DateAndTime LocalNow() override { return localNow; }
    logic::TimeZoneInformation TimeZone() override { return zone; }
    std::string ShortDateFormat() override { return shortDateFormat; }
    bool SetSystemTime(const logic::DateAndTime& universal) override;
    bool EnablePrivilege(const std::string& name) override;
    bool ExitWindowsWith(unsigned flags, unsigned reason) override;
    bool SetEnvironmentValue(const std::string& name, const std::string& value) override;
    int RandomBelow(int count) override;
    // MenuDialogPort
    bool ShowMenu(logic::MenuModel& menu, bool quitHidden, bool promptMode) override;
    void RefreshMenu(const logic::MenuModel& menu) override;
    void CloseMenu() override { menuCloseRequested = true; }
    void StartMenuTimer(int intervalMs) override { host_.ArmMenuTimer(intervalMs); }
    void StopMenuTimer() override { host_.DisarmMenuTimer(); }
    WindowPoint ProgressWindowPosition() override { return progressPosition; }
    // ReplaceDialogPort
    logic::ReplaceAnswer AskReplace(const logic::ReplaceQuestion& question) override;
    // IdlePort
    void WaitForMessage() override { ++idleWaits; }
    int idleWaits = 0;

  private:
    static std::string Key(const std::string& path);
    static std::string Parent(const std::string& key);
    bool FolderExists(const std::string& key) const;

    FakeHost& host_;
    std::uintptr_t nextHandle_ = 0x100;
    std::map<std::string, FakeFile> files_;
    std::map<std::string, std::string> folders_; // key -> path as written
};

} // namespace qv::interp::testing
