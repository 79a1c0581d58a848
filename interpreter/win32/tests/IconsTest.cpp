#include "interpreter/win32/Icons.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace qv::win32 {
namespace {

TEST(Icons, EveryDrawnPictureIsInTheResourcesAtTheSizeOfTheDpi) {
    for (int dpi : {96, 144}) {
        ProgramPictures pictures;
        pictures.Load(dpi);
        EXPECT_EQ(pictures.Size(), dpi / 3);
        EXPECT_NE(pictures.Program(), nullptr);
        for (int frame = 0; frame < ProgramPictures::ClockFrames; ++frame) {
            EXPECT_NE(pictures.Clock(frame), nullptr) << frame;
        }
        EXPECT_NE(pictures.Network(0), nullptr);
        EXPECT_NE(pictures.Network(2), nullptr);
        EXPECT_NE(pictures.Network(0), pictures.Network(2));
        EXPECT_EQ(pictures.Clock(42), pictures.Clock(8)) << "frames are clamped";
        ICONINFO info{};
        ASSERT_TRUE(::GetIconInfo(pictures.Program(), &info));
        BITMAP bitmap{};
        ::GetObjectA(info.hbmColor, sizeof(bitmap), &bitmap);
        EXPECT_EQ(bitmap.bmWidth, dpi / 3);
        ::DeleteObject(info.hbmColor);
        ::DeleteObject(info.hbmMask);
    }
}

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
