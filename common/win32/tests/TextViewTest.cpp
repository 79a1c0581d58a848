#include "common/win32/TextView.h"
#include "common/win32/Window.h"

#include <gtest/gtest.h>

#include <string>

namespace qv::win32 {
namespace {

class TextViewTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(RegisterTextViewClass());
        view_ = ::CreateWindowExA(0, TextViewClass, "first", WS_POPUP | WS_VSCROLL | WS_HSCROLL, 0,
                                  0, 300, 200, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(view_, nullptr) << "no window station (run under a display)";
    }
    void TearDown() override { ::DestroyWindow(view_); }

    SCROLLINFO Scroll(int bar) const {
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_ALL;
        ::GetScrollInfo(view_, bar, &info);
        return info;
    }

    HWND view_ = nullptr;
};

TEST_F(TextViewTest, GivesBackExactlyTheTextItWasGiven) {
    EXPECT_EQ(Window(view_).Text(), "first") << "the creation text counts";
    const std::string text = "a\r\n\tb\rc\nd\r\n\r\n" + std::string(70000, 'e');
    Window(view_).SetText(text);
    EXPECT_EQ(Window(view_).Text(), text);
    EXPECT_EQ(::GetWindowTextLengthA(view_), static_cast<int>(text.size()));

    char small[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(::GetWindowTextA(view_, small, sizeof(small)), 3);
    EXPECT_STREQ(small, "a\r\n");
    Window(view_).SetText("");
    EXPECT_EQ(Window(view_).Text(), "");
}

TEST_F(TextViewTest, ScrollsThroughMoreLinesThanAScrollMessageCanCount) {
    std::string text;
    for (int i = 0; i < 200000; ++i) {
        text += "Line " + std::to_string(i) + "\r\n";
    }
    Window(view_).SetText(text);
    // 200,000 lines and the empty one after the last break.
    EXPECT_EQ(Scroll(SB_VERT).nMax, 200000);
    ::SendMessageA(view_, WM_KEYDOWN, VK_NEXT, 0);
    const int page = Scroll(SB_VERT).nPos;
    EXPECT_GT(page, 0);
    ::SendMessageA(view_, WM_VSCROLL, SB_BOTTOM, 0);
    const SCROLLINFO bottom = Scroll(SB_VERT);
    EXPECT_EQ(bottom.nPos, bottom.nMax - static_cast<int>(bottom.nPage) + 1);
    EXPECT_GT(bottom.nPos, 65535);
    ::SendMessageA(view_, WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(Scroll(SB_VERT).nPos, 0);
}

TEST_F(TextViewTest, AVeryLongLineScrollsSideways) {
    Window(view_).SetText(std::string(1 << 20, 'X'));
    const SCROLLINFO horizontal = Scroll(SB_HORZ);
    EXPECT_GT(horizontal.nMax, 100000);
    ::SendMessageA(view_, WM_HSCROLL, SB_PAGEDOWN, 0);
    EXPECT_GT(Scroll(SB_HORZ).nPos, 0);
    ::UpdateWindow(view_); // painting a megabyte line must not measure all of it
}

} // namespace
} // namespace qv::win32
