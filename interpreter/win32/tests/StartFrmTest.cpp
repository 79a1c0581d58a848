#include "interpreter/win32/StartFrm.h"

#include "common/win32/ApplicationWindow.h"
#include "common/win32/Dpi.h"
#include "common/win32/Window.h"
#include "interpreter/win32/ControlIds.h"

#include <gtest/gtest.h>

#include <vector>

namespace qv::win32 {
namespace {

using interp::Key;
using interp::TimerId;

class RecordingEvents : public StartFrmEvents {
  public:
    void OnTimer(TimerId id) override { timers.push_back(id); }
    void CancelButClick() override { clicks.push_back(ids::CancelBut); }
    void Button1Click() override { clicks.push_back(ids::Button1); }
    void cmdPauseClick() override { clicks.push_back(ids::cmdPause); }
    void TrayIcon1Click() override { ++trayClicks; }
    void FormKeyDown(Key key) override { keys.push_back(key); }
    bool FormCloseQuery() override {
        ++closeQueries;
        return closeAllowed;
    }
    bool QueryEndSession() override {
        ++endQueries;
        return closeAllowed;
    }
    void EndSession() override { ++sessionEnds; }

    std::vector<TimerId> timers;
    std::vector<int> clicks;
    std::vector<Key> keys;
    int trayClicks = 0;
    int closeQueries = 0;
    int endQueries = 0;
    int sessionEnds = 0;
    bool closeAllowed = true;
};

class StartFrmTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(app_.IsAlive()) << "no window station (run under a display)";
        ASSERT_TRUE(form_.IsAlive());
        form_.SetEvents(&events_);
    }
    void TearDown() override {
        form_.SetEvents(nullptr);
        MSG message{};
        // Dispatched, not dropped: a paint left undone would come back for ever.
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message != WM_QUIT) {
                ::DispatchMessageA(&message);
            }
        }
    }

    HWND Item(int id) const { return ::GetDlgItem(form_.Handle(), id); }
    RECT Place(int id) const {
        RECT rect = Window(Item(id)).WindowRect();
        ::MapWindowPoints(nullptr, form_.Handle(), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
    RECT Design(int left, int top, int width, int height) const {
        const int dpi = form_.Dpi();
        const int x = Scale(left, dpi);
        const int y = Scale(top, dpi);
        return RECT{x, y, x + Scale(width, dpi), y + Scale(height, dpi)};
    }
    void ExpectPlace(int id, RECT expected) const {
        const RECT actual = Place(id);
        EXPECT_EQ(actual.left, expected.left) << "control " << id;
        EXPECT_EQ(actual.top, expected.top) << "control " << id;
        EXPECT_EQ(actual.right, expected.right) << "control " << id;
        EXPECT_EQ(actual.bottom, expected.bottom) << "control " << id;
    }
    void PostKey(HWND target, WPARAM key) {
        ::PostMessageA(target, WM_KEYDOWN, key, 0);
        loop_.ProcessMessages();
    }
    // Pumps until `done` or two seconds have passed.
    template <typename Done> void PumpUntil(Done done) {
        const DWORD start = ::GetTickCount();
        while (!done() && ::GetTickCount() - start < 2000) {
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
            loop_.ProcessMessages();
        }
    }

    MessageLoop loop_;
    ApplicationWindow app_{"Quorvel", nullptr};
    TStartFrm form_{loop_, app_.Handle()};
    RecordingEvents events_;
};

struct ControlCase {
    int id;
    int left, top, width, height;
    const char* caption;
    bool visible;
};

TEST_F(StartFrmTest, LayoutMatchesTheWindowTable) {
    const ControlCase cases[] = {
        {ids::IconHolder, 5, 4, 36, 37, "", true},
        {ids::TimeIcon, 5, 44, 36, 37, "", false},
        {ids::Count, 10, 54, 24, 13, "20", false},
        {ids::LoadingAppName, 47, 3, 257, 83, "Loading Quorvel", true},
        {ids::CancelBut, 309, 3, 73, 24, "Cance&l", true},
        {ids::Button1, 309, 30, 73, 23, "&Next >>", true},
        {ids::cmdPause, 309, 56, 73, 24, "&Pause", true},
        {ids::Anim, 29, 64, 272, 60, "", false},
    };
    for (const ControlCase& c : cases) {
        ASSERT_NE(Item(c.id), nullptr) << c.id;
        ExpectPlace(c.id, Design(c.left, c.top, c.width, c.height));
        EXPECT_EQ(Window(Item(c.id)).Text(), c.caption) << c.id;
        const bool visibleStyle = (::GetWindowLongPtrA(Item(c.id), GWL_STYLE) & WS_VISIBLE) != 0;
        EXPECT_EQ(visibleStyle, c.visible) << c.id;
    }
    const RECT client = form_.Self().ClientRect();
    EXPECT_EQ(client.right, Scale(385, form_.Dpi()));
    EXPECT_EQ(client.bottom, Scale(84, form_.Dpi()));
    EXPECT_EQ(form_.Self().Text(), "Trevanta's - Quorvel v2.0");
    EXPECT_FALSE(form_.Self().IsVisible()) << "created hidden";
}

TEST_F(StartFrmTest, FixedSingleBorderWithTheSystemMenuOnlyAndNoTaskbarButton) {
    const auto style = static_cast<DWORD>(::GetWindowLongPtrA(form_.Handle(), GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(::GetWindowLongPtrA(form_.Handle(), GWL_EXSTYLE));
    EXPECT_EQ(style & WS_CAPTION, static_cast<DWORD>(WS_CAPTION));
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);
    EXPECT_EQ(::GetWindow(form_.Handle(), GW_OWNER), app_.Handle());
    EXPECT_FALSE(app_.Self().IsVisible());
    const auto cancelStyle = ::GetWindowLongPtrA(Item(ids::CancelBut), GWL_STYLE);
    EXPECT_EQ(cancelStyle & BS_TYPEMASK, BS_DEFPUSHBUTTON);
}

TEST_F(StartFrmTest, CopyLayoutGrowsTheWindowAndRestoresItAfterwards) {
    const int dpi = form_.Dpi();
    form_.SetClockVisible(true);
    form_.SetCopyLayout(true);
    EXPECT_EQ(form_.Self().ClientRect().bottom, Scale(84 + 46, dpi));
    ExpectPlace(ids::LoadingAppName, Design(8, 3, 297, 83));
    EXPECT_TRUE(::GetWindowLongPtrA(Item(ids::Anim), GWL_STYLE) & WS_VISIBLE);
    EXPECT_FALSE(::GetWindowLongPtrA(Item(ids::IconHolder), GWL_STYLE) & WS_VISIBLE);
    EXPECT_FALSE(::GetWindowLongPtrA(Item(ids::TimeIcon), GWL_STYLE) & WS_VISIBLE);

    form_.SetCopyLayout(false);
    EXPECT_EQ(form_.Self().ClientRect().bottom, Scale(84, dpi));
    ExpectPlace(ids::LoadingAppName, Design(48, 3, 257, 83));
    EXPECT_FALSE(::GetWindowLongPtrA(Item(ids::Anim), GWL_STYLE) & WS_VISIBLE);
    EXPECT_TRUE(::GetWindowLongPtrA(Item(ids::IconHolder), GWL_STYLE) & WS_VISIBLE);
    EXPECT_TRUE(::GetWindowLongPtrA(Item(ids::TimeIcon), GWL_STYLE) & WS_VISIBLE)
        << "the clock comes back when it was on before the copy";
}

TEST_F(StartFrmTest, ShowCentredPlacesTheWindowInTheMiddleOfTheScreen) {
    form_.ShowCentred();
    loop_.ProcessMessages();
    EXPECT_TRUE(form_.Self().IsVisible());
    const RECT rect = form_.Self().WindowRect();
    const int screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
    EXPECT_NEAR((rect.left + rect.right) / 2, screenWidth / 2, 1);
    EXPECT_NEAR((rect.top + rect.bottom) / 2, screenHeight / 2, 1);
    EXPECT_EQ(::GetFocus(), Item(ids::CancelBut));
}

TEST_F(StartFrmTest, StatusAndCountTextsAreKeptExactlyAsGiven) {
    form_.SetStatusText("Checking for a File for\rComputer Name : PC1");
    EXPECT_EQ(Window(Item(ids::LoadingAppName)).Text(),
              "Checking for a File for\rComputer Name : PC1");
    form_.SetCountText("6");
    form_.SetCountVisible(true);
    EXPECT_EQ(Window(Item(ids::Count)).Text(), "6");
    EXPECT_TRUE(::GetWindowLongPtrA(Item(ids::Count), GWL_STYLE) & WS_VISIBLE);
    form_.SetTitle("Trevanta's - Quorvel v2.0 - Script Paused");
    EXPECT_EQ(form_.Self().Text(), "Trevanta's - Quorvel v2.0 - Script Paused");
    form_.SetButtonCaption(interp::Button::Button1, "&Minimize");
    EXPECT_EQ(Window(Item(ids::Button1)).Text(), "&Minimize");
    form_.SetButtonEnabled(interp::Button::CancelBut, false);
    EXPECT_FALSE(Window(Item(ids::CancelBut)).IsEnabled());
}

TEST_F(StartFrmTest, TimersFireWhileRunningAndNeverAfterStopping) {
    form_.StartTimer(TimerId::Digits, 10);
    PumpUntil([&] { return events_.timers.size() >= 2; });
    ASSERT_GE(events_.timers.size(), 2u);
    for (TimerId id : events_.timers) {
        EXPECT_EQ(id, TimerId::Digits);
    }
    form_.StopTimer(TimerId::Digits);
    EXPECT_FALSE(form_.TimerRunning(TimerId::Digits));
    events_.timers.clear();
    // A tick that was already queued when the timer stopped is dropped.
    ::PostMessageA(form_.Handle(), WM_TIMER, static_cast<WPARAM>(TimerId::Digits) + 1, 0);
    loop_.ProcessMessages();
    EXPECT_TRUE(events_.timers.empty());
}

TEST_F(StartFrmTest, EachTimerReportsItsOwnId) {
    form_.StartTimer(TimerId::WaitforClose, 10);
    form_.StartTimer(TimerId::WaitTimer, 10);
    PumpUntil([&] {
        bool close = false;
        bool wait = false;
        for (TimerId id : events_.timers) {
            close = close || id == TimerId::WaitforClose;
            wait = wait || id == TimerId::WaitTimer;
        }
        return close && wait;
    });
    form_.StopTimer(TimerId::WaitforClose);
    form_.StopTimer(TimerId::WaitTimer);
    for (TimerId id : events_.timers) {
        EXPECT_TRUE(id == TimerId::WaitforClose || id == TimerId::WaitTimer);
    }
    EXPECT_FALSE(events_.timers.empty());
}

TEST_F(StartFrmTest, FunctionKeysReachTheFormWhicheverControlHasThem) {
    PostKey(Item(ids::Button1), VK_F5);
    PostKey(Item(ids::cmdPause), VK_F8);
    PostKey(form_.Handle(), VK_F8);
    EXPECT_EQ(events_.keys, (std::vector<Key>{Key::F5, Key::F8, Key::F8}));
    EXPECT_TRUE(events_.clicks.empty());
}

TEST_F(StartFrmTest, EnterAndEscapePressCancelUnlessAnotherButtonHasTheFocus) {
    form_.ShowCentred();
    loop_.ProcessMessages();
    PostKey(Item(ids::CancelBut), VK_ESCAPE);
    PostKey(Item(ids::CancelBut), VK_RETURN);
    ::SetFocus(Item(ids::cmdPause));
    PostKey(Item(ids::cmdPause), VK_RETURN);
    PostKey(Item(ids::cmdPause), VK_ESCAPE);
    EXPECT_EQ(events_.clicks,
              (std::vector<int>{ids::CancelBut, ids::CancelBut, ids::cmdPause, ids::CancelBut}));
}

TEST_F(StartFrmTest, ADisabledCancelIgnoresEnterAndEscape) {
    form_.SetButtonEnabled(interp::Button::CancelBut, false);
    PostKey(form_.Handle(), VK_ESCAPE);
    PostKey(form_.Handle(), VK_RETURN);
    EXPECT_TRUE(events_.clicks.empty());
}

TEST_F(StartFrmTest, ButtonClicksReachTheRunner) {
    for (int id : {ids::Button1, ids::cmdPause, ids::CancelBut}) {
        ::SendMessageA(Item(id), BM_CLICK, 0, 0);
    }
    EXPECT_EQ(events_.clicks, (std::vector<int>{ids::Button1, ids::cmdPause, ids::CancelBut}));
}

TEST_F(StartFrmTest, CloseIsRefusedWhenTheRunnerSaysNo) {
    form_.ShowCentred();
    events_.closeAllowed = false;
    form_.Self().Send(WM_CLOSE);
    EXPECT_EQ(form_.Self().Send(WM_QUERYENDSESSION, 0, 0), FALSE);
    EXPECT_EQ(events_.closeQueries, 1);
    EXPECT_EQ(events_.endQueries, 1);
    EXPECT_TRUE(form_.Self().IsVisible());
    EXPECT_FALSE(loop_.QuitRequested());

    events_.closeAllowed = true;
    EXPECT_EQ(form_.Self().Send(WM_QUERYENDSESSION, 0, 0), TRUE);
    form_.Self().Send(WM_CLOSE);
    EXPECT_TRUE(loop_.QuitRequested());
    EXPECT_FALSE(form_.Self().IsVisible());
}

TEST_F(StartFrmTest, OnlyASessionThatReallyEndsEndsTheRun) {
    form_.ShowCentred();
    EXPECT_EQ(form_.Self().Send(WM_QUERYENDSESSION, 0, 0), TRUE);
    // Another program refused: the session goes on, and so does the run.
    form_.Self().Send(WM_ENDSESSION, FALSE, 0);
    EXPECT_EQ(events_.sessionEnds, 0);
    EXPECT_FALSE(loop_.QuitRequested());
    EXPECT_TRUE(form_.Self().IsVisible());

    form_.Self().Send(WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(events_.sessionEnds, 1);
    EXPECT_TRUE(loop_.QuitRequested());
}

TEST_F(StartFrmTest, TrayIconClickShowsUpAsTheRunnersEvent) {
    form_.SetTrayIcon(true);
    EXPECT_TRUE(form_.TrayIcon1().Active());
    HWND tray = ::FindWindowA(ids::TrayIconClass, nullptr);
    ASSERT_EQ(tray, form_.TrayIcon1().Handle());
    ::SendMessageA(tray, ids::TrayCallbackMessage, 1, WM_MOUSEMOVE);
    ::SendMessageA(tray, ids::TrayCallbackMessage, 1, WM_LBUTTONUP);
    EXPECT_EQ(events_.trayClicks, 1);
    form_.SetTrayIcon(false);
    EXPECT_FALSE(form_.TrayIcon1().Active());
}

TEST(TrayIcon, ToolTipIsCutAtSixtyTwoCharacters) {
    TTrayIcon tray;
    tray.SetToolTip(std::string(70, 'x'));
    EXPECT_EQ(tray.ToolTip(), std::string(62, 'x'));
    tray.SetToolTip("Quorvel");
    EXPECT_EQ(tray.ToolTip(), "Quorvel");
}

} // namespace
} // namespace qv::win32
