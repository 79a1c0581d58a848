#include "DocumentFixture.h"

namespace qv::editor::testing {
namespace {

using Lines = std::vector<std::string>;

class DocumentLoad : public DocumentFixture {};

TEST_F(DocumentLoad, RowsAreNumberedInFileOrderAndEndWithTheEndRow) {
    Load({"WAIT 5", "LOAD C:\\A.EXE"});
    EXPECT_EQ(Titles(), (Lines{"Wait 5 sec(s)", "A.exe"}));
    EXPECT_EQ(Orders(), (std::vector<int>{0, 10, 20}));
    const ScriptRow& end = doc.Rows().back();
    EXPECT_EQ(end.Title, "");
    EXPECT_EQ(end.Command, "");
    EXPECT_EQ(end.Icon, -1);
    EXPECT_FALSE(doc.State().Modified);
    EXPECT_EQ(doc.State().LoadedFile, ScriptPath);
    EXPECT_EQ(host.scriptText, (Lines{"WAIT 5", "LOAD C:\\A.EXE"}));

    doc.AddLine("DEL C:\\X.TMP");
    EXPECT_EQ(Commands(), (Lines{"WAIT FOR LOAD 5", "LOAD C:\\A.EXE", "DEL C:\\X.TMP"}));
    EXPECT_EQ(Titles()[0], "Wait For Load 5 sec(s)");
}

TEST_F(DocumentLoad, EachRowAppendsItsOwnPicture) {
    host.AddFile("C:\\Apps\\Mail.exe", "");
    host.AddFolder("C:\\Data");
    host.AddFile("C:\\Icons\\set.dll", "");
    host.AddFile("C:\\Apps\\Notes.exe", "");
    host.shortcuts[FakeDocumentHost::Key("C:\\Links\\Mail.lnk")] = {"C:\\Apps\\Mail.exe",
                                                                    "C:\\Icons\\set.dll", 4};
    host.shortcuts[FakeDocumentHost::Key("C:\\Links\\Notes.LNK")] = {"C:\\Apps\\Notes.exe", "", 2};
    host.shortcuts[FakeDocumentHost::Key("C:\\Links\\Gone.lnk")] = {"C:\\Gone\\x.exe", "", 0};
    using K = IconRequest::Kind;
    const IconRequest missing{K::Library, "shell32.dll", 39};
    struct Case {
        const char* line;
        IconRequest icon;
    };
    const Case cases[] = {
        {"COPY a>b", {K::BuiltIn, "", 4}},
        {"nonsense", {K::BuiltIn, "", 7}},
        {"LOAD C:\\Apps\\Mail.exe {-q}", {K::Associated, "C:\\Apps\\Mail.exe", 0}},
        {"LOAD C:\\Data", {K::Associated, "C:\\Data", 0}},
        {"LOAD C:\\Missing.exe", missing},
        {"LOAD C:\\Links\\Mail.lnk", {K::Associated, "C:\\Icons\\set.dll", 4}},
        {"LOAD C:\\Links\\Notes.LNK [min]", {K::Associated, "C:\\Apps\\Notes.exe", 2}},
        {"LOAD C:\\Links\\Gone.lnk", missing},
        {"LOAD C:\\Links\\Unreadable.lnk", missing},
    };
    Lines lines;
    for (const Case& c : cases)
        lines.push_back(c.line);
    Load(lines);
    ASSERT_EQ(host.icons.size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(host.icons[i], cases[i].icon) << cases[i].line;
        EXPECT_EQ(doc.Rows()[i].Icon, static_cast<int>(i)) << cases[i].line;
    }
    const int clears = host.iconClears;
    doc.UndoChanges();
    EXPECT_EQ(host.iconClears, clears + 1);
    EXPECT_EQ(host.icons.size(), std::size(cases));
}

TEST_F(DocumentLoad, LinesThatMakeNoRowOrKeepTheirText) {
    Load({"", "SWITCHES : 1", "LASTDRIVE.BAT", "  padded  ", "FOO BAR"});
    EXPECT_EQ(Commands(), (Lines{"", "LASTDRIVE.BAT", "padded", "FOO BAR"}));
    EXPECT_EQ(Titles(), (Lines{"Unknown", "Unknown", "Unknown", "Unknown"}));
    EXPECT_EQ(Orders(), (std::vector<int>{0, 10, 20, 30, 40}));
    doc.AddLine("LOGOFF");
    ASSERT_EQ(doc.Save().status, SaveOutcome::Status::Written);
    EXPECT_EQ(host.Lines(ScriptPath), (Lines{"", "LASTDRIVE.BAT", "padded", "FOO BAR", "LOGOFF"}));
}

TEST_F(DocumentLoad, AnUntitledLoadOrRunLineStillGetsATitle) {
    Load({"LOAD", "RUN C:\\Scripts\\"});
    EXPECT_EQ(Titles(), (Lines{"Load", "Run C:\\scripts\\"}));
}

const Lines MenuScript = {
    "MENU START",
    "MENU ITEM 1 Games,C:\\Scripts\\Games.qvc",
    "MENU ITEM 2 Work,work.qvc",
    "MENU DEFAULT 10",
    "LOAD C:\\A.EXE",
    "MENU SHOW",
};

TEST_F(DocumentLoad, MenuBlockIsReadAndWrittenBack) {
    EXPECT_TRUE(Load(MenuScript).Clean());
    const DocumentState& state = doc.State();
    EXPECT_EQ(state.MenuCaptions, (Lines{"Main", "Games", "Work"}));
    // Filling the text view already wrote the program folder in front of the bare file.
    EXPECT_EQ(state.MenuFiles, (Lines{ScriptPath, "c:\\scripts\\games.qvs",
                                      "C:\\Program Files\\Quorvel\\work.qvs"}));
    EXPECT_EQ(state.MenuTimeout, 10);
    EXPECT_EQ(Commands(), (Lines{"LOAD C:\\A.EXE", "MENU SHOW"}));
    EXPECT_EQ(Titles()[1], "Menu Show");

    ASSERT_EQ(doc.Save().status, SaveOutcome::Status::Written);
    Lines saved = {
        "MENU START",
        "MENU ITEM 1 Games,c:\\scripts\\games.qvc",
        "MENU ITEM 2 Work,C:\\Program Files\\Quorvel\\work.qvc",
        "MENU DEFAULT 10",
        "LOAD C:\\A.EXE",
        "MENU SHOW",
    };
    EXPECT_EQ(host.Lines(ScriptPath), saved);

    // Read back and saved again: the same lines, the item paths lower-cased.
    doc.UndoChanges();
    ASSERT_EQ(doc.Save().status, SaveOutcome::Status::Written);
    saved[2] = "MENU ITEM 2 Work,c:\\program files\\quorvel\\work.qvc";
    EXPECT_EQ(host.Lines(ScriptPath), saved);
}

TEST_F(DocumentLoad, MenuShowIsAppendedUnlessARowIsExactlyMenuShow) {
    struct Case {
        const char* tag;
        Lines rows;
        int menuShows;
    };
    const Case cases[] = {
        {"no menu show row", {"LOAD C:\\A.EXE"}, 1},
        {"upper-case row", {"MENU SHOW", "LOAD C:\\A.EXE"}, 1},
        {"lower-case row", {"menu show", "LOAD C:\\A.EXE"}, 1},
    };
    for (const Case& c : cases) {
        Lines lines = {"MENU START", "MENU ITEM 1 A,C:\\a.qvc"};
        lines.insert(lines.end(), c.rows.begin(), c.rows.end());
        Load(lines);
        const Lines text = doc.SaveTemp();
        EXPECT_EQ(std::count(text.begin(), text.end(), "MENU SHOW"), c.menuShows) << c.tag;
        EXPECT_EQ(text.back() == "MENU SHOW", c.tag != std::string("upper-case row")) << c.tag;
    }
    Load({"menu show", "LOAD C:\\A.EXE"});
    EXPECT_EQ(doc.SaveTemp(), (Lines{"menu show", "LOAD C:\\A.EXE"}));
}

TEST_F(DocumentLoad, LinesTheMenuBlockCannotUseAreReportedAndTheRestLoads) {
    Load({"MENU START", "MENU DEFAULT 7"});
    const LoadReport report = Load({"MENU START", "MENU ITEM 1 Games,g.qvc", "MENU DEFAULT ten",
                                    "MENU ITEM 2 NoComma", "LOAD C:\\A.EXE"});
    EXPECT_EQ(report.problems, (Lines{"Line 3 not understood: MENU DEFAULT ten",
                                      "Line 4 not understood: MENU ITEM 2 NoComma"}));
    EXPECT_EQ(doc.State().MenuTimeout, 7);
    EXPECT_EQ(doc.State().MenuCaptions, (Lines{"Main", "Games"}));
    EXPECT_EQ(Commands(), (Lines{"LOAD C:\\A.EXE"}));
}

TEST_F(DocumentLoad, MenuBlockEdges) {
    // Lower-case keywords, a caption with blanks, a block that runs to the end of the file.
    Load({"menu start", "menu item 1  Mail and News ,D:\\Mail.QVC"});
    EXPECT_EQ(doc.State().MenuCaptions, (Lines{"Main", "Mail and News"}));
    EXPECT_EQ(doc.State().MenuFiles[1], "d:\\mail.qvs");
    EXPECT_EQ(Commands(), Lines{});

    // A command that mentions MENU START is a command, not the start of a block.
    Load({"LOAD C:\\MENU START.EXE", "MENU ITEM 1 X,x.qvc"});
    EXPECT_EQ(Commands(), (Lines{"LOAD C:\\MENU START.EXE"}));
    EXPECT_EQ(doc.State().MenuCaptions, (Lines{"Main"}));

    // MENU lines outside a block make no rows; a MENU SHOW line does.
    Load({"MENU ITEM 1 X,x.qvc", "MENU SHOW", "WAIT 2"});
    EXPECT_EQ(Commands(), (Lines{"MENU SHOW", "WAIT 2"}));
}

TEST_F(DocumentLoad, SelectorCodesNameTheirScripts) {
    struct Case {
        const char* name;
        Selector checked;
        const char* currentFile;
        const char* setting; // the internet value written, if any
    };
    const Case cases[] = {
        {"M", Selector::Common, "C:\\WINDOWS\\Common.QVS", nullptr},
        {"U", Selector::UserName, "C:\\WINDOWS\\Alice.QVS", nullptr},
        {"C", Selector::ComputerName, "C:\\WINDOWS\\PC01.QVS", nullptr},
        {"IC", Selector::InternetConnect, "C:\\WINDOWS\\InternetOn.QVS", "Internet On"},
        {"ID", Selector::InternetDisconnect, "C:\\WINDOWS\\InternetOff.QVS", "Internet Off"},
        {"D:\\Net\\alice.QVS", Selector::UserName, "D:\\Net\\alice.QVS", nullptr},
        {"D:\\Net\\InternetON.qvs", Selector::InternetConnect, "D:\\Net\\InternetON.qvs",
         "Internet On"},
    };
    for (const Case& c : cases) {
        host.settings.clear();
        doc.LoadScript(c.name);
        EXPECT_EQ(doc.State().CurrentFile, c.currentFile) << c.name;
        for (std::size_t s = 0; s < SelectorCount; ++s)
            EXPECT_EQ(doc.SelectorChecked(static_cast<Selector>(s)),
                      static_cast<Selector>(s) == c.checked)
                << c.name << " selector " << s;
        if (c.setting) {
            EXPECT_EQ(host.settings[c.setting],
                      std::string(c.currentFile).substr(0, std::string(c.currentFile).size() - 4) +
                          ".qvc")
                << c.name;
        } else {
            EXPECT_FALSE(host.settings.count("Internet On") || host.settings.count("Internet Off"))
                << c.name;
        }
        EXPECT_EQ(host.settings[std::string(CurrentFileSetting)], c.currentFile) << c.name;
    }
    doc.LoadScript("D:\\Other.qvs");
    for (std::size_t s = 0; s < SelectorCount; ++s)
        EXPECT_FALSE(doc.SelectorChecked(static_cast<Selector>(s)));
}

TEST_F(DocumentLoad, BareNamesAreLookedForInTheWindowsFolderThenTheProgramFolder) {
    host.AddLines("C:\\Program Files\\Quorvel\\Common.QVS", {"LOGOFF"});
    doc.LoadScript("M");
    EXPECT_EQ(doc.State().CurrentFile, "C:\\Program Files\\Quorvel\\Common.QVS");
    EXPECT_EQ(Commands(), (Lines{"LOGOFF"}));

    host.AddLines("C:\\WINDOWS\\Common.QVS", {"SHUTDOWN"});
    doc.LoadScript("M");
    EXPECT_EQ(doc.State().CurrentFile, "C:\\WINDOWS\\Common.QVS");
    EXPECT_EQ(Commands(), (Lines{"SHUTDOWN"}));

    doc.LoadScript("new.qvs");
    EXPECT_EQ(doc.State().CurrentFile, "C:\\WINDOWS\\new.qvs");
    EXPECT_EQ(doc.State().LoadedFile, "C:\\WINDOWS\\Common.QVS");
    EXPECT_EQ(doc.CommandCount(), 0u);
}

TEST_F(DocumentLoad, WindowTitleNamesTheScript) {
    EXPECT_EQ(doc.WindowTitle(), "Trevanta's - Quorvel v2.0 - [common]");
    struct Case {
        const char* name;
        const char* title;
    };
    const Case cases[] = {
        {"M", "Trevanta's - Quorvel v2.0 - [Common]"},
        {"D:\\x\\Logon.qvs", "Trevanta's - Quorvel v2.0 - [Logon]"},
        {"D:\\x\\Logon.txt", "Trevanta's - Quorvel v2.0 - [Logon.txt]"},
        {"untitled", "Trevanta's - Quorvel v2.0 - [untitled]"},
    };
    for (const Case& c : cases) {
        doc.LoadScript(c.name);
        EXPECT_EQ(doc.WindowTitle(), c.title) << c.name;
    }
}

TEST_F(DocumentLoad, AScriptThatCannotBeReadIsNeverReplacedOrDeleted) {
    host.AddLines(ScriptPath, {"LOGOFF"});
    host.failReads.insert(FakeDocumentHost::Key(ScriptPath));
    const LoadReport report = doc.OpenScript(ScriptPath);
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_NE(report.problems[0].find("could not be read"), std::string::npos);
    EXPECT_EQ(doc.CommandCount(), 0u);

    EXPECT_EQ(doc.Save().status, SaveOutcome::Status::Failed);
    doc.AddLine("SHUTDOWN");
    EXPECT_EQ(doc.Save().status, SaveOutcome::Status::Failed);
    EXPECT_EQ(host.Lines(ScriptPath), (Lines{"LOGOFF"}));

    EXPECT_EQ(doc.SaveAs("C:\\WINDOWS\\copy").status, SaveOutcome::Status::Written);
    EXPECT_EQ(host.Lines("C:\\WINDOWS\\copy.qvs"), (Lines{"SHUTDOWN"}));
}

} // namespace
} // namespace qv::editor::testing
