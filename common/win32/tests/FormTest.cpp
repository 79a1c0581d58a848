#include "common/win32/Form.h"
#include "common/win32/Controls.h"
#include "common/win32/Dpi.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace qv::win32 {
namespace {

enum Id { NameEdit = 10, OkBut = 11, OtherBut = 12, CancelBut = 13, Check1 = 14 };

constexpr ControlSpec Controls[] = {
    {NameEdit, ControlKind::Edit, 8, 8, 180, 21, "", WS_BORDER | ES_AUTOHSCROLL},
    {Check1, ControlKind::CheckBox, 8, 36, 120, 17, "&Check"},
    {OkBut, ControlKind::DefaultButton, 8, 64, 75, 25, "&Ok"},
    {OtherBut, ControlKind::Button, 88, 64, 75, 25, "&Other"},
    {CancelBut, ControlKind::Button, 168, 64, 75, 25, "Cancel"},
};

constexpr DWORD Style = WS_POPUP | WS_CAPTION | WS_SYSMENU;

FormSpec TestSpec(Placement placement) {
    return {.className = "QvFormTest",
            .title = "Form test",
            .style = Style,
            .exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT,
            .width = 251,
            .height = 97,
            .controls = Controls,
            .defaultButton = OkBut,
            .cancelButton = CancelBut,
            .initialFocus = NameEdit,
            .placement = placement};
}

// Answers with the button pressed; 0 until one is.
class TestDialog : public Dialog<int> {
  public:
    explicit TestDialog(MessageLoop& loop, HWND owner = nullptr,
                        Placement placement = Placement::CentreOnScreen)
        : Dialog(loop, TestSpec(placement), owner, 0) {}

    // Run from inside the modal loop, once it is up.
    std::function<void(TestDialog&)> whenShown;

  protected:
    void OnCommand(int id, int code) override {
        if (code == BN_CLICKED && (id == OkBut || id == OtherBut || id == CancelBut)) {
            Finish(id);
        }
    }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_APP) {
            if (whenShown) {
                whenShown(*this);
            }
            return 0;
        }
        return Dialog::HandleMessage(message, wParam, lParam);
    }
};

// Shows the dialog and, once its loop runs, does `action`; a watchdog ends a run that hangs.
int RunWith(TestDialog& dialog, std::function<void(TestDialog&)> action, HWND blocked = nullptr) {
    dialog.whenShown = std::move(action);
    dialog.Self().Post(WM_APP);
    static HWND watched = nullptr;
    watched = dialog.Handle();
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 10000, [](HWND, UINT, UINT_PTR, DWORD) {
        ADD_FAILURE() << "the dialog was still open after 10 s";
        ::DestroyWindow(watched);
    });
    const int result = dialog.ShowModal(blocked);
    ::KillTimer(nullptr, timer);
    return result;
}

RECT PlaceInParent(HWND control) {
    RECT rect = Window(control).WindowRect();
    ::MapWindowPoints(nullptr, ::GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

TEST(Form, BuildsItsTableAtItsDpiWithTheMessageFontAndCentresItself) {
    MessageLoop loop;
    TestDialog dialog(loop);
    ASSERT_TRUE(dialog.IsAlive()) << "no window station (run under a display)";
    const int dpi = dialog.Dpi();
    const RECT client = dialog.Self().ClientRect();
    EXPECT_EQ(client.right, Scale(251, dpi));
    EXPECT_EQ(client.bottom, Scale(97, dpi));
    const RECT other = PlaceInParent(dialog.Control(OtherBut).Handle());
    EXPECT_EQ(other.left, Scale(88, dpi));
    EXPECT_EQ(other.top, Scale(64, dpi));
    EXPECT_EQ(other.right - other.left, Scale(75, dpi));

    LOGFONTA used{};
    auto font = reinterpret_cast<HFONT>(dialog.Control(OkBut).Send(WM_GETFONT));
    ASSERT_NE(font, nullptr);
    ::GetObjectA(font, sizeof(used), &used);
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    ASSERT_TRUE(::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
    EXPECT_STREQ(used.lfFaceName, metrics.lfMessageFont.lfFaceName);
    EXPECT_NE(std::string(used.lfFaceName), "MS Sans Serif");

    const RECT outer = dialog.Self().WindowRect();
    EXPECT_NEAR((outer.left + outer.right) / 2, ::GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((outer.top + outer.bottom) / 2, ::GetSystemMetrics(SM_CYSCREEN) / 2, 1);
}

TEST(Form, CentresOverItsOwnerWhenAskedTo) {
    MessageLoop loop;
    HWND owner = ::CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_VISIBLE, 40, 60, 600, 400,
                                   nullptr, nullptr, nullptr, nullptr);
    TestDialog dialog(loop, owner, Placement::CentreOverOwner);
    const RECT outer = dialog.Self().WindowRect();
    EXPECT_NEAR((outer.left + outer.right) / 2, 40 + 300, 1);
    EXPECT_NEAR((outer.top + outer.bottom) / 2, 60 + 200, 1);
    ::DestroyWindow(owner);
}

// Each case does one thing to the shown dialog; the dialog answers with a button or stays.
struct KeyCase {
    const char* what;
    std::function<void(TestDialog&)> act;
    int expected;
};

void Key(HWND target, WPARAM key) {
    ::PostMessageA(target, WM_KEYDOWN, key, 0);
}

TEST(Form, EnterEscapeAndTheCloseBoxGoToTheirButtons) {
    const KeyCase cases[] = {
        {"Enter in the edit box presses the default button",
         [](TestDialog& d) { Key(d.Control(NameEdit).Handle(), VK_RETURN); }, OkBut},
        {"Enter on a focused button presses that button",
         [](TestDialog& d) {
             ::SetFocus(d.Control(OtherBut).Handle());
             Key(d.Control(OtherBut).Handle(), VK_RETURN);
         },
         OtherBut},
        {"Enter on the check box presses the default button",
         [](TestDialog& d) {
             ::SetFocus(d.Control(Check1).Handle());
             Key(d.Control(Check1).Handle(), VK_RETURN);
         },
         OkBut},
        {"Escape presses the cancel button",
         [](TestDialog& d) { Key(d.Control(NameEdit).Handle(), VK_ESCAPE); }, CancelBut},
        {"the close box presses the cancel button", [](TestDialog& d) { d.Self().Post(WM_CLOSE); },
         CancelBut},
        {"the dialog manager's IDOK is the default button",
         [](TestDialog& d) { d.Self().Post(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED)); }, OkBut},
        {"a disabled cancel button is not pressed by Escape or the close box",
         [](TestDialog& d) {
             d.Control(CancelBut).Enable(false);
             Key(d.Control(NameEdit).Handle(), VK_ESCAPE);
             d.Self().Post(WM_CLOSE);
             d.Self().Post(WM_COMMAND, MAKEWPARAM(OtherBut, BN_CLICKED));
         },
         OtherBut},
    };
    for (const KeyCase& c : cases) {
        MessageLoop loop;
        TestDialog dialog(loop);
        EXPECT_EQ(RunWith(dialog, c.act), c.expected) << c.what;
        EXPECT_FALSE(dialog.IsAlive()) << c.what;
    }
}

TEST(Form, TheModalRunBlocksItsOwnerAndStartsOnTheInitialFocus) {
    MessageLoop loop;
    HWND owner = ::CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100,
                                   nullptr, nullptr, nullptr, nullptr);
    TestDialog dialog(loop, owner);
    HWND edit = dialog.Control(NameEdit).Handle();
    bool blockedMeanwhile = false;
    HWND focusMeanwhile = nullptr;
    const int result = RunWith(
        dialog,
        [&](TestDialog& d) {
            blockedMeanwhile = !::IsWindowEnabled(owner);
            focusMeanwhile = ::GetFocus();
            d.PressButton(OkBut);
        },
        owner);
    EXPECT_EQ(result, OkBut);
    EXPECT_TRUE(blockedMeanwhile);
    EXPECT_TRUE(::IsWindowEnabled(owner));
    EXPECT_EQ(focusMeanwhile, edit) << "the initial focus";
    ::DestroyWindow(owner);
}

TEST(Form, FocusComesBackToTheControlThatHadItWhenTheFormIsActivatedAgain) {
    MessageLoop loop;
    TestDialog dialog(loop);
    HWND check = dialog.Control(Check1).Handle();
    HWND focusAfter = nullptr;
    RunWith(dialog, [&](TestDialog& d) {
        ::SetFocus(check);
        d.Self().Send(WM_ACTIVATE, WA_INACTIVE);
        ::SetFocus(d.Control(OtherBut).Handle());
        d.Self().Send(WM_ACTIVATE, WA_ACTIVE);
        focusAfter = ::GetFocus();
        d.PressButton(CancelBut);
    });
    EXPECT_EQ(focusAfter, check);
}

TEST(Form, ADpiChangeRescalesTheTableTheFontAndTheClientArea) {
    MessageLoop loop;
    TestDialog dialog(loop);
    const int before = dialog.Dpi();
    const int after = before == 144 ? 96 : 144;
    const RECT outer = dialog.Self().WindowRect();
    RECT suggested{outer.left, outer.top, outer.left + 10, outer.top + 10};
    dialog.Self().Send(WM_DPICHANGED, MAKEWPARAM(after, after),
                       reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(dialog.Dpi(), after);
    // The frame too is measured at the new DPI, which the system here does not really have.
    const SIZE expected =
        OuterSizeForClient(251, 97, Style, WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, after);
    const RECT resized = dialog.Self().WindowRect();
    EXPECT_EQ(resized.right - resized.left, expected.cx);
    EXPECT_EQ(resized.bottom - resized.top, expected.cy);
    EXPECT_EQ(resized.left, suggested.left) << "placed where the system suggests";
    const RECT cancel = PlaceInParent(dialog.Control(CancelBut).Handle());
    EXPECT_EQ(cancel.left, Scale(168, after));
    EXPECT_EQ(cancel.bottom - cancel.top, Scale(25, after));
    LOGFONTA used{};
    ::GetObjectA(reinterpret_cast<HFONT>(dialog.Control(OkBut).Send(WM_GETFONT)), sizeof(used),
                 &used);
    LOGFONTA scaled{};
    ::GetObjectA(CreateMessageFont(after).Get(), sizeof(scaled), &scaled);
    EXPECT_EQ(used.lfHeight, scaled.lfHeight);
}

TEST(Form, AFormThatCannotBeCreatedAnswersItsCancelledResult) {
    MessageLoop loop;
    TestDialog dialog(loop);
    dialog.Destroy();
    EXPECT_EQ(dialog.ShowModal(nullptr), 0);
}

} // namespace
} // namespace qv::win32
