#include "editor/core/RowKinds.h"
#include "editor/core/LoadPath.h"
#include "editor/core/RowEditors.h"
#include "language/Text.h"

#include <gtest/gtest.h>

namespace qv::editor {
namespace {

TEST(ProperCase, WordsStartUpperCase) {
    struct Case {
        const char* text;
        const char* title;
    };
    const Case cases[] = {
        {"", ""},
        {"ENABLE F5, F8, QUIT", "Enable F5, F8, Quit"},
        {"wait 5.0", "Wait 5.0"},
        {"DATE TODAY", "Date Today"},
        {"NOTEPAD.EXE", "Notepad.exe"},
        {"  two  blanks ", "Two  Blanks"},
        {"x", "X"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ProperCase(c.text), c.title) << c.text;
}

struct TitleCase {
    const char* tag;
    const char* command;
    RowKind kind;
    const char* title;
};

TEST(RowKinds, PrefixesPickKindAndTitle) {
    const TitleCase cases[] = {
        {"capture", "CAPTURE {lpt1} [\\\\srv\\hp]", RowKind::Capture, "Capture LPT1:"},
        {"capture without braces", "CAPTURE [\\\\srv\\hp]", RowKind::Capture, "Capture :"},
        {"close keeps two blanks", "CLOSE Notepad", RowKind::Close, "Close  Notepad"},
        {"close needs its blank", "CLOSEALL", RowKind::Unknown, "Unknown"},
        {"connect", "connect {x:} [\\\\srv\\data]", RowKind::Connect, "Map Drive X:"},
        {"copy", "COPY a>b", RowKind::Copy, "Copy File(s) or Directory"},
        {"copying is a copy", "COPYING.TXT", RowKind::Copy, "Copy File(s) or Directory"},
        {"del", "DEL c:\\x.tmp", RowKind::Del, "Delete File(s) or Directory"},
        {"desktop", "DESKTOP {RANDOM}", RowKind::Desktop, "Change Desktop"},
        {"logoff", "LOGOFF", RowKind::Logoff, "Log Off User"},
        {"logout is not known", "LOGOUT", RowKind::Unknown, "Unknown"},
        {"menu show", "MENU SHOW", RowKind::MenuShow, "Menu Show"},
        {"minimize", "MINIMIZE Calc", RowKind::Minimize, "Minimize  Calc"},
        {"error", "ERROR ON", RowKind::Error, "Error On"},
        {"errors on", "ERRORS ON", RowKind::Error, "Errors On"},
        {"prompt", "PROMPT MENU", RowKind::Prompt, "Prompt Menu"},
        {"rename", "RENAME a>b", RowKind::Rename, "Rename File or Directory"},
        {"run", "RUN C:\\Scripts\\NET.QVC", RowKind::Run, "Net.qvc"},
        {"run with a drive only", "RUN D:net.qvc", RowKind::Run, "Net.qvc"},
        {"enable", "ENABLE F5, F8, QUIT", RowKind::Enable, "Enable F5, F8, Quit"},
        {"disable", "disable quit", RowKind::Disable, "Disable Quit"},
        {"forse shutdown", "FORSESHUTDOWN", RowKind::ForseShutdown, "Forse Shutdown Computer"},
        {"restart", "SHUTDOWNRESTART", RowKind::ShutdownRestart, "Restart Computer"},
        {"shutdown", "SHUTDOWN", RowKind::Shutdown, "Shutdown Computer"},
        {"shutdown force", "SHUTDOWNFORCE", RowKind::Shutdown, "Shutdown Computer"},
        {"wait", "WAIT 5.0", RowKind::Wait, "Wait 5.0 sec(s)"},
        {"wait for window", "WAIT FOR WINDOW notepad", RowKind::Wait,
         "Wait For Window Notepad sec(s)"},
        {"date", "DATE TODAY", RowKind::Date, "Date Today"},
        {"sendkeys", "SENDKEYS \"a\",\"b\"", RowKind::SendKeys, "Sendkeys"},
        {"locate", "LOCATE TOP LEFT", RowKind::Locate, "Window Position"},
        {"last", "LAST", RowKind::Last, ""},
        {"load", "LOAD C:\\WINDOWS\\NOTEPAD.EXE {x.txt} [max]", RowKind::Load, "Notepad.exe"},
        {"load and wait", "LOAD AND WAIT C:\\Tools\\Sync.exe [hide]", RowKind::Load, "Sync.exe"},
        {"lower-case load", "load c:\\apps\\mail.exe <R15> (08001230)", RowKind::Load, "Mail.exe"},
        {"switches", "SWITCHES : 1", RowKind::Switches, ""},
        {"anything else", "SET PATH=C:\\", RowKind::Unknown, "Unknown"},
        {"empty", "", RowKind::Unknown, "Unknown"},
    };
    for (const TitleCase& c : cases) {
        const RowKind kind = ClassifyRow(UpperCase(c.command));
        EXPECT_EQ(kind, c.kind) << c.tag;
        if (kind != RowKind::Switches) {
            EXPECT_EQ(RowTitle(kind, c.command), c.title) << c.tag;
        }
    }
}

TEST(RowKinds, BuiltInIconsFollowTheIconTable) {
    EXPECT_EQ(PrefixOf(RowKind::Capture).icon, 1);
    EXPECT_EQ(PrefixOf(RowKind::Unknown).icon, 7);
    EXPECT_EQ(PrefixOf(RowKind::MenuShow).icon, 10);
    EXPECT_EQ(PrefixOf(RowKind::Error).icon, 12);
    EXPECT_EQ(PrefixOf(RowKind::ForseShutdown).icon, 18);
    EXPECT_EQ(PrefixOf(RowKind::Wait).icon, 19);
    EXPECT_EQ(PrefixOf(RowKind::Locate).icon, 20);
    EXPECT_EQ(PrefixOf(RowKind::SendKeys).icon, 24);
}

TEST(LoadProgramPath, CutsTheSwitchGroups) {
    struct Case {
        const char* tag;
        const char* command;
        const char* path;
    };
    const Case cases[] = {
        {"the Part's example", "LOAD C:\\WINDOWS\\NOTEPAD.EXE {x.txt} [max]",
         "C:\\WINDOWS\\NOTEPAD.EXE"},
        {"bare path", "LOAD C:\\Apps\\Mail.exe", "C:\\Apps\\Mail.exe"},
        {"edited line", "LOAD C:\\Apps\\Mail.exe {-q} [min] <R15> (08001230)",
         "C:\\Apps\\Mail.exe"},
        {"added line", "LOAD C:\\Apps\\Mail.exe {-q} [min]<R15> (08001230)", "C:\\Apps\\Mail.exe"},
        {"time window first", "LOAD C:\\A.EXE (08001230)", "C:\\A.EXE"},
        {"conditions only", "LOAD C:\\A.EXE <R>", "C:\\A.EXE"},
        {"and wait", "LOAD AND WAIT C:\\Tools\\Sync.exe [hide]", "C:\\Tools\\Sync.exe"},
        {"lower-case and wait", "load and wait c:\\sync.exe", "c:\\sync.exe"},
        {"x86 keeps its whole path", "LOAD C:\\Program Files (x86)\\App\\App.exe",
         "C:\\Program Files (x86)\\App\\App.exe"},
        {"x86 before a group", "LOAD C:\\Program Files (x86)\\App\\App.exe {-a} [min]",
         "C:\\Program Files (x86)\\App\\App.exe"},
        {"quoted path", "LOAD \"C:\\My Apps (new)\\[x] App.exe\" {-a}",
         "C:\\My Apps (new)\\[x] App.exe"},
        {"arguments without their close, as the interpreter reads them", "LOAD C:\\A.EXE {args",
         "C:\\A.EXE"},
        {"no path", "LOAD", ""},
        {"only a group", "LOAD {x}", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LoadProgramPath(c.command), c.path) << c.tag;
}

TEST(RowEditors, DoubleClickDispatch) {
    struct Case {
        const char* command;
        RowEditor editor;
    };
    const Case cases[] = {
        {"MENU SHOW", RowEditor::MenuDialog},
        {"CLOSE Notepad", RowEditor::CloseProgram},
        {"MINIMIZE Calc", RowEditor::MinimizeProgram},
        {"CONNECT {X:} [\\\\s\\d]", RowEditor::ConnectDrive},
        {"CAPTURE {LPT1} [\\\\s\\p]", RowEditor::CapturePort},
        {"RUN C:\\A.QVC", RowEditor::RunScript},
        {"DESKTOP C:\\A.BMP", RowEditor::ChangeDesktop},
        {"LOAD C:\\A.EXE", RowEditor::RunProgram},
        {"WAIT FOR WINDOW Calc", RowEditor::Wait},
        {"COPY A>B", RowEditor::CopyFiles},
        {"RENAME A>B", RowEditor::RenameFile},
        {"DEL A", RowEditor::DeleteFiles},
        {"LOCATE TOP", RowEditor::Locate},
        {"DATE TODAY", RowEditor::Date},
        {"SENDKEYS \"a\",\"b\"", RowEditor::SendKeys},
        {"ENABLE F5", RowEditor::EnableDisable},
        {"DISABLE", RowEditor::EnableDisable},
        {"PROMPT ON", RowEditor::Toggle},
        {"ERROR OFF", RowEditor::Toggle},
        {"PROMPT MENU", RowEditor::None},
        {"SHUTDOWN", RowEditor::None},
        {"MENU ITEM 1 A,B", RowEditor::None},
        {"wait 5", RowEditor::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EditorFor(c.command), c.editor) << c.command;
}

TEST(RowEditors, TogglesSwapOnAndOff) {
    struct Case {
        const char* command;
        const char* toggled;
        const char* title;
    };
    const Case cases[] = {
        {"PROMPT ON", "PROMPT OFF", "Prompt Off"},
        {"PROMPT OFF", "PROMPT ON", "Prompt On"},
        {"ERROR ON", "ERROR OFF", "Errors Off"},
        {"ERROR OFF", "ERROR ON", "Errors On"},
    };
    for (const Case& c : cases) {
        const std::optional<ToggledRow> row = ToggleRow(c.command);
        ASSERT_TRUE(row) << c.command;
        EXPECT_EQ(row->command, c.toggled);
        EXPECT_EQ(row->title, c.title);
    }
    EXPECT_FALSE(ToggleRow("PROMPT MENU"));
}

} // namespace
} // namespace qv::editor
