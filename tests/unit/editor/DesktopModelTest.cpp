#include "editor/core/DesktopModel.h"
#include "DocumentFixture.h"
#include "FakeDialogHost.h"

namespace qv::editor::testing {
namespace {

TEST(DesktopModel, ReadsALineAndWritesItBack) {
    struct Case {
        const char* tag;
        const char* line;
        const char* edit1;
        bool other, randomHere, radio1Enabled;
        const char* rebuilt; // nullptr: the line itself
    };
    const Case cases[] = {
        {"a bitmap", "DESKTOP c:\\windows\\clouds.bmp", "c:\\windows\\clouds.bmp", false, true,
         false, nullptr},
        {"a bitmap in capitals is stored in lower case", "DESKTOP C:\\W\\SUN.BMP", "C:\\W\\SUN.BMP",
         false, true, false, "DESKTOP c:\\w\\sun.bmp"},
        {"random in the Windows folder", "DESKTOP {RANDOM}", "", true, false, false, nullptr},
        {"random in a folder", "DESKTOP {RANDOM}c:\\walls\\", "c:\\walls\\", true, true, true,
         nullptr},
        {"random in lower case", "desktop {random}C:\\Walls\\", "C:\\Walls\\", true, true, true,
         "DESKTOP {RANDOM}c:\\walls\\"},
    };
    FakeDialogHost host;
    for (const Case& c : cases) {
        DesktopModel model(host, host);
        model.FromLine(c.line);
        EXPECT_EQ(model.Edit1, c.edit1) << c.tag;
        EXPECT_EQ(model.CheckBox1, c.other) << c.tag;
        if (c.other) {
            EXPECT_EQ(model.RandomHere, c.randomHere) << c.tag;
            EXPECT_EQ(model.RadioButton1Enabled, c.radio1Enabled) << c.tag;
            EXPECT_TRUE(model.RadioButton2Enabled) << c.tag;
        }
        EXPECT_TRUE(model.OkEnabled()) << c.tag;
        EXPECT_EQ(model.BuildLine(), c.rebuilt ? c.rebuilt : c.line) << c.tag;
    }
}

TEST(DesktopModel, OtherOptionsChooseTheArgument) {
    FakeDialogHost host;
    host.files = {"C:\\WALLS\\SEA.BMP"};
    DesktopModel model(host, host);
    EXPECT_FALSE(model.Button1Enabled);
    EXPECT_FALSE(model.OkEnabled()) << "DESKTOP alone is no command";
    model.CheckBox1Click(true);
    EXPECT_FALSE(model.RandomHere) << "no file: the Windows folder";
    EXPECT_FALSE(model.RadioButton1Enabled);
    EXPECT_EQ(model.BuildLine(), "DESKTOP {RANDOM}");
    model.CheckBox1Click(false);
    EXPECT_FALSE(model.RadioButton1Enabled);
    EXPECT_FALSE(model.RadioButton2Enabled);

    model.RadioButton2Click();
    model.Edit1Change("C:\\Walls\\Sea.bmp");
    EXPECT_TRUE(model.Button1Enabled);
    EXPECT_EQ(model.Preview, "C:\\Walls\\Sea.bmp");
    EXPECT_TRUE(model.RandomHere) << "an existing file chooses Random in this Directory";
    EXPECT_EQ(model.BuildLine(), "DESKTOP c:\\walls\\sea.bmp");
    model.CheckBox1Click(true);
    EXPECT_TRUE(model.RadioButton1Enabled);
    EXPECT_EQ(model.BuildLine(), "DESKTOP {RANDOM}c:\\walls\\");
    model.RadioButton2Click();
    EXPECT_EQ(model.BuildLine(), "DESKTOP {RANDOM}");

    model.Edit1Change("C:\\Missing.bmp");
    EXPECT_EQ(model.Preview, "C:\\Walls\\Sea.bmp") << "a missing file changes no preview";
}

TEST(DesktopModel, ATriedWallpaperNeverOutlastsTheDialog) {
    FakeDialogHost host;
    {
        DesktopModel model(host, host);
        model.Edit1Change("C:\\Sea.bmp");
        model.Button1Click();
        EXPECT_EQ(host.shown, "C:\\Sea.bmp");
        EXPECT_EQ(model.Button1Caption, "&Return");
        model.Button1Click();
        EXPECT_EQ(host.shown, "C:\\WINDOWS\\clouds.bmp");
        EXPECT_EQ(model.Button1Caption, "&Try");
        model.Button1Click();
        model.FormClose();
        EXPECT_EQ(host.shown, "C:\\WINDOWS\\clouds.bmp") << "Cancel after Try";
        EXPECT_EQ(model.Button1Caption, "&Try");
        model.Button1Click();
    }
    EXPECT_EQ(host.shown, "C:\\WINDOWS\\clouds.bmp") << "a dialog that ends however it ends";
    EXPECT_EQ(host.wallpaper, "C:\\WINDOWS\\clouds.bmp") << "the stored setting is never written";
}

class DesktopDocument : public DocumentFixture {
  protected:
    FakeDialogHost dialogHost;
};

TEST_F(DesktopDocument, EditKeepsTheTitle) {
    Load({"DESKTOP c:\\a.bmp"});
    Select({0}, 0);
    DesktopModel model(dialogHost, dialogHost);
    model.FromLine(doc.Rows()[0].Command);
    model.CheckBox1Click(true);
    model.ApplyOk(doc, DialogUse::Edit);
    EXPECT_EQ(Commands(), (std::vector<std::string>{"DESKTOP {RANDOM}c:\\"}));
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Change Desktop"}));
    EXPECT_TRUE(doc.State().Modified);
}

} // namespace
} // namespace qv::editor::testing
