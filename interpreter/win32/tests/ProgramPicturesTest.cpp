#include "interpreter/win32/ProgramPictures.h"

#include <gtest/gtest.h>

namespace qv::win32 {
namespace {

TEST(ProgramPictures, EveryDrawnPictureIsInTheResourcesAtTheSizeOfTheDpi) {
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

} // namespace
} // namespace qv::win32
