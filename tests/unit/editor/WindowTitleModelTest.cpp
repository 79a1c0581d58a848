#include "editor/core/WindowTitleModel.h"
#include "DocumentFixture.h"
#include "FakeDialogHost.h"

namespace qv::editor::testing {
namespace {

TEST(WindowTitleModel, CaptionsPickTheCommand) {
    struct Case {
        const char* tag;
        WindowCommand command;
        const char *caption, *help, *line;
    };
    const Case cases[] = {
        {"close", WindowCommand::Close, "Close Program", "Close_Program", "CLOSE Calculator"},
        {"minimize", WindowCommand::Minimize, "Minimize Program", "Minimize_Program",
         "MINIMIZE Calculator"},
        {"wait", WindowCommand::WaitForWindow, "Wait for Window", "Wait_for_Window",
         "WAIT FOR WINDOW Calculator"},
    };
    FakeDialogHost host;
    for (const Case& c : cases) {
        WindowTitleModel model(c.command, host);
        EXPECT_EQ(WindowCommandCaption(c.command), c.caption) << c.tag;
        EXPECT_EQ(WindowCommandHelpTopic(c.command), c.help) << c.tag;
        EXPECT_FALSE(model.OkEnabled()) << c.tag << ": a line without a title is no command";
        model.Edit1 = "Calculator";
        EXPECT_TRUE(model.OkEnabled()) << c.tag;
        EXPECT_EQ(model.BuildLine(), c.line) << c.tag;
        WindowTitleModel again(c.command, host);
        again.FromLine(c.line);
        EXPECT_EQ(again.Edit1, "Calculator") << c.tag;
    }
}

TEST(WindowTitleModel, TheListIsSortedAndFillsTheTitle) {
    FakeDialogHost host;
    host.windows = {"notepad - a.txt", "Calculator", "Program Manager"};
    WindowTitleModel model(WindowCommand::Close, host);
    EXPECT_EQ(model.ListBox1,
              (std::vector<std::string>{"Calculator", "notepad - a.txt", "Program Manager"}));
    model.ListBox1Click(1);
    EXPECT_EQ(model.Edit1, "notepad - a.txt");
    model.ListBox1Click(7);
    EXPECT_EQ(model.Edit1, "notepad - a.txt");
    host.windows.push_back("Another");
    model.RefreshClick();
    EXPECT_EQ(model.ListBox1.front(), "Another");
}

TEST(WindowTitleModel, EditWaitChoosesTheWindowDialogForWaitForWindow) {
    EXPECT_TRUE(IsWaitForWindowLine("WAIT FOR WINDOW Calculator"));
    EXPECT_TRUE(IsWaitForWindowLine("WAIT for window Calculator"));
    EXPECT_FALSE(IsWaitForWindowLine("WAIT FOR LOAD 5"));
    EXPECT_FALSE(IsWaitForWindowLine("WAIT 5"));
}

class WindowTitleDocument : public DocumentFixture {
  protected:
    FakeDialogHost dialogHost;
};

TEST_F(WindowTitleDocument, EditWritesTheEditPathsTitles) {
    struct Case {
        const char* tag;
        WindowCommand command;
        const char *line, *title;
    };
    const Case cases[] = {
        {"close", WindowCommand::Close, "CLOSE Untitled - Notepad", "CLose Untitled - Notepad"},
        {"minimize", WindowCommand::Minimize, "MINIMIZE Mail", "Minimize Mail"},
        {"wait", WindowCommand::WaitForWindow, "WAIT FOR WINDOW Calculator",
         "Wait For Window Calculator"},
    };
    for (const Case& c : cases) {
        Load({"LOGOFF", c.line});
        Select({1}, 1);
        WindowTitleModel model(c.command, dialogHost);
        model.FromLine(doc.Rows()[1].Command);
        model.ApplyOk(doc, DialogUse::Edit);
        EXPECT_EQ(Commands()[1], c.line) << c.tag;
        EXPECT_EQ(Titles()[1], c.title) << c.tag;
        EXPECT_EQ(doc.Rows()[1].Order, 20) << c.tag << ": the rows were refreshed";
    }
}

} // namespace
} // namespace qv::editor::testing
