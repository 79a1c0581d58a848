#include "editor/core/MapDriveModel.h"
#include "DocumentFixture.h"
#include "FakeDialogHost.h"

namespace qv::editor::testing {
namespace {

class MapDrive : public DocumentFixture {
  protected:
    FakeDialogHost dialogHost;
    void SetUp() override {
        dialogHost.drives = {{'C', "c: system"}, {'X', "x: \\\\server\\share"}};
    }
};

TEST_F(MapDrive, ModesFillTheDriveList) {
    const MapDriveModel connect(MapDriveMode::Connect, dialogHost, dialogHost);
    EXPECT_EQ(connect.Caption(), "Map Network Drive");
    ASSERT_EQ(connect.DriveLet.size(), 23u);
    EXPECT_EQ(connect.DriveLet.front(), "D:");
    EXPECT_EQ(connect.DriveLet[20], "X: \\\\SERVER\\SHARE") << "a drive in use shows itself";
    EXPECT_EQ(connect.DriveLet.back(), "Z:");
    EXPECT_EQ(connect.DriveLetIndex, 0);

    const MapDriveModel capture(MapDriveMode::Capture, dialogHost, dialogHost);
    EXPECT_EQ(capture.Caption(), "Capture Printer Port");
    ASSERT_EQ(capture.DriveLet.size(), 9u);
    EXPECT_EQ(capture.DriveLet.front(), "LPT1");
    EXPECT_EQ(capture.DriveLet.back(), "LPT9");
    EXPECT_EQ(capture.DriveLetIndex, 0);
}

TEST_F(MapDrive, ReadsALineAndWritesItBack) {
    struct Case {
        const char* tag;
        MapDriveMode mode;
        const char* line;
        int index;
        const char* path;
        const char* rebuilt;
        const char* title;
    };
    const Case cases[] = {
        {"connect", MapDriveMode::Connect, "CONNECT {G:} [\\\\srv\\data]", 3, "\\\\SRV\\DATA",
         "CONNECT {G:} [\\\\SRV\\DATA]", "Map Drive G:"},
        {"capture", MapDriveMode::Capture, "CAPTURE {LPT2} [\\\\server\\printer]", 1,
         "\\\\SERVER\\PRINTER", "CAPTURE {LPT2} [\\\\SERVER\\PRINTER]", "Capture LPT2:"},
        {"lower-case drive", MapDriveMode::Connect, "connect {h:} [\\\\a\\b]", 4, "\\\\A\\B",
         "CONNECT {H:} [\\\\A\\B]", "Map Drive H:"},
        {"a drive in use is found by its letter", MapDriveMode::Connect,
         "CONNECT {X:} [\\\\srv\\x]", 20, "\\\\SRV\\X", "CONNECT {X:} [\\\\SRV\\X]",
         "Map Drive X:"},
        {"a line that held the entry's whole text is mended", MapDriveMode::Connect,
         "CONNECT {X: \\\\OLD\\SHARE} [\\\\srv\\x]", 20, "\\\\SRV\\X", "CONNECT {X:} [\\\\SRV\\X]",
         "Map Drive X:"},
        {"a drive the list does not show is kept", MapDriveMode::Connect,
         "CONNECT {A:} [\\\\srv\\a]", -1, "\\\\SRV\\A", "CONNECT {A:} [\\\\SRV\\A]",
         "Map Drive A:"},
    };
    for (const Case& c : cases) {
        Load({c.line, "LOGOFF"});
        Select({0}, 0);
        MapDriveModel model(c.mode, dialogHost, dialogHost);
        model.FromLine(doc.Rows()[0].Command);
        EXPECT_EQ(model.DriveLetIndex, c.index) << c.tag;
        EXPECT_EQ(model.PathLoc, c.path) << c.tag;
        EXPECT_TRUE(model.OkEnabled()) << c.tag;
        model.ApplyOk(doc, DialogUse::Edit);
        EXPECT_EQ(Commands()[0], c.rebuilt) << c.tag;
        EXPECT_EQ(Titles()[0], c.title) << c.tag;
        EXPECT_EQ(doc.Rows()[0].Order, 10) << c.tag << ": the rows were refreshed";
        EXPECT_TRUE(doc.State().Modified) << c.tag;
    }
}

TEST_F(MapDrive, ADriveInUseIsWrittenAsItsLetterAlone) {
    MapDriveModel model(MapDriveMode::Connect, dialogHost, dialogHost);
    model.DriveLetIndex = 20;
    model.PathLoc = "\\\\Server\\Share";
    EXPECT_EQ(model.DriveText(), "X:");
    Select({EndRow()}, EndRow());
    model.ApplyOk(doc, DialogUse::Add);
    EXPECT_EQ(Commands(), (std::vector<std::string>{"CONNECT {X:} [\\\\Server\\Share]"}))
        << "an added path is stored as typed";
    EXPECT_EQ(Titles()[0], "Map Drive X:");
}

TEST_F(MapDrive, OkNeedsADriveAndAPath) {
    MapDriveModel model(MapDriveMode::Connect, dialogHost, dialogHost);
    EXPECT_FALSE(model.OkEnabled());
    model.PathLoc = "  ";
    EXPECT_FALSE(model.OkEnabled());
    model.PathLoc = "\\\\s\\p";
    EXPECT_TRUE(model.OkEnabled());
    model.FromLine("CONNECT {} [\\\\s\\p]");
    EXPECT_FALSE(model.OkEnabled()) << "no drive is chosen";
}

TEST_F(MapDrive, OkAddsANewPathToTheHistory) {
    dialogHost.history = {"\\\\ONE\\A"};
    MapDriveModel model(MapDriveMode::Connect, dialogHost, dialogHost);
    EXPECT_EQ(model.History, (std::vector<std::string>{"\\\\ONE\\A"}));
    model.PathLoc = "\\\\one\\a";
    model.ApplyOk(doc, DialogUse::Add);
    EXPECT_EQ(dialogHost.historySaves, 0) << "the path is already there, in any case";
    model.PathLoc = "\\\\two\\b";
    model.ApplyOk(doc, DialogUse::Add);
    EXPECT_EQ(dialogHost.history, (std::vector<std::string>{"\\\\ONE\\A", "\\\\two\\b"}));
}

} // namespace
} // namespace qv::editor::testing
