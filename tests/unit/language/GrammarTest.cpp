#include "language/Grammar.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

bool operator==(const LoadFields& a, const LoadFields& b) {
    return a.wait == b.wait && a.path == b.path && a.pathQuoted == b.pathQuoted &&
           a.arguments == b.arguments && a.hasArguments == b.hasArguments &&
           a.windowWord == b.windowWord && a.conditions == b.conditions &&
           a.timeWindow == b.timeWindow;
}

std::string Piece(std::string_view line, const Span& span) {
    return std::string(line.substr(span.begin, span.length));
}

struct LoadCase {
    const char* tag;
    const char* line;
    const char* path;
    const char* arguments;
    const char* windowWord;
    const char* conditions;
    const char* timeWindow;
};

class LoadParse : public testing::TestWithParam<LoadCase> {};

TEST_P(LoadParse, ReadsEachPieceAsWritten) {
    const LoadCase& c = GetParam();
    const ParsedLoad parsed = ParseLoad(c.line);
    EXPECT_EQ(parsed.fields.path, c.path);
    EXPECT_EQ(parsed.fields.arguments, c.arguments);
    EXPECT_EQ(parsed.fields.windowWord, c.windowWord);
    EXPECT_EQ(parsed.fields.conditions, c.conditions);
    EXPECT_EQ(parsed.fields.timeWindow, c.timeWindow);
    EXPECT_EQ(Piece(c.line, parsed.spans.path), parsed.fields.path);
    if (parsed.spans.arguments) {
        EXPECT_EQ(Piece(c.line, *parsed.spans.arguments), parsed.fields.arguments);
    }
    if (parsed.spans.timeWindow) {
        EXPECT_EQ(Piece(c.line, *parsed.spans.timeWindow), parsed.fields.timeWindow);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LoadParse,
    testing::Values(
        LoadCase{"plain", "LOAD C:\\Apps\\Mail.exe", "C:\\Apps\\Mail.exe", "", "", "", ""},
        LoadCase{"all_groups", "LOAD C:\\Apps\\Mail.exe {-q} [min] <R15> (08001230)",
                 "C:\\Apps\\Mail.exe", "-q", "min", "R15", "08001230"},
        LoadCase{"added_layout", "LOAD C:\\Apps\\Mail.exe {-q} [min]<R15> (08001230)",
                 "C:\\Apps\\Mail.exe", "-q", "min", "R15", "08001230"},
        LoadCase{"program_files_x86", "LOAD C:\\PROGRAM FILES (X86)\\APP\\APP.EXE [MAX]",
                 "C:\\PROGRAM FILES (X86)\\APP\\APP.EXE", "", "MAX", "", ""},
        LoadCase{"bracket_in_path", "LOAD C:\\DATA\\[OLD]\\A.DOC", "C:\\DATA\\[OLD]\\A.DOC", "", "",
                 "", ""},
        LoadCase{"angle_in_path", "LOAD C:\\A<B\\X.EXE <R>", "C:\\A<B\\X.EXE", "", "", "R", ""},
        LoadCase{"quoted_path", "LOAD \"C:\\ODD {NAME}\\X.EXE\" {/a} [hide]",
                 "C:\\ODD {NAME}\\X.EXE", "/a", "hide", "", ""},
        LoadCase{"arguments_hold_marks", "LOAD X.EXE {/t (08001700) [max]}", "X.EXE",
                 "/t (08001700) [max]", "", "", ""},
        LoadCase{"unclosed_arguments", "LOAD X.EXE {/a [MIN]", "X.EXE", "", "", "", ""},
        LoadCase{"wait", "LOAD AND WAIT C:\\Tools\\Sync.exe [hide]", "C:\\Tools\\Sync.exe", "",
                 "hide", "", ""},
        LoadCase{"wait_without_path", "LOAD AND WAIT", "", "", "", "", ""},
        LoadCase{"first_group_counts", "LOAD X.EXE <R> <3>", "X.EXE", "", "", "R", ""}),
    [](const testing::TestParamInfo<LoadCase>& info) { return info.param.tag; });

TEST(LoadParse, TellsStrayMarksApart) {
    const ParsedLoad parsed = ParseLoad("LOAD X.EXE (9:00-17:00) [NORMAL]");
    EXPECT_EQ(parsed.fields.path, "X.EXE (9:00-17:00) [NORMAL]");
    EXPECT_TRUE(parsed.spans.strayMarks.empty()); // inside the path, not after it

    const ParsedLoad after = ParseLoad("LOAD X.EXE [MIN] (9:00)");
    ASSERT_EQ(after.spans.strayMarks.size(), 1u);
    EXPECT_EQ(after.spans.strayMarks[0], std::string("LOAD X.EXE [MIN] ").size());
}

TEST(LoadBuild, WritesTheDialogsTwoLayouts) {
    LoadFields fields{false, "C:\\Apps\\Mail.exe", false, "-q", true, "min", "R15", "08001230"};
    EXPECT_EQ(BuildLoad(fields, LoadLayout::Edit),
              "LOAD C:\\Apps\\Mail.exe {-q} [min] <R15> (08001230)");
    EXPECT_EQ(BuildLoad(fields, LoadLayout::Add),
              "LOAD C:\\Apps\\Mail.exe {-q} [min]<R15> (08001230)");
    EXPECT_EQ(
        BuildLoad({true, "C:\\Tools\\Sync.exe", false, "", false, "hide", "", ""}, LoadLayout::Add),
        "LOAD AND WAIT C:\\Tools\\Sync.exe [hide]");
    EXPECT_EQ(BuildLoad({false, "C:\\Apps\\Mail.exe", false, "", false, "", "", ""}),
              "LOAD C:\\Apps\\Mail.exe");
}

TEST(LoadBuild, QuotesAPathThatWouldNotReadBack) {
    EXPECT_EQ(BuildLoad({false, "C:\\ODD {NAME}\\X.EXE", false, "", false, "", "", ""}),
              "LOAD \"C:\\ODD {NAME}\\X.EXE\"");
    EXPECT_EQ(BuildLoad({false, "C:\\A (01234567)\\X.EXE", false, "", false, "", "", ""}),
              "LOAD \"C:\\A (01234567)\\X.EXE\"");
    EXPECT_EQ(BuildLoad({false, "C:\\PROGRAM FILES (X86)\\A.EXE", false, "", false, "", "", ""}),
              "LOAD C:\\PROGRAM FILES (X86)\\A.EXE");
}

TEST(LoadRoundTrip, ParseOfBuildGivesTheFields) {
    const LoadFields cases[] = {
        {false, "C:\\Apps\\Mail.exe", false, "-q", true, "min", "R15", "08001230"},
        {true, "C:\\Tools\\Sync.exe", false, "", false, "hide", "", ""},
        {false, "C:\\ODD {NAME}\\X.EXE", true, "a b", true, "", "R", ""},
        {false, "C:\\PROGRAM FILES (X86)\\APP\\APP.EXE", false, "", false, "MAX", "", "09001700"},
        {false, "\\\\FS.CORP.COM\\DOCS\\REPORT.DOC", false, "", false, "", "1234567", ""},
        {false, "C:\\[X]\\<R>\\A.EXE", true, "", false, "", "", ""},
    };
    for (const LoadFields& fields : cases)
        for (LoadLayout layout : {LoadLayout::Add, LoadLayout::Edit}) {
            const std::string line = BuildLoad(fields, layout);
            EXPECT_TRUE(ParseLoad(line).fields == fields) << line;
        }
}

TEST(LoadConditions, MakesAndReadsTheDayList) {
    EXPECT_EQ(LoadConditions(true, "51"), "R15");
    EXPECT_EQ(LoadConditions(false, "7"), "7");
    EXPECT_EQ(LoadConditions(false, ""), "");
    EXPECT_TRUE(LoadConditionsRunOnce("r3"));
    EXPECT_FALSE(LoadConditionsRunOnce("135"));
    EXPECT_EQ(LoadConditionsDays("R531"), "135");
}

TEST(PathFileName, IsTheLastComponent) {
    EXPECT_EQ(PathFileName("C:\\WINDOWS\\NOTEPAD.EXE"), "NOTEPAD.EXE");
    EXPECT_EQ(PathFileName("C:NOTE.TXT"), "NOTE.TXT");
    EXPECT_EQ(PathFileName("HTTP://WWW.EXAMPLE.COM/"), "");
    EXPECT_EQ(PathFileName("A.EXE"), "A.EXE");
}

TEST(CopyGrammar, ReadsAndWritesSwitches) {
    const CopyFields fields = ParseCopy("COPY c:\\a.txt>c:\\b\\ /ON /DNCS");
    EXPECT_EQ(fields.source, "c:\\a.txt");
    EXPECT_EQ(fields.destination, "c:\\b\\");
    EXPECT_TRUE(fields.switches.onlyNewer);
    EXPECT_TRUE(fields.switches.noSubfolders);
    EXPECT_FALSE(fields.switches.doNotOverwrite);
    EXPECT_EQ(BuildCopy(fields), "COPY c:\\a.txt>c:\\b\\ /ON /DNCS");
    EXPECT_EQ(BuildCopy({"c:\\x", "d:\\y", {}, true}), "COPY c:\\x>d:\\y");
    EXPECT_FALSE(ParseCopy("COPY c:\\a.txt").hasSeparator);
    EXPECT_EQ(ParseCopy("COPY a>b /on").destination, "b /on"); // switches are upper case only
}

TEST(FileGrammar, RenameAndDelRoundTrip) {
    const RenameFields rename = ParseRename("RENAME c:\\temp\\old.log>c:\\temp\\new.log");
    EXPECT_EQ(rename.oldName, "c:\\temp\\old.log");
    EXPECT_EQ(rename.newName, "c:\\temp\\new.log");
    EXPECT_EQ(BuildRename(rename), "RENAME c:\\temp\\old.log>c:\\temp\\new.log");
    EXPECT_EQ(ParseDel("DEL  c:\\temp\\*.tmp;c:\\x ").paths, "c:\\temp\\*.tmp;c:\\x");
    EXPECT_EQ(BuildDel({"c:\\temp\\*.tmp"}), "DEL c:\\temp\\*.tmp");
}

TEST(NetGrammar, ReadsNamesAsWrittenAndBuildsTheEditorsForm) {
    const NetFields fields = ParseNet("CONNECT {f:} [\\\\server\\data]");
    EXPECT_EQ(fields.local, "f:");
    EXPECT_EQ(fields.remote, "\\\\server\\data");
    EXPECT_EQ(BuildNet(Keyword::Capture, {"LPT1", "\\\\server\\laser"}),
              "CAPTURE {LPT1} [\\\\server\\laser]");
    EXPECT_EQ(ParseNet("CONNECT [\\\\s\\d]").local, "");
    EXPECT_EQ(ParseNet("CONNECT }x{").local, "");
}

TEST(DesktopGrammar, TellsBitmapFromRandomFolder) {
    EXPECT_EQ(ParseDesktop("DESKTOP c:\\w\\clouds.bmp").path, "c:\\w\\clouds.bmp");
    const DesktopFields random = ParseDesktop("DESKTOP {random}c:\\pics\\");
    EXPECT_TRUE(random.random);
    EXPECT_EQ(random.path, "c:\\pics\\");
    EXPECT_EQ(BuildDesktop({true, ""}), "DESKTOP {RANDOM}");
    EXPECT_EQ(BuildDesktop(random), "DESKTOP {RANDOM}c:\\pics\\");
}

TEST(ArgumentGrammar, EachKeywordKeepsItsArgument) {
    const struct {
        const char* line;
        Keyword keyword;
        const char* argument;
    } cases[] = {
        {"WAIT 2.5", Keyword::Wait, "2.5"},
        {"wait for load 20", Keyword::WaitForLoad, "20"},
        {"WAIT FOR WINDOW Untitled - Notepad", Keyword::WaitForWindow, "Untitled - Notepad"},
        {"CLOSE Calculator", Keyword::Close, "Calculator"},
        {"MINIMIZE Mail", Keyword::Minimize, "Mail"},
    };
    for (const auto& c : cases) {
        const ArgumentFields fields = ParseArgumentLine(c.line);
        EXPECT_EQ(fields.keyword, c.keyword) << c.line;
        EXPECT_EQ(fields.argument, c.argument) << c.line;
        EXPECT_EQ(ParseArgumentLine(BuildArgumentLine(fields)).argument, c.argument);
    }
}

TEST(LocateGrammar, BuildsWhatItFinds) {
    EXPECT_EQ(BuildLocate("TOP", "LEFT"), "LOCATE TOP LEFT");
    EXPECT_EQ(BuildLocate("MINI", ""), "LOCATE MINI");
    EXPECT_EQ(ParseLocate(BuildLocate("CENTER", "LEFT")), Placement::CenterLeft);
    EXPECT_EQ(ParseLocate("LOCATE centre"), Placement::Center);
    EXPECT_EQ(ParseLocate("LOCATE SOMEWHERE"), std::nullopt);
    EXPECT_EQ(ParseLocate("LOCATE"), std::nullopt);
}

TEST(SendKeysGrammar, QuotesBothItems) {
    const SendKeysFields fields{"Untitled - Notepad", "He said \"hi\"{ENTER}"};
    const std::string line = BuildSendKeys(fields);
    EXPECT_EQ(line, "SENDKEYS \"Untitled - Notepad\",\"He said \"\"hi\"\"{ENTER}\"");
    const SendKeysFields back = ParseSendKeys(line);
    EXPECT_EQ(back.title, fields.title);
    EXPECT_EQ(back.keys, fields.keys);
    EXPECT_EQ(SplitCommaText("a b,\"c, d\""), (std::vector<std::string>{"a", "b", "c, d"}));
}

TEST(LockGrammar, ListsKeysInTheirOrder) {
    EXPECT_EQ(BuildLock({Keyword::Enable, true, false, true}), "ENABLE F5, QUIT");
    EXPECT_EQ(BuildLock({Keyword::Disable, false, false, false}), "DISABLE");
    const LockFields fields = ParseLock("disable f8 quit");
    EXPECT_EQ(fields.keyword, Keyword::Disable);
    EXPECT_FALSE(fields.f5);
    EXPECT_TRUE(fields.f8);
    EXPECT_TRUE(fields.quit);
    EXPECT_EQ(ParseLock("NO F5").keyword, Keyword::No);
}

TEST(ControlGrammar, DateRunSwitchesRoundTrip) {
    EXPECT_TRUE(ParseDate("DATE today").today);
    EXPECT_EQ(ParseDate("DATE 01/01/1998").date, "01/01/1998");
    EXPECT_EQ(BuildDate({true, ""}), "DATE TODAY");
    EXPECT_EQ(BuildDate({false, "01/01/1998"}), "DATE 01/01/1998");
    EXPECT_EQ(ParseRun("RUN C:\\Scripts\\Net.qvc").path, "C:\\Scripts\\Net.qvc");
    EXPECT_EQ(BuildRun({"C:\\Scripts\\Net.qvc"}), "RUN C:\\Scripts\\Net.qvc");
    EXPECT_TRUE(ParseSwitch("PROMPT on").on);
    EXPECT_FALSE(ParseSwitch("ERROR ONCE").on);
    EXPECT_EQ(ParseSwitch("ERROR OFF").keyword, Keyword::Error);
    EXPECT_EQ(BuildSwitch({Keyword::Prompt, false}), "PROMPT OFF");
    EXPECT_EQ(BuildSwitch({Keyword::Error, true}), "ERROR ON");
}

TEST(MenuGrammar, ItemsAndDefault) {
    const MenuItemFields item = ParseMenuItem("MENU ITEM 3 Accounts,c:\\scripts\\acct.qvc");
    EXPECT_EQ(MenuItemNumber(item), 3);
    EXPECT_EQ(item.title, "Accounts");
    EXPECT_EQ(item.command, "c:\\scripts\\acct.qvc");
    EXPECT_EQ(BuildMenuItem(3, "Accounts", "c:\\scripts\\acct.qvc"),
              "MENU ITEM 3 Accounts,c:\\scripts\\acct.qvc");
    EXPECT_EQ(MenuItemNumber(ParseMenuItem("MENU ITEM 10 X,y")), std::nullopt);
    EXPECT_EQ(MenuItemNumber(ParseMenuItem("MENU ITEM 0 X,y")), std::nullopt);
    EXPECT_EQ(ParseMenuItem("MENU ITEM 2 NoComma").title, "NoComma");
    EXPECT_EQ(BuildMenuDefault(10), "MENU DEFAULT 10");
    EXPECT_EQ(ParseMenuDefault(BuildMenuDefault(10)), " 10"); // keeps the keyword's blank
}

TEST(SetGrammar, CutsAtTheFirstEquals) {
    const SetFields fields = ParseSet("SET PATH=C:\\A;B=C");
    EXPECT_EQ(fields.name, "PATH");
    EXPECT_EQ(fields.value, "C:\\A;B=C");
    EXPECT_EQ(BuildSet(fields), "SET PATH=C:\\A;B=C");
    const SetFields none = ParseSet("SET JUSTTEXT");
    EXPECT_FALSE(none.hasEquals);
    EXPECT_EQ(none.name, "");
    EXPECT_EQ(none.value, "JUSTTEXT");
}

} // namespace
} // namespace qv
