#include "editor/core/RunProgramModel.h"
#include "DocumentFixture.h"
#include "FakeDialogHost.h"

namespace qv::editor::testing {
namespace {

using State = WindowStateChoice;

TEST(RunProgramModel, BuildsTheAddAndEditLines) {
    struct Case {
        const char* tag;
        std::string file, arguments;
        State state;
        bool runOnce, only;
        std::array<bool, 7> days;
        bool between;
        const char *b1, *b2;
        bool wait;
        const char* edited;
        const char* added;
    };
    const std::array<bool, 7> monFri{true, false, false, false, true, false, false};
    const std::array<bool, 7> none{};
    const Case cases[] = {
        {"every token", "C:\\Apps\\Mail.exe", "-q", State::Minimized, true, true, monFri, true,
         "0800", "1230", false, "LOAD C:\\Apps\\Mail.exe {-q} [min] <R15> (08001230)",
         "LOAD C:\\Apps\\Mail.exe {-q} [min]<R15> (08001230)"},
        {"only the file", "C:\\Apps\\Mail.exe", "", State::Normal, false, false, none, false, "",
         "", false, "LOAD C:\\Apps\\Mail.exe", "LOAD C:\\Apps\\Mail.exe"},
        {"run and wait hidden", "C:\\Tools\\Sync.exe", "", State::Hide, false, false, none, false,
         "", "", true, "LOAD AND WAIT C:\\Tools\\Sync.exe [hide]",
         "LOAD AND WAIT C:\\Tools\\Sync.exe [hide]"},
        {"state then conditions", "a.exe", "", State::Maximize, true, false, none, false, "", "",
         false, "LOAD a.exe [max] <R>", "LOAD a.exe [max]<R>"},
        {"only with no day writes no conditions", "a.exe", "", State::Normal, false, true, none,
         false, "", "", false, "LOAD a.exe", "LOAD a.exe"},
        {"days only count while Only is checked", "a.exe", "", State::Normal, false, false, monFri,
         false, "", "", false, "LOAD a.exe", "LOAD a.exe"},
        {"an empty time box writes no window", "a.exe", "", State::Normal, false, false, none, true,
         "", "1200", false, "LOAD a.exe", "LOAD a.exe"},
    };
    FakeDialogHost host;
    for (const Case& c : cases) {
        RunProgramModel model(host);
        model.Edit1Change(c.file);
        model.Edit2 = c.arguments;
        model.WindowState = c.state;
        model.RunOnce = c.runOnce;
        model.OnlyClick(c.only);
        model.Days = c.days;
        model.BetweenClick(c.between);
        model.B1 = c.b1;
        model.B2 = c.b2;
        model.RunandWait = c.wait;
        EXPECT_EQ(model.BuildLine(DialogUse::Edit), c.edited) << c.tag;
        EXPECT_EQ(model.BuildLine(DialogUse::Add), c.added) << c.tag;
    }
}

TEST(RunProgramModel, ReadsALineAndWritesItBack) {
    struct Case {
        const char* tag;
        const char* line;
        const char* file;
        const char* arguments;
        State state;
        bool runOnce, only;
        const char* days; // the checked week-day digits
        bool between;
        const char *b1, *b2;
        bool wait;
        const char* rebuilt; // edit variant; nullptr: the line itself
    };
    const Case cases[] = {
        {"every token", "LOAD C:\\Apps\\Mail.exe {-q} [min] <R15> (08001230)", "C:\\Apps\\Mail.exe",
         "-q", State::Minimized, true, true, "15", true, "0800", "1230", false, nullptr},
        {"load and wait", "LOAD AND WAIT C:\\A.EXE", "C:\\A.EXE", "", State::Normal, false, false,
         "", false, "1200", "1200", true, nullptr},
        {"hide keeps its trailing blank inside the line", "LOAD C:\\A.EXE [hide] <R>", "C:\\A.EXE",
         "", State::Hide, true, false, "", false, "1200", "1200", false, nullptr},
        {"run once alone leaves Only unchecked", "LOAD x.exe <R>", "x.exe", "", State::Normal, true,
         false, "", false, "1200", "1200", false, nullptr},
        {"a bracket in the path that is no group",
         "LOAD C:\\Program Files (x86)\\App\\App.exe {-x}", "C:\\Program Files (x86)\\App\\App.exe",
         "-x", State::Normal, false, false, "", false, "1200", "1200", false, nullptr},
        {"a square bracket in the path", "LOAD C:\\Data [old]\\Report.doc [max]",
         "C:\\Data [old]\\Report.doc", "", State::Maximize, false, false, "", false, "1200", "1200",
         false, nullptr},
        {"lower case words and marks", "load and wait c:\\a.exe [MAX] <r37>", "c:\\a.exe", "",
         State::Maximize, true, true, "37", false, "1200", "1200", true,
         "LOAD AND WAIT c:\\a.exe [max] <R37>"},
        {"an unknown state is normal", "LOAD a.exe {x y} (09001700)", "a.exe", "x y", State::Normal,
         false, false, "", true, "0900", "1700", false, nullptr},
        {"a quoted path stays quoted", "LOAD \"C:\\A [1].EXE\" {p}", "C:\\A [1].EXE", "p",
         State::Normal, false, false, "", false, "1200", "1200", false, nullptr},
    };
    FakeDialogHost host;
    for (const Case& c : cases) {
        RunProgramModel model(host);
        model.FromLine(c.line);
        EXPECT_EQ(model.Edit1, c.file) << c.tag;
        EXPECT_EQ(model.Edit2, c.arguments) << c.tag;
        EXPECT_EQ(model.WindowState, c.state) << c.tag;
        EXPECT_EQ(model.RunOnce, c.runOnce) << c.tag;
        EXPECT_EQ(model.Only, c.only) << c.tag;
        EXPECT_EQ(model.DaysEnabled, c.only) << c.tag;
        std::string days;
        for (std::size_t i = 0; i < model.Days.size(); ++i)
            if (model.Days[i])
                days += static_cast<char>('1' + i);
        EXPECT_EQ(days, c.days) << c.tag;
        EXPECT_EQ(model.Between, c.between) << c.tag;
        EXPECT_EQ(model.TimesEnabled, c.between) << c.tag;
        EXPECT_EQ(model.B1, c.b1) << c.tag;
        EXPECT_EQ(model.B2, c.b2) << c.tag;
        EXPECT_EQ(model.RunandWait, c.wait) << c.tag;
        EXPECT_TRUE(model.Button1Enabled) << c.tag;
        const std::string rebuilt = model.BuildLine(DialogUse::Edit);
        EXPECT_EQ(rebuilt, c.rebuilt ? c.rebuilt : c.line) << c.tag;
        // The next edit reads the same dialog back.
        RunProgramModel again(host);
        again.FromLine(rebuilt);
        EXPECT_EQ(again.Edit1, model.Edit1) << c.tag;
        EXPECT_EQ(again.BuildLine(DialogUse::Edit), rebuilt) << c.tag;
    }
}

TEST(RunProgramModel, OkChecksAndOrdersTheTimeWindow) {
    struct Case {
        const char* tag;
        const char *b1, *b2;
        bool invalid;
        const char *afterB1, *afterB2;
    };
    const Case cases[] = {
        {"in order", "0800", "1700", false, "0800", "1700"},
        {"end before start is exchanged", "1700", "0800", false, "0800", "1700"},
        {"equal times", "1200", "1200", false, "1200", "1200"},
        {"the optional first digit", "800", "1230", false, "0800", "1230"},
        {"hour 24", "2400", "0100", true, "2400", "0100"},
        {"minute 60", "0860", "0900", true, "0860", "0900"},
        {"an empty box", "", "0900", true, "", "0900"},
        {"letters", "12ab", "1300", true, "12ab", "1300"},
    };
    FakeDialogHost host;
    for (const Case& c : cases) {
        RunProgramModel model(host);
        model.Edit1Change("a.exe");
        model.BetweenClick(true);
        model.B1 = c.b1;
        model.B2 = c.b2;
        const std::optional<std::string_view> message = model.Button1Click();
        EXPECT_EQ(message.has_value(), c.invalid) << c.tag;
        if (message) {
            EXPECT_EQ(*message, "Invalid Time") << c.tag;
        }
        EXPECT_EQ(model.B1, c.afterB1) << c.tag;
        EXPECT_EQ(model.B2, c.afterB2) << c.tag;
    }
    RunProgramModel unchecked(host);
    unchecked.B1 = "9999";
    EXPECT_FALSE(unchecked.Button1Click()) << "the boxes are not read while Between is off";
}

TEST(RunProgramModel, EnablesOkAndTheirBoxes) {
    FakeDialogHost host;
    RunProgramModel model(host);
    EXPECT_FALSE(model.Button1Enabled);
    EXPECT_FALSE(model.ConvertLEnabled);
    EXPECT_FALSE(model.TimesEnabled);
    EXPECT_FALSE(model.DaysEnabled);
    EXPECT_EQ(model.B1, "1200");
    model.Edit1Change("x");
    EXPECT_TRUE(model.Button1Enabled);
    model.Edit1Change("");
    EXPECT_FALSE(model.Button1Enabled);
    model.BetweenClick(true);
    model.OnlyClick(true);
    EXPECT_TRUE(model.TimesEnabled);
    EXPECT_TRUE(model.DaysEnabled);
    model.BetweenClick(false);
    model.OnlyClick(false);
    EXPECT_FALSE(model.TimesEnabled);
    EXPECT_FALSE(model.DaysEnabled);
}

class RunProgramShortcut : public ::testing::Test {
  protected:
    FakeDialogHost host;
    RunProgramModel model{host};
    void SetUp() override {
        host.links["C:\\LINKS\\MAIL.LNK"] = {"C:\\Apps\\Mail.exe", "-q -x", 7};
        model.Edit1Change("C:\\Links\\Mail.lnk");
        model.Edit2 = "typed";
        model.FormActivate();
    }
};

TEST_F(RunProgramShortcut, ConvertsAndPutsTheShortcutBack) {
    EXPECT_TRUE(model.ConvertLEnabled);
    EXPECT_EQ(model.OldLink, "C:\\Links\\Mail.lnk");
    ASSERT_TRUE(model.ConvertLClick(true));
    EXPECT_TRUE(model.ConvertL);
    EXPECT_EQ(model.Edit1, "C:\\Apps\\Mail.exe");
    EXPECT_EQ(model.Edit2, "-q -x");
    EXPECT_EQ(model.WindowState, State::Minimized);
    EXPECT_EQ(model.OldLink, "C:\\Links\\Mail.lnk") << "kept while converted";
    model.ConvertLClick(false);
    EXPECT_EQ(model.Edit1, "C:\\Links\\Mail.lnk");
    EXPECT_EQ(model.Edit2, "typed");
    EXPECT_TRUE(model.ConvertLEnabled);
}

TEST_F(RunProgramShortcut, ShowCommandsChooseTheState) {
    const std::pair<int, State> cases[] = {
        {1, State::Normal}, {3, State::Maximize}, {7, State::Minimized}, {5, State::Hide}};
    for (const auto& [show, state] : cases) {
        host.links["C:\\LINKS\\MAIL.LNK"].showCommand = show;
        model.WindowState = State::Hide;
        model.ConvertLClick(true);
        EXPECT_EQ(model.WindowState, state) << show;
        model.ConvertLClick(false);
    }
}

TEST_F(RunProgramShortcut, RunAndWaitConvertsAtOnce) {
    model.RunandWaitClick(true);
    EXPECT_TRUE(model.ConvertL);
    EXPECT_EQ(model.Edit1, "C:\\Apps\\Mail.exe");
    EXPECT_EQ(model.BuildLine(DialogUse::Add), "LOAD AND WAIT C:\\Apps\\Mail.exe {-q -x} [min]");
}

TEST_F(RunProgramShortcut, AnUnreadableShortcutStaysAsItIs) {
    host.links.clear();
    EXPECT_FALSE(model.ConvertLClick(true));
    EXPECT_FALSE(model.ConvertL);
    EXPECT_EQ(model.Edit1, "C:\\Links\\Mail.lnk");
    EXPECT_EQ(model.Edit2, "typed");
}

TEST_F(RunProgramShortcut, TheBrowseDialogTakesANewShortcutEvenWhileConverted) {
    model.ConvertLClick(true);
    model.Edit1AfterDialog("D:\\Other.lnk");
    EXPECT_EQ(model.OldLink, "D:\\Other.lnk");
    EXPECT_TRUE(model.ConvertLEnabled);
    model.Edit1Change("D:\\typed.exe");
    EXPECT_EQ(model.OldLink, "D:\\Other.lnk") << "typing while converted keeps the shortcut";
}

class RunProgramDocument : public DocumentFixture {
  protected:
    FakeDialogHost dialogHost;
};

TEST_F(RunProgramDocument, AddInsertsAboveTheFocusedRow) {
    Load({"LOGOFF"});
    Select({0}, 0);
    RunProgramModel model(dialogHost);
    model.Edit1Change("C:\\WINDOWS\\NOTEPAD.EXE");
    model.WindowState = State::Maximize;
    model.ApplyOk(doc, DialogUse::Add);
    EXPECT_EQ(Commands(),
              (std::vector<std::string>{"LOAD C:\\WINDOWS\\NOTEPAD.EXE [max]", "LOGOFF"}));
    EXPECT_EQ(Titles()[0], "Notepad.exe");
    EXPECT_TRUE(doc.State().Modified);
}

TEST_F(RunProgramDocument, EditRewritesTheRowAndItsIconWhenTheFileChanged) {
    host.AddFile("C:\\B.EXE", "");
    Load({"LOAD C:\\A.EXE [hide]", "LOGOFF"});
    Select({0}, 0);
    const std::size_t iconsBefore = host.icons.size();
    RunProgramModel same(dialogHost);
    same.FromLine(doc.Rows()[0].Command);
    same.Edit1Change("c:\\a.exe");
    same.ApplyOk(doc, DialogUse::Edit);
    EXPECT_EQ(Commands()[0], "LOAD c:\\a.exe [hide]");
    EXPECT_EQ(host.icons.size(), iconsBefore) << "the same file in other case keeps its icon";

    RunProgramModel other(dialogHost);
    other.FromLine(doc.Rows()[0].Command);
    other.Edit1Change("C:\\B.EXE");
    other.ApplyOk(doc, DialogUse::Edit);
    EXPECT_EQ(Commands()[0], "LOAD C:\\B.EXE [hide]");
    EXPECT_EQ(Titles()[0], "B.exe");
    ASSERT_EQ(host.icons.size(), iconsBefore + 1);
    EXPECT_EQ(host.icons.back(), (IconRequest{IconRequest::Kind::Associated, "C:\\B.EXE", 0}));
    EXPECT_EQ(doc.Rows()[0].Icon, static_cast<int>(iconsBefore));
    EXPECT_TRUE(doc.State().Modified);
}

} // namespace
} // namespace qv::editor::testing
