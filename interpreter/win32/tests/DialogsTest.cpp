#include "common/win32/ApplicationWindow.h"
#include "common/win32/Dpi.h"
#include "common/win32/TextView.h"
#include "common/win32/Window.h"
#include "interpreter/win32/ControlIds.h"
#include "interpreter/win32/StartFrm.h"
#include "interpreter/win32/Win32Host.h"
#include "interpreter/win32/dialogs/ErrorFrm.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace qv::win32 {
namespace {

// Runs an action from inside a modal loop: the message is posted before the dialog starts, so
// it is dispatched once the dialog's own loop runs.
class Helper : public WindowBase {
  public:
    Helper() {
        RegisterWindowClass("QvDialogTestHelper", nullptr, nullptr);
        CreateWindowOf("QvDialogTestHelper", "", WS_POPUP, 0, 0, 0, 0, 0, nullptr);
    }
    ~Helper() override { Destroy(); }
    void Later(std::function<void()> action) {
        action_ = std::move(action);
        Self().Post(WM_APP);
    }

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_APP && action_) {
            action_();
            return 0;
        }
        return Default(message, wParam, lParam);
    }

  private:
    std::function<void()> action_;
};

class DialogsTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(form_.IsAlive()) << "no window station"; }

    MessageLoop loop_;
    ApplicationWindow app_{"Quorvel", nullptr};
    TStartFrm form_{loop_, app_.Handle()};
    Win32Host host_{loop_, app_.Handle(), form_};
    Helper helper_;
};

TEST_F(DialogsTest, ErrorLogLayoutAndText) {
    const std::string text = "An Error Has Occurred Whilst Processing the Script(s)\r\n"
                             "Invalid Command (200) In Script File : C:\\a.qvc\r\n\t Line : 2 'X'"
                             "\r\n" +
                             std::string(40000, 'y'); // beyond an edit box's default limit
    TfrmError dialog(loop_, app_.Handle(), text);
    ASSERT_TRUE(dialog.IsAlive());
    const int dpi = DpiOf(dialog.Handle());
    EXPECT_EQ(dialog.Self().Text(), "Error Log");
    const RECT client = dialog.Self().ClientRect();
    EXPECT_EQ(client.right, Scale(409, dpi));
    EXPECT_EQ(client.bottom, Scale(345, dpi));

    Window edit = dialog.Self().Item(ids::Edit1);
    EXPECT_EQ(edit.Text(), text);
    RECT place = edit.WindowRect();
    ::MapWindowPoints(nullptr, dialog.Handle(), reinterpret_cast<POINT*>(&place), 2);
    EXPECT_EQ(place.left, Scale(8, dpi));
    EXPECT_EQ(place.top, Scale(8, dpi));
    EXPECT_EQ(place.right - place.left, Scale(393, dpi));
    EXPECT_EQ(place.bottom - place.top, Scale(329, dpi));
    const auto style = ::GetWindowLongPtrA(edit.Handle(), GWL_STYLE);
    EXPECT_TRUE(style & ES_READONLY);
    EXPECT_TRUE(style & ES_MULTILINE);
    EXPECT_TRUE(style & WS_VSCROLL);
    EXPECT_TRUE(style & WS_HSCROLL);
    const auto formStyle = ::GetWindowLongPtrA(dialog.Handle(), GWL_STYLE);
    EXPECT_FALSE(formStyle & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX));

    const RECT outer = dialog.Self().WindowRect();
    EXPECT_NEAR((outer.left + outer.right) / 2, ::GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((outer.top + outer.bottom) / 2, ::GetSystemMetrics(SM_CYSCREEN) / 2, 1);
}

TEST_F(DialogsTest, ALongReportIsShownWholeInAViewThatKeepsUp) {
    std::string text = "An Error Has Occurred Whilst Processing the Script(s)\r\n";
    for (int i = 0; i < 100000; ++i) {
        text += "Invalid Command (200) In Script File : C:\\a.qvc\r\n\t Line : " +
                std::to_string(i + 2) + " 'JUNK'\r\n";
    }
    TfrmError dialog(loop_, app_.Handle(), text);
    Window edit = dialog.Self().Item(ids::Edit1);
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit.Text(), text);
    char className[64] = {};
    ::GetClassNameA(edit.Handle(), className, sizeof(className));
    EXPECT_STREQ(className, TextViewClass);

    TfrmError shortDialog(loop_, app_.Handle(), "short");
    ::GetClassNameA(shortDialog.Self().Item(ids::Edit1).Handle(), className, sizeof(className));
    EXPECT_STRCASEEQ(className, "Edit");
}

TEST_F(DialogsTest, ErrorLogIsModalOverTheProgressWindowUntilClosed) {
    form_.ShowCentred();
    bool formEnabledMeanwhile = true;
    bool dialogShown = false;
    helper_.Later([&] {
        HWND dialog = ::FindWindowA(ids::ErrorFrmClass, "Error Log");
        dialogShown = dialog != nullptr && ::IsWindowVisible(dialog);
        formEnabledMeanwhile = ::IsWindowEnabled(form_.Handle()) != FALSE;
        ::PostMessageA(dialog, WM_CLOSE, 0, 0);
    });
    host_.ShowErrorLog("report");
    EXPECT_TRUE(dialogShown);
    EXPECT_FALSE(formEnabledMeanwhile);
    EXPECT_TRUE(::IsWindowEnabled(form_.Handle()));
    EXPECT_EQ(::FindWindowA(ids::ErrorFrmClass, nullptr), nullptr);
    EXPECT_FALSE(loop_.QuitRequested());
}

HWND PromptList() {
    return ::GetDlgItem(::FindWindowA(ids::PromptFrmClass, "Prompt On"), ids::CheckListBox1);
}

void Check(HWND list, int index) {
    LVITEMA item{};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(2);
    ::SendMessageA(list, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&item));
}

void Press(int id) {
    HWND dialog = ::FindWindowA(ids::PromptFrmClass, nullptr);
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

TEST_F(DialogsTest, PromptListStartsUncheckedAndRunReturnsTheChecks) {
    const std::vector<std::string> entries{"LOAD C:\\A.EXE", "WAIT 5", "LOAD C:\\A.EXE"};
    int count = -1;
    std::string second;
    helper_.Later([&] {
        HWND list = PromptList();
        count = static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
        char text[64] = {};
        LVITEMA item{};
        item.iSubItem = 0;
        item.pszText = text;
        item.cchTextMax = sizeof(text);
        ::SendMessageA(list, LVM_GETITEMTEXTA, 1, reinterpret_cast<LPARAM>(&item));
        second = text;
        Check(list, 1);
        Press(ids::RunBut);
    });
    const auto result = host_.PromptPendingCommands(entries);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(second, "WAIT 5");
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(*result, (std::vector<bool>{false, true, false}));
}

TEST_F(DialogsTest, PromptSelectAllAndCancel) {
    helper_.Later([&] {
        Press(ids::SelectAllBut);
        Press(ids::RunBut);
    });
    auto result = host_.PromptPendingCommands({"A", "B"});
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(*result, (std::vector<bool>{true, true}));

    helper_.Later([&] {
        Check(PromptList(), 0);
        Press(ids::PromptCancelBut);
    });
    EXPECT_FALSE(host_.PromptPendingCommands({"A", "B"}).has_value());

    helper_.Later(
        [&] { ::PostMessageA(::FindWindowA(ids::PromptFrmClass, nullptr), WM_CLOSE, 0, 0); });
    EXPECT_FALSE(host_.PromptPendingCommands({}).has_value()) << "the close box cancels";
}

} // namespace
} // namespace qv::win32
