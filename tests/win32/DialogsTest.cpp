#include "TestSupport.h"
#include "interpreter/win32/ControlIds.h"
#include "interpreter/win32/dialogs/MenuFrm.h"
#include "interpreter/win32/dialogs/ReplaceFrm.h"
#include "interpreter/win32/services/Win32Services.h"

#include <gtest/gtest.h>

namespace qv::win32 {
namespace {

using testing::PumpUntil;
using testing::ScratchFolder;
using testing::Watchdog;
using testing::WriteText;

std::string ItemText(HWND window, int id) {
    char text[512] = {};
    ::GetDlgItemTextA(window, id, text, sizeof(text));
    return text;
}

bool ItemVisible(HWND window, int id) {
    return (::GetWindowLongA(::GetDlgItem(window, id), GWL_STYLE) & WS_VISIBLE) != 0;
}

void Press(HWND window, int id) {
    ::PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(window, id)));
}

TEST(ReplaceTexts, SizeDateAndNameLabels) {
    EXPECT_EQ(ReplaceSizeText(0), "0 bytes");
    EXPECT_EQ(ReplaceSizeText(5000000000ull), "5000000000 bytes");
    SYSTEMTIME time{};
    time.wYear = 1997;
    time.wMonth = 4;
    time.wDay = 26;
    time.wHour = 9;
    time.wMinute = 50;
    time.wSecond = 40;
    EXPECT_EQ(ReplaceDateText(time), "modified on 26 April 1997, 09:50:40");
    EXPECT_EQ(ReplaceFileNameText("sub\\a.txt"),
              "This folder already contains a file called 'sub\\a.txt'");
    EXPECT_EQ(JoinPath("c:\\data\\", "a.txt"), "c:\\data\\a.txt");
    EXPECT_EQ(JoinPath("c:\\data", "a.txt"), "c:\\data\\a.txt");
}

class ReplaceDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ::CreateDirectoryA((scratch / "from").c_str(), nullptr);
        ::CreateDirectoryA((scratch / "to").c_str(), nullptr);
        WriteText(scratch / "from\\report.doc", "twelve bytes");
        WriteText(scratch / "to\\report.doc", "five!");
    }
    logic::ReplaceQuestion Question() const {
        return {scratch / "from\\", "report.doc", scratch / "to\\", "report.doc"};
    }

    ScratchFolder scratch;
    MessageLoop loop;
};

TEST_F(ReplaceDialogTest, ShowsBothFilesAndAnswersWithThePressedButton) {
    const struct {
        int button;
        logic::ReplaceAnswer answer;
    } cases[] = {
        {ids::butYes, logic::ReplaceAnswer::Yes},
        {ids::butYesToAll, logic::ReplaceAnswer::YesToAll},
        {ids::butNo, logic::ReplaceAnswer::No},
        {ids::butNoToAll, logic::ReplaceAnswer::NoToAll},
        {ids::butCancel, logic::ReplaceAnswer::Cancel},
    };
    for (const auto& c : cases) {
        TfrmReplace form(loop, nullptr, Question());
        ASSERT_TRUE(form.IsAlive());
        HWND window = form.Handle();
        EXPECT_EQ(ItemText(window, ids::labFilename),
                  "This folder already contains a file called 'report.doc'");
        EXPECT_EQ(ItemText(window, ids::labSizeSource), "12 bytes");
        EXPECT_EQ(ItemText(window, ids::labSizeDestin), "5 bytes");
        EXPECT_EQ(ItemText(window, ids::labDateDestin).rfind("modified on ", 0), 0u);
        Watchdog watchdog(window);
        Press(window, c.button);
        EXPECT_EQ(form.ShowModal(nullptr), c.answer) << c.button;
        EXPECT_FALSE(::IsWindow(window));
    }
}

TEST_F(ReplaceDialogTest, EscapeAndTheCloseBoxCancel) {
    for (UINT how : {0u, 1u}) {
        TfrmReplace form(loop, nullptr, Question());
        HWND window = form.Handle();
        Watchdog watchdog(window);
        if (how == 0) {
            ::PostMessageA(::GetDlgItem(window, ids::butNo), WM_KEYDOWN, VK_ESCAPE, 0);
        } else {
            ::PostMessageA(window, WM_CLOSE, 0, 0);
        }
        EXPECT_EQ(form.ShowModal(nullptr), logic::ReplaceAnswer::Cancel);
    }
}

// Answers the shown dialog from inside its modal loop, noting whether the blocked window was
// disabled at that moment.
struct BlockedProbe {
    static inline HWND blocked = nullptr;
    static inline HWND form = nullptr;
    static inline bool disabledMeanwhile = false;
    static void CALLBACK Tick(HWND, UINT, UINT_PTR timer, DWORD) {
        ::KillTimer(nullptr, timer);
        disabledMeanwhile = !::IsWindowEnabled(blocked);
        Press(form, ids::butNo);
    }
};

TEST_F(ReplaceDialogTest, KeepsTheBlockedWindowDisabledOnlyWhileAsking) {
    HWND blocked = ::CreateWindowExA(0, "STATIC", "blocked", WS_OVERLAPPEDWINDOW, 0, 0, 50, 50,
                                     nullptr, nullptr, nullptr, nullptr);
    TfrmReplace form(loop, blocked, Question());
    Watchdog watchdog(form.Handle());
    BlockedProbe::blocked = blocked;
    BlockedProbe::form = form.Handle();
    ::SetTimer(nullptr, 0, 50, &BlockedProbe::Tick);
    EXPECT_EQ(form.ShowModal(blocked), logic::ReplaceAnswer::No);
    EXPECT_TRUE(BlockedProbe::disabledMeanwhile);
    EXPECT_TRUE(::IsWindowEnabled(blocked));
    ::DestroyWindow(blocked);
}

// Moves a form to a monitor of another DPI, as the system does; returns that DPI.
int ChangeDpi(HWND window) {
    const int now = static_cast<int>(::GetDpiForWindow(window));
    const int other = now == 144 ? 96 : 144;
    RECT place{};
    ::GetWindowRect(window, &place);
    ::SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(other, other),
                   reinterpret_cast<LPARAM>(&place));
    return other;
}

RECT PlaceOf(HWND window, int id) {
    RECT rect{};
    ::GetWindowRect(::GetDlgItem(window, id), &rect);
    ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

TEST_F(ReplaceDialogTest, FollowsADpiChange) {
    TfrmReplace form(loop, nullptr, Question());
    const int dpi = ChangeDpi(form.Handle());
    const RECT cancel = PlaceOf(form.Handle(), ids::butCancel);
    EXPECT_EQ(cancel.left, MulDiv(336, dpi, 96));
    EXPECT_EQ(cancel.top, MulDiv(192, dpi, 96));
    EXPECT_EQ(cancel.right - cancel.left, MulDiv(75, dpi, 96));
}

logic::MenuModel MenuWithEntries2And5() {
    logic::MenuModel menu;
    menu.DefineItem({2, "Accounts", "c:\\scripts\\acct.qvc"});
    menu.DefineItem({5, "Sales", "c:\\scripts\\sales.qvc"});
    return menu;
}

TEST(MenuDialog, ShowsOnlyDefinedEntriesAndTheChosenOneRuns) {
    MessageLoop loop;
    logic::MenuModel menu = MenuWithEntries2And5();
    menu.StartTimeOut(logic::ReadMenuDefaultLine("MENU DEFAULT 10"));
    ASSERT_FALSE(menu.BeginShow());
    TfrmMenu form(loop, nullptr, menu, false, false);
    HWND window = form.Handle();
    ASSERT_TRUE(window);
    char title[32] = {};
    ::GetWindowTextA(window, title, sizeof(title));
    EXPECT_STREQ(title, "Menu");
    EXPECT_EQ(ItemText(window, ids::RadioGroup1), "Main Menu");
    for (int n = 1; n <= 9; ++n)
        EXPECT_EQ(ItemVisible(window, ids::RadioButton1 + n - 1), n == 2 || n == 5) << n;
    EXPECT_EQ(ItemText(window, ids::RadioButton1 + 1), "Accounts");
    EXPECT_EQ(ItemText(window, ids::TimeOut), "Menu Default will Activate in :  10 Seconds");
    EXPECT_TRUE(ItemVisible(window, ids::MenuCancelBut));
    RECT client{};
    ::GetClientRect(window, &client);
    EXPECT_EQ(client.right, 282);
    EXPECT_EQ(client.bottom, 227);

    Watchdog watchdog(window);
    Press(window, ids::RadioButton1 + 4);
    Press(window, ids::butOk);
    EXPECT_TRUE(form.ShowModal(nullptr));
    EXPECT_EQ(menu.Choice(), "c:\\scripts\\sales.qvc");
    EXPECT_FALSE(menu.TimerRunning());
    EXPECT_EQ(menu.TimeOutText(), logic::TimeoutDeactivatedText);
}

TEST(MenuDialog, KeysAndMinimisingStopTheCountDown) {
    MessageLoop loop;
    logic::MenuModel menu = MenuWithEntries2And5();
    menu.StartTimeOut(logic::ReadMenuDefaultLine("MENU DEFAULT 10"));
    ASSERT_FALSE(menu.BeginShow());
    TfrmMenu form(loop, nullptr, menu, false, true);
    HWND window = form.Handle();
    Watchdog watchdog(window);
    ::PostMessageA(::GetDlgItem(window, ids::butOk), WM_KEYDOWN, VK_F8, 0);
    ::PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(form.ShowModal(nullptr));
    EXPECT_EQ(menu.TimeOutText(), logic::F8PromptOnText);
    EXPECT_FALSE(menu.TimerRunning());

    logic::MenuModel second = MenuWithEntries2And5();
    ASSERT_FALSE(second.BeginShow());
    TfrmMenu minimised(loop, nullptr, second, false, false);
    Watchdog watchdog2(minimised.Handle());
    ::ShowWindow(minimised.Handle(), SW_SHOWNORMAL);
    ::ShowWindow(minimised.Handle(), SW_MINIMIZE);
    EXPECT_EQ(second.TimeOutText(), logic::TimeoutDeactivatedText);
    ::PostMessageA(minimised.Handle(), WM_CHAR, 'x', 0);
    Press(minimised.Handle(), ids::butOk);
    EXPECT_TRUE(minimised.ShowModal(nullptr));
    EXPECT_EQ(second.Choice(), "c:\\scripts\\acct.qvc");
}

// Presses Down, then Enter, on a chosen control from inside the modal loop.
struct ArrowKeys {
    static inline HWND target = nullptr;
    static void CALLBACK Press(HWND, UINT, UINT_PTR timer, DWORD) {
        ::KillTimer(nullptr, timer);
        ::SetFocus(target);
        ::PostMessageA(target, WM_KEYDOWN, VK_DOWN, 0);
        ::PostMessageA(target, WM_KEYDOWN, VK_RETURN, 0);
    }
};

TEST(MenuDialog, ArrowKeysChooseTheNextShownEntryAndEnterTakesIt) {
    MessageLoop loop;
    logic::MenuModel menu = MenuWithEntries2And5();
    menu.StartTimeOut(logic::ReadMenuDefaultLine("MENU DEFAULT 10"));
    ASSERT_FALSE(menu.BeginShow());
    TfrmMenu form(loop, nullptr, menu, false, false);
    HWND window = form.Handle();
    Watchdog watchdog(window);
    HWND accounts = ::GetDlgItem(window, ids::RadioButton1 + 1);
    ArrowKeys::target = accounts;
    ::SetTimer(nullptr, 0, 50, &ArrowKeys::Press);
    EXPECT_TRUE(form.ShowModal(nullptr));
    // The hidden entries 3 and 4 are passed over.
    EXPECT_EQ(menu.Choice(), "c:\\scripts\\sales.qvc");
    EXPECT_EQ(menu.TimeOutText(), logic::TimeoutDeactivatedText);
}

TEST(MenuDialog, FollowsADpiChangeWithItsBoldGroupCaption) {
    MessageLoop loop;
    logic::MenuModel menu = MenuWithEntries2And5();
    TfrmMenu form(loop, nullptr, menu, false, false);
    const int dpi = ChangeDpi(form.Handle());
    const RECT entry = PlaceOf(form.Handle(), ids::RadioButton5);
    EXPECT_EQ(entry.left, MulDiv(16, dpi, 96));
    EXPECT_EQ(entry.top, MulDiv(24 + 16 * 4, dpi, 96));
    LOGFONTA caption{};
    ::GetObjectA(reinterpret_cast<HFONT>(
                     ::SendDlgItemMessageA(form.Handle(), ids::RadioGroup1, WM_GETFONT, 0, 0)),
                 sizeof(caption), &caption);
    EXPECT_EQ(caption.lfHeight, -MulDiv(13, dpi, 96));
    EXPECT_EQ(caption.lfWeight, FW_BOLD);
}

TEST(MenuDialog, WithoutQuitTheCloseBoxIsRefused) {
    MessageLoop loop;
    logic::MenuModel menu = MenuWithEntries2And5();
    ASSERT_FALSE(menu.BeginShow());
    TfrmMenu form(loop, nullptr, menu, true, false);
    HWND window = form.Handle();
    EXPECT_FALSE(ItemVisible(window, ids::MenuCancelBut));
    Watchdog watchdog(window);
    ::PostMessageA(window, WM_CLOSE, 0, 0);
    ::PostMessageA(::GetDlgItem(window, ids::butOk), WM_KEYDOWN, VK_ESCAPE, 0);
    Press(window, ids::MenuCancelBut);
    // Only "&Ok" ends it: the requests before it were refused.
    Press(window, ids::butOk);
    EXPECT_TRUE(form.ShowModal(nullptr));
}

TEST(Win32ServicesMenu, TheTimeOutTimerTicksAndClosesTheShownMenu) {
    MessageLoop loop;
    Win32Services services(loop, nullptr, MachineCalls{});
    logic::MenuModel menu = MenuWithEntries2And5();
    menu.StartTimeOut(logic::ReadMenuDefaultLine("MENU DEFAULT 2"));
    int ticks = 0;
    services.SetMenuTimerHandler([&] {
        ++ticks;
        const bool close = menu.Tick();
        services.RefreshMenu(menu);
        if (close) {
            services.StopMenuTimer();
            services.CloseMenu();
        }
    });
    // The timer runs before the menu is shown too.
    services.StartMenuTimer(20);
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 1; }));
    ASSERT_FALSE(menu.BeginShow());
    EXPECT_TRUE(services.ShowMenu(menu, false, false));
    EXPECT_EQ(ticks, 2);
    EXPECT_EQ(menu.Counter(), 0);
    // Stopped: no further ticks.
    PumpUntil([] { return false; }, 100);
    EXPECT_EQ(ticks, 2);
}

TEST(Win32ServicesMenu, ReportsWhereTheProgressWindowStands) {
    MessageLoop loop;
    HWND progress = ::CreateWindowExA(0, "STATIC", "progress", WS_POPUP, 120, 340, 50, 50, nullptr,
                                      nullptr, nullptr, nullptr);
    Win32Services services(loop, progress, MachineCalls{});
    const interp::WindowPoint place = services.ProgressWindowPosition();
    EXPECT_EQ(place.left, 120);
    EXPECT_EQ(place.top, 340);
    ::DestroyWindow(progress);
}

} // namespace
} // namespace qv::win32
