#include "TestSupport.h"
#include "interpreter/core/SendKey.h"
#include "interpreter/win32/services/Win32Keyboard.h"
#include "interpreter/win32/services/Win32WindowList.h"

#include <gtest/gtest.h>

namespace qv::win32 {
namespace {

using testing::PumpUntil;

// A window of the test's own with an edit box that takes the typed keys.
class TypingTarget {
  public:
    TypingTarget() {
        frame_ =
            ::CreateWindowExA(0, "STATIC", "QV typing target", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20,
                              20, 300, 120, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
        edit_ = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 5, 5, 280,
                                  24, frame_, nullptr, ::GetModuleHandleA(nullptr), nullptr);
        // As a program's main window does: the focus it is given goes on to its edit box.
        ::SetPropA(frame_, "QvStaticProc",
                   reinterpret_cast<HANDLE>(::SetWindowLongPtrA(
                       frame_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FrameProc))));
    }
    ~TypingTarget() {
        ::SetWindowLongPtrA(frame_, GWLP_WNDPROC,
                            reinterpret_cast<LONG_PTR>(::RemovePropA(frame_, "QvStaticProc")));
        ::DestroyWindow(frame_);
    }

    HWND Frame() const { return frame_; }
    HWND Edit() const { return edit_; }
    std::string Text() const {
        char text[256] = {};
        ::GetWindowTextA(edit_, text, sizeof(text));
        return text;
    }

  private:
    static LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        const auto previous = reinterpret_cast<WNDPROC>(::GetPropA(window, "QvStaticProc"));
        if (message == WM_SETFOCUS) {
            if (HWND edit = ::GetWindow(window, GW_CHILD)) {
                ::SetFocus(edit);
                return 0;
            }
        }
        return ::CallWindowProcA(previous, window, message, wParam, lParam);
    }

    HWND frame_ = nullptr;
    HWND edit_ = nullptr;
};

TEST(Win32Keyboard, TypesAKeyTextIntoTheFocusedWindow) {
    Win32Keyboard keyboard;
    Win32WindowList windows;
    TypingTarget target;
    ASSERT_TRUE(target.Edit());
    const auto frame = reinterpret_cast<std::uintptr_t>(target.Frame());
    ASSERT_TRUE(windows.BringWindowToFront(frame));
    ::SetFocus(target.Edit());
    PumpUntil([] { return false; }, 100);
    EXPECT_TRUE(windows.IsForeground(frame));
    EXPECT_FALSE(windows.RunsAboveOwnLevel(frame));

    interp::TSendKey sender(keyboard, windows);
    // "~" makes the next key shifted; {BKSP} takes back the "x".
    const interp::TSendKey::Result result = sender.SendKeysTo("ab~c1 x{BKSP}", frame);
    EXPECT_EQ(result.value, 0);
    EXPECT_FALSE(result.fault);
    EXPECT_TRUE(PumpUntil([&] { return target.Text() == "abC1 "; })) << target.Text();
}

TEST(Win32WindowList, AWindowBehindAnotherIsNotInFront) {
    Win32WindowList windows;
    TypingTarget behind;
    TypingTarget front;
    const auto behindHandle = reinterpret_cast<std::uintptr_t>(behind.Frame());
    ASSERT_TRUE(windows.BringWindowToFront(reinterpret_cast<std::uintptr_t>(front.Frame())));
    PumpUntil([] { return false; }, 100);
    EXPECT_FALSE(windows.IsForeground(behindHandle));
    EXPECT_FALSE(windows.IsForeground(0));
}

TEST(Win32Keyboard, ReadsTheLayoutsKeyCodes) {
    Win32Keyboard keyboard;
    // Low byte: the key; high byte: the shift state.
    EXPECT_EQ(keyboard.KeyScan('a') & 0xFF, 'A');
    EXPECT_EQ(keyboard.KeyScan('a') >> 8, 0);
    EXPECT_EQ(keyboard.KeyScan('A') >> 8, 1);
    EXPECT_EQ(keyboard.KeyScan('7') & 0xFF, '7');
    EXPECT_EQ(keyboard.ScanCodeOf('A'), 0x1Eu);
    EXPECT_EQ(keyboard.ScanCodeOf(VK_RETURN), 0x1Cu);
}

TEST(Win32Keyboard, WithoutTheOutsideLibraryReportsItMissing) {
    Win32Keyboard keyboard;
    EXPECT_FALSE(keyboard.LoadKeyLibrary());
    EXPECT_FALSE(keyboard.LoadKeyLibrary());
    EXPECT_EQ(keyboard.CallKeyLibrary("abc"), -1);
}

} // namespace
} // namespace qv::win32
