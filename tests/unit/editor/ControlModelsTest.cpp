#include "DocumentFixture.h"
#include "FakeDialogHost.h"
#include "editor/core/ControlLines.h"
#include "editor/core/EnableDisableModel.h"
#include "editor/core/RowKinds.h"
#include "editor/core/RunScriptModel.h"

namespace qv::editor::testing {
namespace {

using Lines = std::vector<std::string>;

TEST(EnableDisableModel, BuildsAndReadsTheKeyList) {
    struct Case {
        const char* tag;
        bool enable, f5, f8, quit;
        const char* line;
    };
    const Case cases[] = {
        {"F5", true, true, false, false, "ENABLE F5"},
        {"F5 and QUIT", true, true, false, true, "ENABLE F5, QUIT"},
        {"every key", true, true, true, true, "ENABLE F5, F8, QUIT"},
        {"disable F8", false, false, true, false, "DISABLE F8"},
        {"disable quit", false, false, false, true, "DISABLE QUIT"},
        {"F5 and F8", false, true, true, false, "DISABLE F5, F8"},
    };
    for (const Case& c : cases) {
        EnableDisableModel model;
        model.Enable = c.enable;
        model.F5 = c.f5;
        model.F8 = c.f8;
        model.QUIT = c.quit;
        EXPECT_TRUE(model.OkEnabled()) << c.tag;
        EXPECT_EQ(model.BuildLine(), c.line) << c.tag;
        EnableDisableModel read;
        read.FromLine(c.line);
        EXPECT_EQ(read.Enable, c.enable) << c.tag;
        EXPECT_EQ(read.F5, c.f5) << c.tag;
        EXPECT_EQ(read.F8, c.f8) << c.tag;
        EXPECT_EQ(read.QUIT, c.quit) << c.tag;
    }
    EnableDisableModel bare;
    bare.FromLine("DISABLE");
    EXPECT_FALSE(bare.Enable);
    EXPECT_FALSE(bare.OkEnabled()) << "DISABLE alone is no command the interpreter knows";
    bare.FromLine("enable f8");
    EXPECT_TRUE(bare.Enable);
    EXPECT_TRUE(bare.F8);
}

class ControlDocument : public DocumentFixture {};

TEST_F(ControlDocument, EnableDisableEditChangesTheIconAndTitle) {
    Load({"ENABLE F5", "DISABLE F8"});
    Select({1}, 1);
    EnableDisableModel model;
    model.FromLine(doc.Rows()[1].Command);
    EXPECT_FALSE(model.Enable);
    EXPECT_TRUE(model.F8);
    model.Enable = true;
    model.F5 = true;
    model.ApplyOk(doc, DialogUse::Edit);
    EXPECT_EQ(Commands(), (Lines{"ENABLE F5", "ENABLE F5, F8"}));
    EXPECT_EQ(Titles()[1], "Enable F5, F8");
    EXPECT_EQ(host.icons.back(),
              (IconRequest{IconRequest::Kind::BuiltIn, "", static_cast<int>(BuiltInIcon::Enable)}));
    EXPECT_EQ(doc.Rows()[1].Icon, static_cast<int>(host.icons.size()) - 1);
    EXPECT_TRUE(doc.State().Modified);
}

TEST_F(ControlDocument, RunScriptAddsAndEdits) {
    Load({"RUN C:\\Scripts\\Net.qvc"});
    Select({0}, 0);
    RunScriptModel edit;
    edit.FromLine(doc.Rows()[0].Command);
    EXPECT_EQ(edit.FileName, "C:\\Scripts\\Net.qvc");
    edit.FileName = "C:\\Scripts\\MAIL.QVC";
    EXPECT_TRUE(edit.ApplyOk(doc, DialogUse::Edit));
    EXPECT_EQ(Commands(), (Lines{"RUN C:\\Scripts\\MAIL.QVC"}));
    EXPECT_EQ(Titles(), (Lines{"Mail.qvc"}));

    RunScriptModel cancelled;
    EXPECT_FALSE(cancelled.ApplyOk(doc, DialogUse::Add)) << "an empty file name adds nothing";
    EXPECT_EQ(doc.CommandCount(), 1u);
    Select({EndRow()}, EndRow());
    RunScriptModel add;
    add.FileName = "D:\\Other.qvc";
    EXPECT_TRUE(add.ApplyOk(doc, DialogUse::Add));
    EXPECT_EQ(Commands(), (Lines{"RUN C:\\Scripts\\MAIL.QVC", "RUN D:\\Other.qvc"}));
}

TEST_F(ControlDocument, ShowErrorsHasThreeAnswers) {
    const std::pair<PromptAnswer, std::optional<std::string>> cases[] = {
        {PromptAnswer::Yes, "ERROR ON"},
        {PromptAnswer::No, "ERROR OFF"},
        {PromptAnswer::Cancel, std::nullopt},
    };
    for (const auto& [answer, line] : cases)
        EXPECT_EQ(ShowErrorsLine(answer), line);
    Load({"LOGOFF"});
    ApplyShowErrors(doc, PromptAnswer::Cancel);
    EXPECT_EQ(Commands(), (Lines{"LOGOFF"}));
    EXPECT_FALSE(doc.State().Modified) << "Cancel adds nothing";
    Select({EndRow()}, EndRow());
    ApplyShowErrors(doc, PromptAnswer::Yes);
    EXPECT_EQ(Commands(), (Lines{"LOGOFF", "ERROR ON"}));
    EXPECT_EQ(Titles()[1], "Error On");
}

TEST_F(ControlDocument, FixedCommandsAddTheirLines) {
    const std::pair<FixedCommand, const char*> cases[] = {
        {FixedCommand::PromptOn, "PROMPT ON"},     {FixedCommand::PromptOff, "PROMPT OFF"},
        {FixedCommand::PromptMenu, "PROMPT MENU"}, {FixedCommand::Shutdown, "SHUTDOWN"},
        {FixedCommand::LogOff, "LOGOFF"},          {FixedCommand::Restart, "SHUTDOWNRESTART"},
    };
    Lines expected;
    for (const auto& [command, line] : cases) {
        Select({EndRow()}, EndRow());
        AddFixedLine(doc, command);
        expected.push_back(line);
    }
    EXPECT_EQ(Commands(), expected);
}

} // namespace
} // namespace qv::editor::testing
