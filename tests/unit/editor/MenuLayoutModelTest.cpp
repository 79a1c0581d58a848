#include "editor/core/MenuLayoutModel.h"
#include "DocumentFixture.h"

namespace qv::editor::testing {
namespace {

TEST(MenuLayoutModel, ScriptNamesAreMadeFromCaptions) {
    const std::pair<const char*, const char*> cases[] = {
        {"Mail/News", "Mailews.qvs"},
        {"Games", "Games.qvs"},
        {"  Office Tools ", "Office Tools.qvs"},
        {"a\\b/c:d*e?f\"g<h>i|j", "a.qvs"},
        {"What?", "What.qvs"},
    };
    for (const auto& [caption, name] : cases)
        EXPECT_EQ(MenuScriptName(caption), name) << caption;
    EXPECT_EQ(MenuScriptName(std::string(300, 'x')), std::string(255, 'x') + ".qvs");
}

TEST(MenuLayoutModel, BoxesFollowTheirCaptions) {
    MenuLayoutModel model(MenuDialogValues{});
    EXPECT_FALSE(model.ScriptEnabled[0]);
    EXPECT_FALSE(model.SpinEdit1Enabled);
    model.CaptionEnter(2);
    EXPECT_EQ(model.CheckedItem, 2);
    model.CaptionChange(2, "Mail/News");
    EXPECT_TRUE(model.ScriptEnabled[2]);
    model.CaptionExit(2);
    EXPECT_EQ(model.Script[2], "Mailews.qvs");
    model.CaptionChange(2, "Other");
    model.CaptionExit(2);
    EXPECT_EQ(model.Script[2], "Mailews.qvs") << "a script already named stays";
    model.CaptionChange(2, "");
    EXPECT_FALSE(model.ScriptEnabled[2]);
    model.CheckBox1Click(true);
    EXPECT_TRUE(model.SpinEdit1Enabled);
    model.SetSpinEdit1(90);
    EXPECT_EQ(model.SpinEdit1, 60);
    model.SetSpinEdit1(0);
    EXPECT_EQ(model.SpinEdit1, 1);
}

TEST(MenuLayoutModel, ACaptionWithACommaIsRefused) {
    MenuLayoutModel model(MenuDialogValues{});
    model.CaptionChange(0, "Mail, News");
    EXPECT_TRUE(model.Validate());
    model.CaptionChange(0, "Mail and News");
    EXPECT_FALSE(model.Validate());
}

class MenuLayoutDocument : public DocumentFixture {};

TEST_F(MenuLayoutDocument, ExchangesTheMenuWithTheDocument) {
    Load({"MENU START", "MENU ITEM 1 Games,c:\\scripts\\games.qvc", "MENU DEFAULT 10", "LOGOFF",
          "MENU SHOW"});
    MenuLayoutModel model(doc.MenuDialogOpening());
    EXPECT_EQ(model.Edit[0], "Games");
    EXPECT_EQ(model.Script[0], "c:\\scripts\\games.qvs");
    EXPECT_TRUE(model.ScriptEnabled[0]);
    EXPECT_FALSE(model.ScriptEnabled[1]);
    EXPECT_TRUE(model.CheckBox1);
    EXPECT_TRUE(model.SpinEdit1Enabled);
    EXPECT_EQ(model.SpinEdit1, 10);

    // Box 1 stays empty: the item of box 2 moves up. Box 2's script box was never left.
    model.CaptionChange(2, "Work");
    model.CheckBox1Click(false);
    ASSERT_FALSE(model.Validate());
    model.ApplyOk(doc);
    const DocumentState& state = doc.State();
    EXPECT_EQ(state.MenuCaptions, (std::vector<std::string>{"Main", "Games", "Work"}));
    EXPECT_EQ(state.MenuFiles,
              (std::vector<std::string>{ScriptPath, "c:\\scripts\\games.qvs", "Work.qvs"}));
    EXPECT_EQ(state.MenuTimeout, 0);
    EXPECT_TRUE(state.Modified);
    const std::vector<std::string> text = doc.SaveTemp();
    ASSERT_GE(text.size(), 3u);
    EXPECT_EQ(text[2], "MENU ITEM 2 Work," + host.programFolder + "Work.qvc");
}

} // namespace
} // namespace qv::editor::testing
