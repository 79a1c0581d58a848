#include "interpreter/logic/CtlDesktop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qv::logic {
namespace {

TEST(DesktopLine, APathIsUpperCasedAndShown) {
    const DesktopRequest request = ReadDesktopLine("DESKTOP c:\\windows\\clouds.bmp", "C:\\WIN");
    EXPECT_FALSE(request.random);
    EXPECT_EQ(request.path, "C:\\WINDOWS\\CLOUDS.BMP");
    EXPECT_EQ(request.statusText,
              "Setting Preferred Desktop Background...\rC:\\WINDOWS\\CLOUDS.BMP");
}

TEST(DesktopLine, RandomFolderComesFromTheTextAfterTheBraceOnlyWithAColon) {
    struct Case {
        const char* line;
        const char* folder;
    };
    const Case cases[] = {
        {"DESKTOP {RANDOM}", "C:\\WINDOWS"},
        {"desktop {random}", "C:\\WINDOWS"},
        {"DESKTOP {RANDOM}d:\\pics", "D:\\PICS"},
        {"DESKTOP {RANDOM} D:\\Pics ", "D:\\PICS"},
        // Without ":" the text names no folder.
        {"DESKTOP {RANDOM}PICS", "C:\\WINDOWS"},
        // A colon before the brace leaves nothing after it.
        {"DESKTOP C:{RANDOM}", "C:\\WINDOWS"},
    };
    for (const Case& c : cases) {
        const DesktopRequest request = ReadDesktopLine(c.line, "C:\\WINDOWS");
        EXPECT_TRUE(request.random) << c.line;
        EXPECT_EQ(request.folder, c.folder) << c.line;
        EXPECT_EQ(request.statusText,
                  "Setting Preferred Desktop Background...\rRandom Selection...")
            << c.line;
    }
}

TEST(RandomWallpaper, ChoosesOnlyAmongBitmapsWithTheDrawnIndex) {
    const std::vector<std::string> names = {"readme.txt", "Clouds.bmp", "setup.bmp.exe",
                                            "TILE.BMP",   "bmp",        "Forest.Bmp"};
    const char* expected[] = {"C:\\PICS\\Clouds.bmp", "C:\\PICS\\TILE.BMP", "C:\\PICS\\Forest.Bmp"};
    for (int drawn = 0; drawn < 3; ++drawn) {
        int seenCount = 0;
        const std::optional<std::string> path =
            ChooseRandomWallpaper("C:\\PICS", names, [&](int count) {
                seenCount = count;
                return drawn;
            });
        EXPECT_EQ(seenCount, 3);
        EXPECT_EQ(path, expected[drawn]);
    }
}

TEST(RandomWallpaper, OneBitmapIsAlwaysTaken) {
    for (int drawn : {0, 1, 7, -1}) {
        EXPECT_EQ(ChooseRandomWallpaper("C:\\WINDOWS", {"only.bmp"}, [&](int) { return drawn; }),
                  "C:\\WINDOWS\\only.bmp");
    }
}

TEST(RandomWallpaper, AFolderWithoutBitmapsChangesNothing) {
    bool drawn = false;
    auto random = [&](int) {
        drawn = true;
        return 0;
    };
    EXPECT_EQ(ChooseRandomWallpaper("C:\\PICS", {}, random), std::nullopt);
    EXPECT_EQ(ChooseRandomWallpaper("C:\\PICS", {"a.jpg", "b.bmpx"}, random), std::nullopt);
    EXPECT_FALSE(drawn);
}

TEST(RandomWallpaper, ARootFolderGetsNoSecondBackslash) {
    EXPECT_EQ(ChooseRandomWallpaper("D:\\", {"a.bmp"}, nullptr), "D:\\a.bmp");
}

TEST(RandomWallpaper, StatusTextEndsWithTheChosenName) {
    EXPECT_EQ(RandomChoiceStatusText("Clouds.bmp"),
              "Setting Preferred Desktop Background...\rRandom Selection...Clouds.bmp");
}

} // namespace
} // namespace qv::logic
