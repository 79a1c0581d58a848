#include "TestSupport.h"
#include "common/win32/Com.h"
#include "common/win32/Owners.h"
#include "interpreter/win32/services/Win32Ini.h"
#include "interpreter/win32/services/Win32Launcher.h"

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <gtest/gtest.h>

namespace qv::win32 {
namespace {

using testing::CurrentFolder;
using testing::ReadText;
using testing::ScratchFolder;
using testing::WriteText;

TEST(Win32Ini, ValuesGoAndComeBackWithTheirQuotesRemoved) {
    ScratchFolder scratch;
    Win32Ini ini;
    const std::string file = scratch / "QVRUN.INI";
    ini.WriteIniString(file, "Run Once A Day", "C:\\TOOLS\\SYNC.EXE", "\"20261210\"");
    ini.WriteIniString(file, "Run Once A Day", "plain", "value with blanks");
    EXPECT_EQ(ini.ReadIniString(file, "Run Once A Day", "C:\\TOOLS\\SYNC.EXE"), "20261210");
    // Keys and sections are found in any case.
    EXPECT_EQ(ini.ReadIniString(file, "run once a day", "PLAIN"), "value with blanks");
    EXPECT_EQ(ini.ReadIniString(file, "Run Once A Day", "missing"), "");
    EXPECT_EQ(ini.ReadIniString(scratch / "none.ini", "s", "k"), "");

    const std::string longValue(5000, 'v');
    ini.WriteIniString(file, "Long", "k", longValue);
    EXPECT_EQ(ini.ReadIniString(file, "Long", "k"), longValue);
}

TEST(Win32Ini, AFileNamedWithoutAFolderLivesInTheWindowsFolder) {
    Win32Ini ini;
    const std::string name = "QVW2TEST" + std::to_string(::GetCurrentProcessId()) + ".INI";
    ini.WriteIniString(name, "Run Once A Day", "K", "\"1\"");
    char windows[MAX_PATH] = {};
    ::GetWindowsDirectoryA(windows, MAX_PATH);
    const std::string path = std::string(windows) + "\\" + name;
    // Profile writes may be cached until flushed.
    ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, name.c_str());
    EXPECT_NE(::GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES) << path;
    EXPECT_EQ(ini.ReadIniString(name, "Run Once A Day", "K"), "1");
    ::DeleteFileA(path.c_str());
}

// The user's record goes to a folder that may not exist yet; a write that cannot happen says so.
TEST(Win32Ini, WritesMakeTheirFolderAndReportFailure) {
    ScratchFolder scratch;
    Win32Ini ini;
    const std::string file = scratch / "Local\\Quorvel\\QVRUN.INI";
    EXPECT_TRUE(ini.WriteIniString(file, "Run Once A Day", "C:\\A.EXE", "\"20261210\""));
    EXPECT_EQ(ini.ReadIniString(file, "Run Once A Day", "C:\\A.EXE"), "20261210");

    WriteText(scratch / "blocker", "a file where a folder should be");
    EXPECT_FALSE(ini.WriteIniString(scratch / "blocker\\QVRUN.INI", "S", "K", "V"));

    const std::string folder = ini.UserDataFolder();
    ASSERT_GT(folder.size(), 9u);
    EXPECT_EQ(folder.substr(folder.size() - 9), "\\Quorvel\\");
}

bool SaveShortcut(const std::string& path, const std::string& target, const std::string& icon,
                  int iconIndex) {
    ComScope com;
    ComPtr<IShellLinkA> link;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  reinterpret_cast<void**>(link.Put())))) {
        return false;
    }
    link->SetPath(target.c_str());
    if (!icon.empty()) {
        link->SetIconLocation(icon.c_str(), iconIndex);
    }
    ComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.Put())))) {
        return false;
    }
    std::wstring wide(path.begin(), path.end());
    return SUCCEEDED(file->Save(wide.c_str(), TRUE));
}

TEST(Win32Launcher, ReadsTargetAndIconOfAShortcut) {
    ScratchFolder scratch;
    Win32Launcher launcher([] { return HWND{}; });
    const std::string target = scratch / "tool.exe";
    WriteText(target, "MZ");
    char system[MAX_PATH] = {};
    ::GetSystemDirectoryA(system, MAX_PATH);
    const std::string icons = std::string(system) + "\\shell32.dll";

    ASSERT_TRUE(SaveShortcut(scratch / "with icon.lnk", target, icons, 39));
    const std::optional<interp::ShortcutInfo> withIcon =
        launcher.ReadShortcut(scratch / "with icon.lnk");
    ASSERT_TRUE(withIcon);
    EXPECT_EQ(withIcon->target, target);
    EXPECT_EQ(withIcon->iconLocation, icons);
    EXPECT_EQ(withIcon->iconIndex, 39);

    ASSERT_TRUE(SaveShortcut(scratch / "plain.lnk", target, "", 0));
    const std::optional<interp::ShortcutInfo> plain = launcher.ReadShortcut(scratch / "plain.lnk");
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->target, target);
    EXPECT_EQ(plain->iconLocation, "");

    WriteText(scratch / "not a link.lnk", "plain text");
    EXPECT_FALSE(launcher.ReadShortcut(scratch / "not a link.lnk"));
    EXPECT_FALSE(launcher.ReadShortcut(scratch / "missing.lnk"));
}

std::string Quoted(const std::string& path) {
    std::string quoted(1, '"');
    quoted += path;
    quoted += '"';
    return quoted;
}

std::string SystemProgram(const char* name) {
    char system[MAX_PATH] = {};
    ::GetSystemDirectoryA(system, MAX_PATH);
    return std::string(system) + "\\" + name;
}

bool FileAppears(const std::string& path) {
    return testing::PumpUntil(
        [&] { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }, 10000);
}

// The program starts in the folder it is given; the interpreter's own folder stays as it was,
// so that a later bare program name is not looked for where the last program lay.
TEST(Win32Launcher, StartsProgramsInTheirFolderAndLeavesItsOwnAlone) {
    ScratchFolder scratch;
    Win32Launcher launcher([] { return HWND{}; });
    const std::string before = CurrentFolder();

    // The relative name puts the file in the program's working folder.
    EXPECT_TRUE(launcher.StartProgram(Quoted(SystemProgram("cmd.exe")) + " /c cd > where.txt",
                                      scratch.Path(), SW_HIDE));
    EXPECT_EQ(CurrentFolder(), before);
    ASSERT_TRUE(FileAppears(scratch / "where.txt"));
    EXPECT_TRUE(testing::PumpUntil([&] { return ReadText(scratch / "where.txt").size() > 2; }));
    std::string where = ReadText(scratch / "where.txt");
    while (!where.empty() && (where.back() == '\n' || where.back() == '\r')) {
        where.pop_back();
    }
    EXPECT_EQ(where + "\\", scratch.Path());

    const std::string sample = testing::ProgramFolder() + QV_VERSIONED_SAMPLE;
    EXPECT_TRUE(launcher.StartProgram(Quoted(sample), "", SW_HIDE));
    EXPECT_FALSE(launcher.StartProgram(Quoted(scratch / "missing.exe"), "", SW_HIDE));
    EXPECT_FALSE(launcher.ShellOpen(scratch / "missing.doc", "", "", SW_HIDE, false));
    EXPECT_EQ(CurrentFolder(), before);
}

TEST(Win32Launcher, WatchesTheProcessOfAWaitedProgramUntilItEnds) {
    ScratchFolder scratch;
    Win32Launcher launcher([] { return HWND{}; });
    EXPECT_FALSE(launcher.WaitedProgramRunning()) << "nothing started yet";

    ASSERT_EQ(launcher.StartWaited(SystemProgram("cmd.exe"), "/c echo done> said.txt",
                                   scratch.Path(), SW_HIDE),
              Win32Launcher::WaitedStart::Started);
    // Once the process is reported ended, what it did before its end is done.
    ASSERT_TRUE(testing::PumpUntil([&] { return !launcher.WaitedProgramRunning(); }, 20000));
    EXPECT_EQ(ReadText(scratch / "said.txt"), "done\r\n");
    EXPECT_FALSE(launcher.WaitedProgramRunning()) << "an ended process is let go";

    EXPECT_EQ(launcher.StartWaited(scratch / "missing.exe", "", "", SW_HIDE),
              Win32Launcher::WaitedStart::Failed);
    EXPECT_FALSE(launcher.WaitedProgramRunning());
}

} // namespace
} // namespace qv::win32
