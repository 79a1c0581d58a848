#include "interpreter/win32/Win32Host.h"

#include "common/win32/ApplicationWindow.h"
#include "interpreter/win32/StartFrm.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace qv::win32 {
namespace {

class Win32HostTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(form_.IsAlive()) << "no window station (run under a display)";
        char folder[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, folder);
        char name[MAX_PATH] = {};
        ::GetTempFileNameA(folder, "qvh", 0, name);
        path_ = name;
    }
    void TearDown() override { ::DeleteFileA(path_.c_str()); }

    void Write(const std::string& bytes) {
        FILE* file = std::fopen(path_.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }

    MessageLoop loop_;
    ApplicationWindow app_{"Quorvel", nullptr};
    TStartFrm form_{loop_, app_.Handle()};
    Win32Host host_{loop_, app_.Handle(), form_};
    std::string path_;
};

TEST_F(Win32HostTest, ReadsFilesByteForByte) {
    // Larger than one read, with NULs, CR LF and bytes above 127.
    std::string bytes;
    for (int i = 0; i < 200000; ++i) {
        bytes += static_cast<char>((i * 7) % 256);
    }
    bytes += "\r\n~:~";
    Write(bytes);
    std::string read = "stale";
    ASSERT_TRUE(host_.ReadFileBytes(path_, read));
    EXPECT_EQ(read, bytes);

    Write("");
    ASSERT_TRUE(host_.ReadFileBytes(path_, read));
    EXPECT_TRUE(read.empty());
}

TEST_F(Win32HostTest, MissingFilesAreNeitherFoundNorRead) {
    const std::string missing = path_ + ".missing.QVC";
    EXPECT_FALSE(host_.FileExists(missing));
    EXPECT_FALSE(host_.FileExists(""));
    std::string read = "stale";
    EXPECT_FALSE(host_.ReadFileBytes(missing, read));
    EXPECT_TRUE(read.empty());
    EXPECT_TRUE(host_.FileExists(path_));
}

TEST_F(Win32HostTest, FolderNamesHaveTheShapeTheScriptPathsAreBuiltFrom) {
    const std::string windows = host_.WindowsFolder();
    ASSERT_FALSE(windows.empty());
    EXPECT_NE(windows.back(), '\\') << "the candidates add \"\\common.QVC\" themselves";
    EXPECT_FALSE(host_.FileExists(windows)) << "a folder is no script";

    const std::string program = host_.ProgramFolder();
    ASSERT_FALSE(program.empty());
    EXPECT_EQ(program.back(), '\\') << "the candidates append the name directly";
    char self[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    EXPECT_EQ(std::string(self).rfind(program, 0), 0u);
    EXPECT_EQ(std::string(self).find('\\', program.size()), std::string::npos);

    EXPECT_FALSE(host_.UserName().empty());
    EXPECT_FALSE(host_.ComputerName().empty());
}

TEST(ToDateTime, NumbersTheDaysFromMondayToSunday) {
    SYSTEMTIME time{};
    time.wYear = 2024;
    time.wMonth = 2;
    time.wDay = 29;
    time.wHour = 23;
    time.wMinute = 59;
    time.wSecond = 58;
    time.wMilliseconds = 999;
    time.wDayOfWeek = 0; // Sunday
    interp::DateTime converted = ToDateTime(time);
    EXPECT_EQ(converted.dayOfWeek, 7);
    EXPECT_EQ(converted.year, 2024);
    EXPECT_EQ(converted.day, 29);
    EXPECT_EQ(converted.millisecond, 999);
    time.wDayOfWeek = 1;
    EXPECT_EQ(ToDateTime(time).dayOfWeek, 1);
    time.wDayOfWeek = 6;
    EXPECT_EQ(ToDateTime(time).dayOfWeek, 6);
}

TEST_F(Win32HostTest, TerminateHidesTheWindowAndEndsTheLoop) {
    form_.ShowCentred();
    host_.Terminate();
    EXPECT_FALSE(form_.Self().IsVisible());
    EXPECT_TRUE(loop_.QuitRequested());
    MSG message{};
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
}

} // namespace
} // namespace qv::win32
