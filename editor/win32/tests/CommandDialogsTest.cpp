#include "DialogTestSupport.h"
#include "editor/win32/CommandSeams.h"
#include "editor/win32/ControlIds.h"
#include "editor/win32/DialogSupport.h"
#include "editor/win32/TCanorCantDo.h"
#include "editor/win32/TMapDrv.h"
#include "editor/win32/TSelWindow.h"
#include "editor/win32/TfrmChangeDesktop.h"
#include "editor/win32/TfrmConfigRun.h"
#include "editor/win32/TfrmDate.h"
#include "editor/win32/TfrmFileCommands.h"
#include "editor/win32/TfrmMenuDev.h"
#include "editor/win32/TfrmSendkeys.h"
#include "editor/win32/TfrmTimer.h"
#include "editor/win32/TwinAPI.h"

#include <gtest/gtest.h>

#include <map>

namespace qv::win32 {
namespace {

using editor::DialogUse;
using editor::FileCommandMode;
using namespace testing;

class FakeLinks : public editor::LinkReader {
  public:
    std::map<std::string, editor::LinkTarget> links;
    std::optional<editor::LinkTarget> ReadLink(const std::string& path) override {
        const auto found = links.find(path);
        if (found == links.end()) {
            return std::nullopt;
        }
        return found->second;
    }
};

class NoPaths : public editor::PathProbe {
  public:
    bool IsFile(const std::string&) override { return false; }
    bool IsFolder(const std::string&) override { return false; }
};

// Runs the form modally and presses `button` in it; the form's result.
template <typename Form> bool PressIn(Form& form, int button) {
    Watchdog watchdog(form.Handle());
    PressLater(form.Handle(), button);
    return form.ShowModal(nullptr);
}

class RunDialog : public ::testing::Test {
  protected:
    MessageLoop loop;
    FakeLinks links;
};

TEST_F(RunDialog, AddsTheLineOfEveryControlSetAndEnablesAsTheUserGoes) {
    TfrmConfigRun form(loop, nullptr, links, std::nullopt);
    HWND window = form.Handle();
    ASSERT_TRUE(window);
    EXPECT_EQ(Caption(window), "Run Dialog");
    EXPECT_FALSE(Enabled(window, ids::Button1));
    EXPECT_TRUE(Checked(window, ids::RadioButton3));
    EXPECT_FALSE(Enabled(window, ids::B1));
    EXPECT_FALSE(Enabled(window, ids::Mon));
    EXPECT_FALSE(Enabled(window, ids::ConvertL));
    EXPECT_EQ(TextOf(window, ids::B1), "1200");

    Type(window, ids::Edit1, "C:\\Apps\\Mail.exe");
    EXPECT_TRUE(Enabled(window, ids::Button1));
    Type(window, ids::Edit2, "-q");
    Click(window, ids::RadioButton1);
    Click(window, ids::RunOnce);
    Click(window, ids::Only);
    EXPECT_TRUE(Enabled(window, ids::Mon) && Enabled(window, ids::Sun));
    Click(window, ids::Mon);
    Click(window, ids::Fri);
    Click(window, ids::Between);
    EXPECT_TRUE(Enabled(window, ids::B1) && Enabled(window, ids::L2));
    Type(window, ids::B1, "0800");
    Type(window, ids::B2, "1230");
    ASSERT_TRUE(PressIn(form, ids::Button1));
    EXPECT_EQ(form.Model().BuildLine(DialogUse::Add),
              "LOAD C:\\Apps\\Mail.exe {-q} [min]<R15> (08001230)");
}

TEST_F(RunDialog, EditingShowsTheLineAndOkOrdersTheTimeWindow) {
    TfrmConfigRun form(loop, nullptr, links, "LOAD AND WAIT C:\\A.EXE [hide] <R> (17000800)");
    HWND window = form.Handle();
    EXPECT_EQ(TextOf(window, ids::Edit1), "C:\\A.EXE");
    EXPECT_TRUE(Checked(window, ids::RunandWait));
    EXPECT_TRUE(Checked(window, ids::RadioButton4));
    EXPECT_FALSE(Checked(window, ids::RadioButton3));
    EXPECT_TRUE(Checked(window, ids::RunOnce));
    EXPECT_FALSE(Checked(window, ids::Only));
    EXPECT_FALSE(Enabled(window, ids::Mon));
    EXPECT_TRUE(Checked(window, ids::Between));
    EXPECT_TRUE(Enabled(window, ids::B2));
    EXPECT_EQ(TextOf(window, ids::B1), "1700");
    EXPECT_TRUE(Enabled(window, ids::Button1));
    ASSERT_TRUE(PressIn(form, ids::Button1));
    EXPECT_EQ(form.Model().BuildLine(DialogUse::Edit),
              "LOAD AND WAIT C:\\A.EXE [hide] <R> (08001700)");
}

TEST_F(RunDialog, ConvertsAShortcutAndPutsItBack) {
    links.links["C:\\Links\\Sync.lnk"] = {"C:\\Tools\\Sync.exe", "/quiet", 7};
    TfrmConfigRun form(loop, nullptr, links, std::nullopt);
    HWND window = form.Handle();
    Type(window, ids::Edit1, "C:\\Links\\Sync.lnk");
    Type(window, ids::Edit2, "typed");
    EXPECT_TRUE(Enabled(window, ids::ConvertL));
    ::SendMessageA(window, WM_ACTIVATE, WA_ACTIVE, 0);
    Click(window, ids::ConvertL);
    EXPECT_EQ(TextOf(window, ids::Edit1), "C:\\Tools\\Sync.exe");
    EXPECT_EQ(TextOf(window, ids::Edit2), "/quiet");
    EXPECT_TRUE(Checked(window, ids::RadioButton1));
    Click(window, ids::ConvertL);
    EXPECT_EQ(TextOf(window, ids::Edit1), "C:\\Links\\Sync.lnk");
    EXPECT_FALSE(Checked(window, ids::ConvertL));
    // Waiting needs the program itself: checking Run and Wait converts at once.
    Click(window, ids::RunandWait);
    EXPECT_TRUE(Checked(window, ids::ConvertL));
    EXPECT_EQ(TextOf(window, ids::Edit1), "C:\\Tools\\Sync.exe");
    ASSERT_TRUE(PressIn(form, ids::Button1));
    EXPECT_EQ(form.Model().BuildLine(DialogUse::Add),
              "LOAD AND WAIT C:\\Tools\\Sync.exe {/quiet} [min]");
}

TEST_F(RunDialog, CancelAndEscapeEndWithoutALine) {
    for (const bool escape : {false, true}) {
        TfrmConfigRun form(loop, nullptr, links, std::nullopt);
        Type(form.Handle(), ids::Edit1, "x.exe");
        Watchdog watchdog(form.Handle());
        if (escape) {
            ::PostMessageA(::GetDlgItem(form.Handle(), ids::Edit1), WM_KEYDOWN, VK_ESCAPE, 0);
        } else {
            PressLater(form.Handle(), ids::Button2);
        }
        EXPECT_FALSE(form.ShowModal(nullptr)) << escape;
    }
}

// Answers the "Invalid Time" box when it comes, then cancels the dialog.
struct InvalidTimeProbe {
    static inline HWND form = nullptr;
    static inline std::string seen;
    static void CALLBACK Tick(HWND, UINT, UINT_PTR timer, DWORD) {
        HWND box = ::FindWindowA("#32770", "Quorvel");
        if (box == nullptr) {
            return;
        }
        ::KillTimer(nullptr, timer);
        char text[64] = {};
        ::GetDlgItemTextA(box, 0xFFFF, text, sizeof(text));
        seen = text;
        ::PostMessageA(box, WM_COMMAND, IDOK, 0);
        PressLater(form, ids::Button2);
    }
};

TEST_F(RunDialog, AnInvalidTimeKeepsTheDialogOpen) {
    TfrmConfigRun form(loop, nullptr, links, std::nullopt);
    HWND window = form.Handle();
    Type(window, ids::Edit1, "x.exe");
    Click(window, ids::Between);
    Type(window, ids::B1, "2599");
    Watchdog watchdog(window);
    InvalidTimeProbe::form = window;
    ::SetTimer(nullptr, 0, 50, &InvalidTimeProbe::Tick);
    PressLater(window, ids::Button1);
    EXPECT_FALSE(form.ShowModal(nullptr));
    EXPECT_EQ(InvalidTimeProbe::seen, "Invalid Time");
}

class FileDialog : public ::testing::Test {
  protected:
    MessageLoop loop;
    NoPaths paths;
};

TEST_F(FileDialog, EachModeHasItsCaptionHeightAndParts) {
    const struct {
        FileCommandMode mode;
        const char* caption;
        int height;
        bool destination;
        bool more;
        int buttonTop;
    } cases[] = {
        {FileCommandMode::Copy, "Copy", 204, true, true, 120},
        {FileCommandMode::Rename, "Rename", 204, true, false, 120},
        {FileCommandMode::Delete, "Delete", 143, false, false, 84},
    };
    for (const auto& c : cases) {
        TfrmFileCommands form(loop, nullptr, c.mode, paths, std::nullopt);
        HWND window = form.Handle();
        EXPECT_EQ(Caption(window), c.caption);
        EXPECT_EQ(DesignHeight(window), c.height) << c.caption;
        EXPECT_EQ(Shown(window, ids::GroupBox2), c.destination) << c.caption;
        EXPECT_EQ(Shown(window, ids::Edit2), c.destination) << c.caption;
        EXPECT_EQ(Shown(window, ids::btnMore), c.more) << c.caption;
        EXPECT_EQ(DesignTop(window, ids::Button1), c.buttonTop) << c.caption;
        EXPECT_EQ(TextOf(window, ids::GroupBox1),
                  c.mode == FileCommandMode::Delete ? "Delete File(s)" : "Source : ");
        EXPECT_FALSE(Enabled(window, ids::Button1));
    }
}

TEST_F(FileDialog, AdvancedOpensAndClosesTheOptions) {
    TfrmFileCommands form(loop, nullptr, FileCommandMode::Copy, paths, std::nullopt);
    HWND window = form.Handle();
    Click(window, ids::btnMore);
    EXPECT_EQ(DesignHeight(window), 268);
    EXPECT_EQ(TextOf(window, ids::btnMore), "<< &Less");
    Click(window, ids::btnMore);
    EXPECT_EQ(DesignHeight(window), 204);
    EXPECT_EQ(TextOf(window, ids::btnMore), "&Advanced >>");
}

TEST_F(FileDialog, AFolderCopiesToAFolderWithItsSwitches) {
    TfrmFileCommands form(loop, nullptr, FileCommandMode::Copy, paths, std::nullopt);
    HWND window = form.Handle();
    Click(window, ids::RadioButton2);
    EXPECT_TRUE(Shown(window, ids::DEdit1));
    EXPECT_FALSE(Shown(window, ids::Edit1));
    EXPECT_TRUE(Checked(window, ids::RadioButton4));
    EXPECT_FALSE(Enabled(window, ids::RadioButton5));
    EXPECT_TRUE(Shown(window, ids::DEdit2));
    Type(window, ids::DEdit1, "C:\\Data");
    EXPECT_FALSE(Enabled(window, ids::Button1));
    Type(window, ids::DEdit2, "D:\\Backup");
    EXPECT_TRUE(Enabled(window, ids::Button1));
    Click(window, ids::btnMore);
    // "Do not overwrite" takes the confirmation away; confirming then means "Overwrite All".
    Click(window, ids::CheckBox3);
    Click(window, ids::Checkbox2);
    EXPECT_FALSE(Checked(window, ids::CheckBox3));
    Click(window, ids::CheckBox3);
    EXPECT_TRUE(Checked(window, ids::RadioButton1));
    EXPECT_FALSE(Checked(window, ids::Checkbox2));
    Click(window, ids::CheckBox3);
    Click(window, ids::Checkbox1);
    Click(window, ids::CheckBox4);
    ASSERT_TRUE(PressIn(form, ids::Button1));
    EXPECT_EQ(form.Model().BuildLine(), "COPY c:\\data>d:\\backup\\ /ON /DNCS");
}

TEST_F(FileDialog, EditingACopyLineShowsItsSwitchesAndWritesItBack) {
    const std::string line = "COPY c:\\a.txt>c:\\b\\ /ON /DNCS";
    TfrmFileCommands form(loop, nullptr, FileCommandMode::Copy, paths, line);
    HWND window = form.Handle();
    EXPECT_EQ(DesignHeight(window), 268);
    EXPECT_EQ(TextOf(window, ids::btnMore), "<< &Less");
    EXPECT_TRUE(Checked(window, ids::Checkbox1));
    EXPECT_TRUE(Checked(window, ids::CheckBox4));
    EXPECT_FALSE(Checked(window, ids::RadioButton1));
    EXPECT_EQ(TextOf(window, ids::Edit1), "c:\\a.txt");
    EXPECT_EQ(TextOf(window, ids::Edit2), "c:\\b\\");
    EXPECT_TRUE(Enabled(window, ids::Button1));
    ASSERT_TRUE(PressIn(form, ids::Button1));
    EXPECT_EQ(form.Model().BuildLine(), line);
}

TEST_F(FileDialog, DeleteNeedsOnlyASource) {
    TfrmFileCommands form(loop, nullptr, FileCommandMode::Delete, paths, std::nullopt);
    HWND window = form.Handle();
    Type(window, ids::Edit1, "C:\\Temp\\*.TMP");
    EXPECT_TRUE(Enabled(window, ids::Button1));
    ASSERT_TRUE(PressIn(form, ids::Button1));
    EXPECT_EQ(form.Model().BuildLine(), "DEL c:\\temp\\*.tmp");
}

// A click on the spin arrows: the form hears of the step before the arrows take it.
void Spin(HWND window, int delta) {
    NMUPDOWN change{};
    change.hdr.hwndFrom = ::GetDlgItem(window, ids::SpinEdit1Arrows);
    change.hdr.idFrom = ids::SpinEdit1Arrows;
    change.hdr.code = UDN_DELTAPOS;
    change.iDelta = delta;
    ::SendMessageA(window, WM_NOTIFY, ids::SpinEdit1Arrows, reinterpret_cast<LPARAM>(&change));
}

TEST(TimerDialog, StepsInHalvesWithinItsRangeAndWritesHashDotZero) {
    MessageLoop loop;
    TfrmTimer form(loop, nullptr, std::nullopt);
    HWND window = form.Handle();
    EXPECT_EQ(Caption(window), "Timer");
    EXPECT_EQ(TextOf(window, ids::SpinEdit1), "1.0");
    Spin(window, -1);
    EXPECT_EQ(TextOf(window, ids::SpinEdit1), ".5");
    Spin(window, -1);
    EXPECT_EQ(TextOf(window, ids::SpinEdit1), ".5");
    Spin(window, 1);
    Spin(window, 1);
    EXPECT_EQ(TextOf(window, ids::SpinEdit1), "1.5");
    Type(window, ids::SpinEdit1, "12.4");
    ASSERT_TRUE(PressIn(form, ids::Button1));
    EXPECT_EQ(form.Model().BuildLine(), "WAIT 12.5");
}

TEST(TimerDialog, EditingShowsTheRowsSeconds) {
    MessageLoop loop;
    TfrmTimer form(loop, nullptr, "WAIT 60");
    EXPECT_EQ(TextOf(form.Handle(), ids::SpinEdit1), "60.0");
    Spin(form.Handle(), 1);
    EXPECT_EQ(TextOf(form.Handle(), ids::SpinEdit1), "60.0");
}

class FakeWindows : public editor::WindowLister {
  public:
    std::vector<std::string> titles{"Untitled - Notepad", "calculator", "Backup"};
    std::vector<std::string> TopLevelTitles() override { return titles; }
};

TEST(WindowDialog, EachCaptionWritesItsCommandWithTheChosenTitle) {
    const struct {
        editor::WindowCommand command;
        const char* caption;
        const char* line;
    } cases[] = {
        {editor::WindowCommand::Close, "Close Program", "CLOSE Untitled - Notepad"},
        {editor::WindowCommand::Minimize, "Minimize Program", "MINIMIZE Untitled - Notepad"},
        {editor::WindowCommand::WaitForWindow, "Wait for Window",
         "WAIT FOR WINDOW Untitled - Notepad"},
    };
    MessageLoop loop;
    FakeWindows windows;
    for (const auto& c : cases) {
        TwinAPI form(loop, nullptr, c.command, windows, std::nullopt);
        HWND window = form.Handle();
        EXPECT_EQ(Caption(window), c.caption);
        HWND list = ::GetDlgItem(window, ids::ListBox1);
        ASSERT_EQ(::SendMessageA(list, LB_GETCOUNT, 0, 0), 3);
        char first[64] = {};
        ::SendMessageA(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(first));
        EXPECT_STREQ(first, "Backup");
        EXPECT_FALSE(Enabled(window, ids::Button1));
        ::SendMessageA(list, LB_SETCURSEL, 2, 0);
        ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(ids::ListBox1, LBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(list));
        EXPECT_EQ(TextOf(window, ids::Edit1), "Untitled - Notepad");
        ASSERT_TRUE(PressIn(form, ids::Button1));
        EXPECT_EQ(form.Model().BuildLine(), c.line);
    }
}

TEST(WindowDialog, EditingShowsTheTitleAndWritesTheSameLineBack) {
    MessageLoop loop;
    FakeWindows windows;
    TwinAPI form(loop, nullptr, editor::WindowCommand::WaitForWindow, windows,
                 "WAIT FOR WINDOW Calculator");
    EXPECT_EQ(TextOf(form.Handle(), ids::Edit1), "Calculator");
    ASSERT_TRUE(PressIn(form, ids::Button1));
    EXPECT_EQ(form.Model().BuildLine(), "WAIT FOR WINDOW Calculator");
}

TEST(LocateDialog, ChoicesFollowTheTableAndOkNeedsAWholePosition) {
    MessageLoop loop;
    TSelWindow form(loop, nullptr, "LOCATE CENTRE LEFT");
    HWND window = form.Handle();
    EXPECT_EQ(Caption(window), "Locate Quorvel Window");
    EXPECT_TRUE(Checked(window, ids::RadioButton2));
    EXPECT_TRUE(Checked(window, ids::RadioButton6));
    Click(window, ids::RadioButton1);
    Click(window, ids::RadioButton7);
    EXPECT_FALSE(Checked(window, ids::RadioButton1));
    EXPECT_FALSE(Checked(window, ids::RadioButton6));
    EXPECT_TRUE(Checked(window, ids::RadioButton7));
    EXPECT_TRUE(Enabled(window, ids::Button1));
    Click(window, ids::RadioButton1);
    EXPECT_FALSE(Checked(window, ids::RadioButton7));
    EXPECT_FALSE(Enabled(window, ids::Button1));
    Click(window, ids::RadioButton4);
    EXPECT_TRUE(Enabled(window, ids::Button1));
    ASSERT_TRUE(PressIn(form, ids::Button1));
    EXPECT_EQ(form.Model().BuildLine(), "LOCATE TOP RIGHT");
}

TEST(SendkeysDialog, KeysTypedOnSeveralLinesAreSentAsOne) {
    MessageLoop loop;
    FakeWindows windows;
    TfrmSendkeys form(loop, nullptr, windows, std::nullopt);
    HWND window = form.Handle();
    EXPECT_EQ(Caption(window), "Sendkeys to Program");
    EXPECT_EQ(::SendDlgItemMessageA(window, ids::Listbox1, CB_GETCOUNT, 0, 0), 3);
    Type(window, ids::Listbox1, "Untitled - Notepad");
    Type(window, ids::Memo1, "Hello\r\nWorld\r\n{ENTER}");
    ASSERT_TRUE(PressIn(form, ids::Button1));
    EXPECT_EQ(form.Model().BuildLine(), "SENDKEYS \"Untitled - Notepad\",\"HelloWorld{ENTER}\"");
}

TEST(SendkeysDialog, EditingShowsTitleAndKeys) {
    MessageLoop loop;
    FakeWindows windows;
    TfrmSendkeys form(loop, nullptr, windows, "SENDKEYS \"My App\",\"abc{TAB}\"");
    EXPECT_EQ(TextOf(form.Handle(), ids::Listbox1), "My App");
    EXPECT_EQ(TextOf(form.Handle(), ids::Memo1), "abc{TAB}");
    ASSERT_TRUE(PressIn(form, ids::Button1));
    EXPECT_EQ(form.Model().BuildLine(), "SENDKEYS \"My App\",\"abc{TAB}\"");
}

TEST(EnableDialog, TheChosenKeysInTheirOrderAndOkOnlyWithAKey) {
    MessageLoop loop;
    TCanorCantDo form(loop, nullptr, std::nullopt);
    HWND window = form.Handle();
    EXPECT_EQ(Caption(window), "Enable & Disable");
    EXPECT_TRUE(Checked(window, ids::Enable));
    EXPECT_FALSE(Enabled(window, ids::Button1));
    Click(window, ids::QUIT);
    Click(window, ids::F5);
    EXPECT_TRUE(Enabled(window, ids::Button1));
    ASSERT_TRUE(PressIn(form, ids::Button1));
    EXPECT_EQ(form.Model().BuildLine(), "ENABLE F5, QUIT");

    TCanorCantDo edit(loop, nullptr, "DISABLE F8");
    EXPECT_TRUE(Checked(edit.Handle(), ids::Disable));
    EXPECT_FALSE(Checked(edit.Handle(), ids::Enable));
    EXPECT_TRUE(Checked(edit.Handle(), ids::F8));
    EXPECT_FALSE(Checked(edit.Handle(), ids::F5));
}

class FakeNetwork : public editor::DrivePort, public editor::PathHistoryStore {
  public:
    std::vector<std::string> stored{"\\\\old\\share"};
    int saves = 0;
    std::vector<editor::DriveInUse> DrivesInUse() override {
        return {{'C', "c: system"}, {'X', "x: \\\\server\\home"}};
    }
    std::vector<std::string> LoadPathHistory() override { return stored; }
    void SavePathHistory(const std::vector<std::string>& paths) override {
        stored = paths;
        ++saves;
    }
};

std::string ComboItem(HWND window, int id, int index) {
    char text[256] = {};
    ::SendDlgItemMessageA(window, id, CB_GETLBTEXT, static_cast<WPARAM>(index),
                          reinterpret_cast<LPARAM>(text));
    return text;
}

TEST(MapDriveDialog, ConnectOffersTheDrivesAndKeepsANewPath) {
    MessageLoop loop;
    FakeNetwork network;
    TMapDrv form(loop, nullptr, editor::MapDriveMode::Connect, network, network, std::nullopt);
    HWND window = form.Handle();
    EXPECT_EQ(Caption(window), "Map Network Drive");
    ASSERT_EQ(::SendDlgItemMessageA(window, ids::DriveLet, CB_GETCOUNT, 0, 0), 23);
    EXPECT_EQ(ComboItem(window, ids::DriveLet, 0), "D:");
    EXPECT_EQ(ComboItem(window, ids::DriveLet, 'X' - 'D'), "X: \\\\SERVER\\HOME");
    EXPECT_EQ(::SendDlgItemMessageA(window, ids::DriveLet, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(ComboItem(window, ids::PathLoc, 0), "\\\\old\\share");
    EXPECT_FALSE(Enabled(window, ids::Button1));
    Type(window, ids::PathLoc, "\\\\new\\share");
    ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(ids::PathLoc, CBN_EDITCHANGE),
                   reinterpret_cast<LPARAM>(::GetDlgItem(window, ids::PathLoc)));
    EXPECT_TRUE(Enabled(window, ids::Button1));
    ASSERT_TRUE(PressIn(form, ids::Button1));
    EXPECT_EQ(AddedLine(form.Model()), "CONNECT {D:} [\\\\new\\share]");
    EXPECT_EQ(network.stored, (std::vector<std::string>{"\\\\old\\share", "\\\\new\\share"}));
}

TEST(MapDriveDialog, EditingACaptureLineChoosesItsPort) {
    MessageLoop loop;
    FakeNetwork network;
    TMapDrv form(loop, nullptr, editor::MapDriveMode::Capture, network, network,
                 "CAPTURE {LPT2} [\\\\server\\printer]");
    HWND window = form.Handle();
    EXPECT_EQ(Caption(window), "Capture Printer Port");
    EXPECT_EQ(::SendDlgItemMessageA(window, ids::DriveLet, CB_GETCOUNT, 0, 0), 9);
    EXPECT_EQ(::SendDlgItemMessageA(window, ids::DriveLet, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(TextOf(window, ids::PathLoc), "\\\\SERVER\\PRINTER");
    ASSERT_TRUE(PressIn(form, ids::Button1));
    EXPECT_EQ(form.Model().BuildLine(), "CAPTURE {LPT2} [\\\\SERVER\\PRINTER]");
}

TEST(MapDriveDialog, ThePathHistoryOutlivesTheDialog) {
    RegistryPathHistory history;
    const std::vector<std::string> before = history.LoadPathHistory();
    history.SavePathHistory({"\\\\a\\one", "\\\\b\\two"});
    EXPECT_EQ(RegistryPathHistory().LoadPathHistory(),
              (std::vector<std::string>{"\\\\a\\one", "\\\\b\\two"}));
    history.SavePathHistory(before);
    EXPECT_EQ(RegistryPathHistory().LoadPathHistory(), before);
}

class FakeDates : public editor::DatePort {
  public:
    logic::CivilDate Today() override { return {2026, 1, 15}; }
    std::string ShortDateFormat() override { return "dd/MM/yyyy"; }
    std::string LongMonthName(int month) override {
        static const char* const names[] = {"January",   "February", "March",    "April",
                                            "May",       "June",     "July",     "August",
                                            "September", "October",  "November", "December"};
        return names[month - 1];
    }
};

// A day chosen on the calendar, as the calendar tells its form.
void ChooseDay(HWND window, WORD year, WORD month, WORD day) {
    NMSELCHANGE change{};
    change.nmhdr.hwndFrom = ::GetDlgItem(window, ids::Calendar1);
    change.nmhdr.idFrom = ids::Calendar1;
    change.nmhdr.code = MCN_SELCHANGE;
    change.stSelStart.wYear = year;
    change.stSelStart.wMonth = month;
    change.stSelStart.wDay = day;
    change.stSelEnd = change.stSelStart;
    ::SendMessageA(window, WM_NOTIFY, ids::Calendar1, reinterpret_cast<LPARAM>(&change));
}

TEST(DateDialog, MonthButtonsWrapAndAChosenDayLeavesToday) {
    MessageLoop loop;
    FakeDates dates;
    TfrmDate form(loop, nullptr, dates, "DATE TODAY");
    HWND window = form.Handle();
    EXPECT_EQ(Caption(window), "Date Selector");
    EXPECT_EQ(LOWORD(::SendDlgItemMessageA(window, ids::Calendar1, MCM_GETFIRSTDAYOFWEEK, 0, 0)), 6)
        << "weeks start on Sunday";
    EXPECT_TRUE(Checked(window, ids::chkToday));
    EXPECT_EQ(TextOf(window, ids::Label1), "January 2026");
    Click(window, ids::cmdMonDn);
    EXPECT_EQ(TextOf(window, ids::Label1), "December 2025");
    EXPECT_FALSE(Checked(window, ids::chkToday));
    Click(window, ids::cmdYearUp);
    EXPECT_EQ(TextOf(window, ids::Label1), "December 2026");
    Click(window, ids::cmdMonUp);
    EXPECT_EQ(TextOf(window, ids::Label1), "January 2027");
    ChooseDay(window, 2027, 1, 3);
    ASSERT_TRUE(PressIn(form, ids::Button1));
    EXPECT_EQ(form.Model().BuildLine(), "DATE 03/01/2027");
}

TEST(DateDialog, ARowWithoutADateIsRefused) {
    MessageLoop loop;
    FakeDates dates;
    TfrmDate form(loop, nullptr, dates, "DATE next tuesday");
    EXPECT_TRUE(form.Refusal().has_value());
    TfrmDate today(loop, nullptr, dates, "DATE 24/12/2026");
    EXPECT_FALSE(today.Refusal().has_value());
    EXPECT_EQ(TextOf(today.Handle(), ids::Label1), "December 2026");
}

void Notify(HWND window, int id, WORD code) {
    ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, code),
                   reinterpret_cast<LPARAM>(::GetDlgItem(window, id)));
}

TEST(MenuDialog, OpensWithTheEntriesAndNamesNewScriptsAfterTheirCaptions) {
    MessageLoop loop;
    editor::MenuDialogValues opening;
    opening.captions[0] = "Accounts";
    opening.scripts[0] = "acct.qvs";
    opening.timeoutChecked = true;
    opening.timeoutSeconds = 10;
    TfrmMenuDev form(loop, nullptr, opening);
    HWND window = form.Handle();
    EXPECT_EQ(Caption(window), "Menu Developer");
    EXPECT_EQ(TextOf(window, ids::Edit0), "Accounts");
    EXPECT_EQ(TextOf(window, ids::Script0), "acct.qvs");
    EXPECT_TRUE(Enabled(window, ids::Script0));
    EXPECT_FALSE(Enabled(window, ids::Script1));
    EXPECT_TRUE(Checked(window, ids::CheckBox1));
    EXPECT_EQ(TextOf(window, ids::SpinEdit1), "10");
    EXPECT_TRUE(Enabled(window, ids::SpinEdit1));

    Notify(window, ids::Edit2, EN_SETFOCUS);
    EXPECT_TRUE(Checked(window, ids::RadioButton2));
    Type(window, ids::Edit2, "Mail/News");
    EXPECT_TRUE(Enabled(window, ids::Script2));
    Notify(window, ids::Edit2, EN_KILLFOCUS);
    EXPECT_EQ(TextOf(window, ids::Script2), "Mailews.qvs");
    Click(window, ids::CheckBox1);
    EXPECT_FALSE(Enabled(window, ids::SpinEdit1));
    ASSERT_TRUE(PressIn(form, ids::Button1));
    const editor::MenuDialogValues values = form.Model().Values();
    EXPECT_EQ(values.captions[2], "Mail/News");
    EXPECT_EQ(values.scripts[2], "Mailews.qvs");
    EXPECT_FALSE(values.timeoutChecked);
}

class OneBitmap : public editor::PathProbe {
  public:
    bool IsFile(const std::string& path) override { return path == "C:\\Pics\\Lake.BMP"; }
    bool IsFolder(const std::string&) override { return false; }
};

// The wallpaper as the tests see it: never the real desktop's.
class FakeWallpaper : public editor::WallpaperPort {
  public:
    std::vector<std::string> shown;
    std::string SavedWallpaper() override { return "C:\\Windows\\old.bmp"; }
    void ShowWallpaper(const std::string& path) override { shown.push_back(path); }
};

TEST(DesktopDialog, ATriedWallpaperNeverOutlastsTheDialog) {
    for (const int button : {ids::OkButton, ids::CancelButton}) {
        MessageLoop loop;
        OneBitmap paths;
        FakeWallpaper wallpaper;
        TfrmChangeDesktop form(loop, nullptr, paths, wallpaper, std::nullopt);
        HWND window = form.Handle();
        EXPECT_EQ(Caption(window), "Change Desktop");
        EXPECT_FALSE(Enabled(window, ids::Button1));
        Type(window, ids::Edit1, "C:\\Pics\\Lake.BMP");
        EXPECT_TRUE(Enabled(window, ids::Button1));
        ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(ids::Button1, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(window, ids::Button1)));
        EXPECT_EQ(TextOf(window, ids::Button1), "&Return");
        EXPECT_EQ(wallpaper.shown, (std::vector<std::string>{"C:\\Pics\\Lake.BMP"}));
        Watchdog watchdog(window);
        PressLater(window, button);
        EXPECT_EQ(form.ShowModal(nullptr), button == ids::OkButton);
        EXPECT_EQ(wallpaper.shown.back(), "C:\\Windows\\old.bmp") << button;
        EXPECT_EQ(form.Model().BuildLine(), "DESKTOP c:\\pics\\lake.bmp");
    }
}

TEST(DesktopDialog, OtherOptionsChooseARandomBitmap) {
    MessageLoop loop;
    OneBitmap paths;
    FakeWallpaper wallpaper;
    TfrmChangeDesktop form(loop, nullptr, paths, wallpaper, std::nullopt);
    HWND window = form.Handle();
    EXPECT_FALSE(Enabled(window, ids::RadioButton1));
    EXPECT_FALSE(Enabled(window, ids::RadioButton2));
    Click(window, ids::CheckBox1);
    EXPECT_FALSE(Enabled(window, ids::RadioButton1)) << "no file, so no folder of it";
    EXPECT_TRUE(Checked(window, ids::RadioButton2));
    EXPECT_TRUE(Enabled(window, ids::RadioButton2));
    ASSERT_TRUE(PressIn(form, ids::OkButton));
    EXPECT_EQ(form.Model().BuildLine(), "DESKTOP {RANDOM}");

    TfrmChangeDesktop edit(loop, nullptr, paths, wallpaper, "DESKTOP {RANDOM}c:\\pics\\");
    EXPECT_TRUE(Checked(edit.Handle(), ids::CheckBox1));
    EXPECT_TRUE(Checked(edit.Handle(), ids::RadioButton1));
    EXPECT_EQ(TextOf(edit.Handle(), ids::Edit1), "c:\\pics\\");
    EXPECT_TRUE(wallpaper.shown.empty());
}

TEST(CommandSeams, TheBuiltDialogsAreWiredToTheirAddAndEditPaths) {
    for (const int id :
         {ids::Launch1, ids::RunScript1, ids::Wait1, ids::WaitforWindow1, ids::Copy2, ids::Rename1,
          ids::DeleteFile1, ids::ScriptWindowPosition1, ids::CloseProgram1, ids::MinimizeProgram1,
          ids::SendkeystoProgram1, ids::EnableDisable1}) {
        const AddCommand* command = FindAddCommand(id);
        ASSERT_NE(command, nullptr);
        EXPECT_NE(command->handler, nullptr) << command->menuCaption;
    }
    for (const editor::RowEditor editor :
         {editor::RowEditor::RunProgram, editor::RowEditor::CopyFiles,
          editor::RowEditor::RenameFile, editor::RowEditor::DeleteFiles,
          editor::RowEditor::CloseProgram, editor::RowEditor::MinimizeProgram,
          editor::RowEditor::RunScript, editor::RowEditor::Wait, editor::RowEditor::Locate,
          editor::RowEditor::SendKeys, editor::RowEditor::EnableDisable,
          editor::RowEditor::ConnectDrive, editor::RowEditor::CapturePort, editor::RowEditor::Date,
          editor::RowEditor::MenuDialog}) {
        EXPECT_NE(RowEditHandlerFor(editor), nullptr) << static_cast<int>(editor);
    }
    EXPECT_EQ(RowEditHandlerFor(editor::RowEditor::None), nullptr);
    EXPECT_EQ(RowEditHandlerFor(editor::RowEditor::Toggle), nullptr);
}

} // namespace
} // namespace qv::win32
