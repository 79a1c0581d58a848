#include "interpreter/win32/RunLogFile.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>

namespace qv::win32 {
namespace {

std::string TempFolder() {
    char buffer[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, buffer);
    return buffer;
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(RunLogFile, AppendsAndCreatesItsFolder) {
    const std::string folder = TempFolder() + "qv-runlog-" + std::to_string(::GetTickCount());
    const std::string path = folder + "\\Quorvel\\qvrun.log";
    {
        RunLogFile log(path);
        log.Append("one\r\n");
        log.Append("two\r\n");
    }
    RunLogFile(path).Append("three\r\n");
    EXPECT_EQ(ReadAll(path), "one\r\ntwo\r\nthree\r\n");
    ::DeleteFileA(path.c_str());
    ::RemoveDirectoryA((folder + "\\Quorvel").c_str());
    ::RemoveDirectoryA(folder.c_str());
}

TEST(RunLogFile, KeepsTheNewestWholeLinesOnceTooLarge) {
    const std::string path = TempFolder() + "qv-runlog-trim.log";
    ::DeleteFileA(path.c_str());
    RunLogFile log(path);
    const std::string line(99, 'x');
    int written = 0;
    while (static_cast<std::uint64_t>(written) * 101 < RunLogFile::SizeLimit + 50 * 1024)
        log.Append(line.substr(0, 90) + std::to_string(100000 + written++).substr(0, 9) + "\r\n");
    const std::string text = ReadAll(path);
    EXPECT_LE(text.size(), RunLogFile::SizeLimit);
    EXPECT_GE(text.size(), RunLogFile::KeptSize / 2);
    // Whole lines only, and the last one written is there.
    EXPECT_EQ(text.find('x'), 0u);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    EXPECT_NE(text.find(std::to_string(100000 + written - 1).substr(0, 9) + "\r\n"),
              std::string::npos);
    EXPECT_EQ(::GetFileAttributesA((path + ".new").c_str()), INVALID_FILE_ATTRIBUTES);
    ::DeleteFileA(path.c_str());
}

TEST(RunLogFile, AnUnwritablePlaceIsNoError) {
    RunLogFile log("Z:\\no\\such\\place\\qvrun.log");
    log.Append("lost\r\n");
    RunLogFile nowhere("");
    nowhere.Append("lost\r\n");
}

} // namespace
} // namespace qv::win32
