#include "TestSupport.h"
#include "interpreter/win32/services/Win32WindowList.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qv::win32 {
namespace {

using testing::PumpUntil;

HWND MakeWindow(const std::string& title, bool visible = true) {
    HWND window = ::CreateWindowExA(0, "STATIC", title.c_str(),
                                    WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0), 10, 10, 200,
                                    100, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    return window;
}

// Where the window stands in the list; -1 when absent.
int PlaceOf(const std::vector<interp::WindowEntry>& list, HWND window) {
    const auto found = std::find_if(list.begin(), list.end(), [&](const interp::WindowEntry& e) {
        return e.handle == reinterpret_cast<std::uintptr_t>(window);
    });
    return found == list.end() ? -1 : static_cast<int>(found - list.begin());
}

TEST(Win32WindowList, FindsWindowsByTitleInZOrderAndFiltersHiddenOnes) {
    Win32WindowList list;
    HWND lower = MakeWindow("QV list probe lower");
    HWND upper = MakeWindow("QV list probe upper");
    HWND hidden = MakeWindow("QV list probe hidden", false);
    ASSERT_TRUE(lower && upper && hidden);
    ::SetWindowPos(upper, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    std::vector<interp::WindowEntry> all = list.TopLevelWindows(false);
    const int upperPlace = PlaceOf(all, upper);
    const int lowerPlace = PlaceOf(all, lower);
    ASSERT_GE(upperPlace, 0);
    ASSERT_GE(lowerPlace, 0);
    EXPECT_LT(upperPlace, lowerPlace);
    EXPECT_EQ(all[upperPlace].title, "QV list probe upper");
    EXPECT_GE(PlaceOf(all, hidden), 0);

    // Raising the other window changes the order the list is walked in.
    ::SetWindowPos(lower, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    all = list.TopLevelWindows(false);
    EXPECT_LT(PlaceOf(all, lower), PlaceOf(all, upper));

    const std::vector<interp::WindowEntry> visible = list.TopLevelWindows(true);
    EXPECT_GE(PlaceOf(visible, upper), 0);
    EXPECT_EQ(PlaceOf(visible, hidden), -1);

    ::DestroyWindow(lower);
    ::DestroyWindow(upper);
    ::DestroyWindow(hidden);
}

TEST(Win32WindowList, CutsLongTitlesTo255Characters) {
    Win32WindowList list;
    const std::string title = "QV long " + std::string(300, 'x');
    HWND window = MakeWindow(title);
    ASSERT_TRUE(window);
    const std::vector<interp::WindowEntry> all = list.TopLevelWindows(false);
    const int place = PlaceOf(all, window);
    ASSERT_GE(place, 0);
    EXPECT_EQ(all[place].title, title.substr(0, 255));
    ::DestroyWindow(window);
}

TEST(Win32WindowList, PostedCloseEndsTheWindowAndMinimiseIconicOne) {
    Win32WindowList list;
    HWND closing = MakeWindow("QV list probe close");
    HWND minimising = MakeWindow("QV list probe minimise");
    ASSERT_TRUE(closing && minimising);

    list.PostSysCommand(reinterpret_cast<std::uintptr_t>(closing), SC_CLOSE);
    list.PostSysCommand(reinterpret_cast<std::uintptr_t>(minimising), SC_MINIMIZE);
    // Posted, not sent: nothing has happened before the messages are pumped.
    EXPECT_TRUE(::IsWindow(closing));
    EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(closing); }));
    EXPECT_TRUE(PumpUntil([&] { return ::IsIconic(minimising) != FALSE; }));

    EXPECT_FALSE(list.BringWindowToFront(reinterpret_cast<std::uintptr_t>(closing)));
    ::DestroyWindow(minimising);
}

} // namespace
} // namespace qv::win32
