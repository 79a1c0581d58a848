#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// setup.exe in a folder of its own: started with and without arguments, beside a stand-in
// qvdev.exe or alone. Both programs come from the build tree (QV_SETUP_EXE, QV_QVDEV_STANDIN,
// relative to the test's working folder).

namespace {

constexpr DWORD RunLimitMs = 30000;

std::string TempFolder(const char* name) {
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    std::string folder = std::string(base) + name + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder + "\\";
}

void Empty(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            DeleteFileA((folder + found.cFileName).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

struct WindowSearch {
    DWORD process;
    bool found;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->process && IsWindowVisible(window))
        search->found = true;
    return TRUE;
}

struct Outcome {
    bool ended = false;
    DWORD exitCode = 999;
    bool showedWindow = false;
};

// Starts the program in `folder` (its current folder) the way a user's double-click does, so
// that its request for administrator rights is honoured, and watches it until it ends.
Outcome StartAndWatch(const std::string& folder, const std::string& program,
                      const std::string& arguments) {
    Outcome run;
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    info.lpVerb = "open";
    info.lpFile = program.c_str();
    info.lpParameters = arguments.empty() ? nullptr : arguments.c_str();
    info.lpDirectory = folder.c_str();
    info.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExA(&info) || !info.hProcess) {
        ADD_FAILURE() << "could not start " << program << ": " << GetLastError();
        return run;
    }
    WindowSearch search{GetProcessId(info.hProcess), false};
    const DWORD start = GetTickCount();
    while (WaitForSingleObject(info.hProcess, 10) == WAIT_TIMEOUT) {
        EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
        if (GetTickCount() - start > RunLimitMs) {
            TerminateProcess(info.hProcess, 1);
            WaitForSingleObject(info.hProcess, 5000);
            CloseHandle(info.hProcess);
            ADD_FAILURE() << program << " did not end within " << RunLimitMs << " ms";
            return run;
        }
    }
    run.ended = true;
    GetExitCodeProcess(info.hProcess, &run.exitCode);
    run.showedWindow = search.found;
    CloseHandle(info.hProcess);
    return run;
}

// The stand-in's record, once it has been written; empty when it never came.
std::vector<std::string> WaitForRecord(const std::string& path) {
    const DWORD start = GetTickCount();
    while (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        if (GetTickCount() - start > RunLimitMs)
            return {};
        Sleep(20);
    }
    std::ifstream file(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

class SetupLauncher : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = TempFolder("qv-setup-");
        Empty(folder);
        ASSERT_TRUE(CopyFileA(QV_SETUP_EXE, (folder + "setup.exe").c_str(), FALSE))
            << "copy " << QV_SETUP_EXE << ": " << GetLastError();
    }
    void TearDown() override {
        Empty(folder);
        RemoveDirectoryA(folder.c_str());
    }
    std::string folder;
};

TEST_F(SetupLauncher, WithoutTheEditorItEndsQuietlyWithZero) {
    for (const char* arguments : {"", "/S extra"}) {
        const Outcome run = StartAndWatch(folder, folder + "setup.exe", arguments);
        EXPECT_TRUE(run.ended) << arguments;
        EXPECT_EQ(run.exitCode, 0u) << arguments;
        EXPECT_FALSE(run.showedWindow) << arguments;
    }
}

TEST_F(SetupLauncher, TheEditorReceivesExactlyInstall) {
    ASSERT_TRUE(CopyFileA(QV_QVDEV_STANDIN, (folder + "qvdev.exe").c_str(), FALSE))
        << "copy " << QV_QVDEV_STANDIN << ": " << GetLastError();
    const std::string record = folder + "qvdev-started.txt";
    for (const char* arguments : {"", "/install", "one \"two three\" /uninstall"}) {
        DeleteFileA(record.c_str());
        const Outcome run = StartAndWatch(folder, folder + "setup.exe", arguments);
        EXPECT_TRUE(run.ended) << arguments;
        EXPECT_EQ(run.exitCode, 0u) << arguments;
        EXPECT_FALSE(run.showedWindow) << arguments;
        const std::vector<std::string> lines = WaitForRecord(record);
        ASSERT_EQ(lines.size(), 3u) << arguments;
        EXPECT_EQ(lines[0], "/install") << arguments;
        // No working folder was given: the editor starts in the launcher's.
        EXPECT_EQ(lstrcmpiA((lines[1] + "\\").c_str(), folder.c_str()), 0)
            << lines[1] << " / " << folder;
        EXPECT_EQ(lines[2], "1") << "shown normally";
    }
}

} // namespace
