#include "editor/core/SendKeysModel.h"
#include "DocumentFixture.h"
#include "FakeDialogHost.h"

namespace qv::editor::testing {
namespace {

TEST(SendKeysModel, ReadsALineAndWritesItBack) {
    struct Case {
        const char* tag;
        const char* line;
        const char *title, *keys;
    };
    const Case cases[] = {
        {"quoted title with blanks", "SENDKEYS \"Untitled - Notepad\",\"Hello{ENTER}\"",
         "Untitled - Notepad", "Hello{ENTER}"},
        {"a quote in the keys", "SENDKEYS \"Calc\",\"say \"\"hi\"\"\"", "Calc", "say \"hi\""},
        {"a comma in the title", "SENDKEYS \"A, B\",\"x\"", "A, B", "x"},
    };
    FakeDialogHost host;
    for (const Case& c : cases) {
        SendKeysModel model(host);
        model.FromLine(c.line);
        EXPECT_EQ(model.Listbox1, c.title) << c.tag;
        EXPECT_EQ(model.Memo1, c.keys) << c.tag;
        EXPECT_FALSE(model.Button1Click()) << c.tag;
        EXPECT_EQ(model.BuildLine(), c.line) << c.tag;
    }
    SendKeysModel unquoted(host);
    unquoted.FromLine("SENDKEYS Calculator, 12+3~");
    EXPECT_EQ(unquoted.Listbox1, "Calculator");
    EXPECT_EQ(unquoted.Memo1, "12+3~");
}

TEST(SendKeysModel, KeysTypedOnThreeLinesAreOneString) {
    FakeDialogHost host;
    SendKeysModel model(host);
    model.Listbox1 = "Untitled - Notepad";
    model.Memo1 = "Hello\r\nWorld\r\n{ENTER}";
    EXPECT_FALSE(model.Button1Click());
    EXPECT_EQ(model.Edit1, "HelloWorld{ENTER}");
    EXPECT_EQ(model.BuildLine(), "SENDKEYS \"Untitled - Notepad\",\"HelloWorld{ENTER}\"");
}

TEST(SendKeysModel, KeysTheInterpreterCannotSendAreRefused) {
    FakeDialogHost host;
    SendKeysModel model(host);
    model.Listbox1 = "Calc";
    model.Memo1 = "{NOSUCHKEY}";
    EXPECT_TRUE(model.Button1Click());
    model.Memo1 = std::string(300, 'a');
    const std::optional<std::string> tooLong = model.Button1Click();
    ASSERT_TRUE(tooLong);
    EXPECT_EQ(*tooLong, "The keys are longer than 255 characters: the rest would not be sent.");
}

TEST(SendKeysModel, TheFocusGoesToTheKeysOnceThereIsATitle) {
    FakeDialogHost host;
    host.windows = {"Calculator"};
    SendKeysModel model(host);
    EXPECT_EQ(model.Listbox1Items, host.windows);
    EXPECT_EQ(model.FormActivate(), SendKeysModel::Focus::Title);
    model.Listbox1 = "Calculator";
    EXPECT_EQ(model.FormActivate(), SendKeysModel::Focus::Keys);
}

class SendKeysDocument : public DocumentFixture {
  protected:
    FakeDialogHost dialogHost;
};

TEST_F(SendKeysDocument, EditTitlesTheRowSendkeys) {
    Load({"SENDKEYS \"Calc\",\"1\""});
    Select({0}, 0);
    SendKeysModel model(dialogHost);
    model.FromLine(doc.Rows()[0].Command);
    model.Memo1 = "2";
    ASSERT_FALSE(model.Button1Click());
    model.ApplyOk(doc, DialogUse::Edit);
    EXPECT_EQ(Commands(), (std::vector<std::string>{"SENDKEYS \"Calc\",\"2\""}));
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Sendkeys"}));
    EXPECT_TRUE(doc.State().Modified);
}

} // namespace
} // namespace qv::editor::testing
