#include "common/win32/Icons.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace qv::win32 {
namespace {

TEST(Icons, IconsFromFilesAndTheirAbsence) {
    EXPECT_TRUE(IconFromFile("shell32.dll", 39));
    EXPECT_FALSE(IconFromFile("shell32.dll", 100000));

    char folder[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, folder);
    char name[MAX_PATH] = {};
    ::GetTempFileNameA(folder, "qvi", 0, name);
    FILE* file = std::fopen(name, "wb");
    ASSERT_NE(file, nullptr);
    std::fputs("not an icon source", file);
    std::fclose(file);
    EXPECT_FALSE(IconFromFile(name, 0)) << "the system's 'no icons here' answer is no icon";
    ::DeleteFileA(name);

    EXPECT_TRUE(AssociatedIcon(folder));
}

} // namespace
} // namespace qv::win32
