#include "common/win32/Controls.h"
#include "common/win32/Menu.h"
#include "common/win32/MessageLoop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qv::win32 {
namespace {

// A parent window with one child of a given class per test.
class ControlsTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { InitCommonControlClasses(); }
    void SetUp() override {
        parent_ = ::CreateWindowExA(0, "STATIC", "parent", WS_POPUP | WS_CLIPCHILDREN, 0, 0, 600,
                                    400, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(parent_, nullptr) << "no window station (run under a display)";
    }
    void TearDown() override { ::DestroyWindow(parent_); }

    HWND Child(const char* className, DWORD style, int width = 300, int height = 200) {
        return ::CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | style, 0, 0, width,
                                 height, parent_, reinterpret_cast<HMENU>(7), nullptr, nullptr);
    }

    HWND parent_ = nullptr;
};

TEST_F(ControlsTest, ListViewRowsColumnsPicturesSelectionAndFocus) {
    ListView list(Child(WC_LISTVIEWA, LVS_REPORT | LVS_SHOWSELALWAYS));
    ASSERT_TRUE(list);
    ImageList pictures(16, 4);
    HICON icon = ::LoadIconA(nullptr, IDI_APPLICATION);
    EXPECT_EQ(pictures.Add(icon), 0);
    EXPECT_EQ(pictures.Add(icon), 1);
    EXPECT_EQ(pictures.Add(nullptr), -1);
    EXPECT_EQ(pictures.Count(), 2);
    list.SetImageList(pictures.Handle(), LVSIL_SMALL);

    EXPECT_EQ(list.AddColumn("Title", 120), 0);
    EXPECT_EQ(list.AddColumn("Command", 200), 1);
    EXPECT_EQ(list.AddColumn("Order", 50, LVCFMT_RIGHT), 2);
    EXPECT_EQ(list.ColumnCount(), 3);
    EXPECT_EQ(list.ColumnWidth(1), 200);

    const std::string longCommand = "LOAD C:\\" + std::string(1000, 'x') + ".EXE";
    EXPECT_EQ(list.InsertItem(0, "Run Program", 1, 42), 0);
    list.SetItemText(0, 1, longCommand);
    EXPECT_EQ(list.InsertItem(1, "Wait", 0), 1);
    EXPECT_EQ(list.InsertItem(1, "Copy"), 1) << "inserted before Wait";
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.ItemText(0), "Run Program");
    EXPECT_EQ(list.ItemText(0, 1), longCommand) << "long texts come back whole";
    EXPECT_EQ(list.ItemText(1), "Copy");
    EXPECT_EQ(list.ItemText(2), "Wait");
    EXPECT_EQ(list.ItemImage(0), 1);
    list.SetItemImage(0, 0);
    EXPECT_EQ(list.ItemImage(0), 0);
    EXPECT_EQ(list.ItemData(0), 42);

    EXPECT_EQ(list.SelectedIndex(), -1);
    list.SetSelected(0, true);
    list.SetSelected(2, true);
    EXPECT_EQ(list.SelectedIndices(), (std::vector<int>{0, 2}));
    EXPECT_EQ(list.SelectedCount(), 2);
    list.SelectOnly(1);
    EXPECT_EQ(list.SelectedIndices(), std::vector<int>{1});
    EXPECT_EQ(list.FocusedIndex(), 1);
    list.SetFocused(2);
    EXPECT_EQ(list.FocusedIndex(), 2);
    list.SelectOnly(-1);
    EXPECT_EQ(list.SelectedCount(), 0);

    list.SetView(LV_VIEW_ICON);
    EXPECT_EQ(list.View(), static_cast<DWORD>(LV_VIEW_ICON));
    list.DeleteItem(0);
    EXPECT_EQ(list.ItemText(0), "Copy");
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    ::DestroyWindow(list.Handle());
}

TEST_F(ControlsTest, ListViewCheckBoxes) {
    ListView list(Child(WC_LISTVIEWA, LVS_REPORT));
    list.SetExtendedStyle(LVS_EX_CHECKBOXES, LVS_EX_CHECKBOXES);
    list.AddColumn("", 100);
    for (int i = 0; i < 3; ++i) {
        list.InsertItem(i, "line " + std::to_string(i));
    }
    EXPECT_FALSE(list.IsChecked(0));
    list.SetChecked(1, true);
    EXPECT_TRUE(list.IsChecked(1));
    EXPECT_FALSE(list.IsChecked(2));
    list.SetChecked(-1, true);
    EXPECT_TRUE(list.IsChecked(0) && list.IsChecked(2));
    list.SetChecked(-1, false);
    EXPECT_FALSE(list.IsChecked(1));
}

// The combo and list boxes share their calls; each case runs them on one kind.
template <typename T> void ExerciseTextList(T list) {
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Selected(), -1);
    EXPECT_EQ(list.Add("Main"), 0);
    EXPECT_EQ(list.Add("Accounts"), 1);
    EXPECT_EQ(list.Insert(1, "Sales"), 1);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.ItemText(1), "Sales");
    EXPECT_EQ(list.ItemText(7), "") << "no such entry";
    EXPECT_EQ(list.Find("ACCOUNTS"), 2);
    EXPECT_EQ(list.Find("Account"), -1) << "whole texts only";
    list.Select(2);
    EXPECT_EQ(list.Selected(), 2);
    list.SetItemData(0, 99);
    EXPECT_EQ(list.ItemData(0), 99);
    list.Delete(0);
    EXPECT_EQ(list.ItemText(0), "Sales");
    const std::vector<std::string> texts{"one", "two"};
    list.SetItems(texts);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.ItemText(1), "two");
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(ControlsTest, ComboBoxAndListBoxEntries) {
    ComboBox combo(Child(WC_COMBOBOXA, CBS_DROPDOWNLIST));
    ASSERT_TRUE(combo);
    ExerciseTextList(combo);
    ListBox box(Child("LISTBOX", LBS_NOTIFY));
    ASSERT_TRUE(box);
    ExerciseTextList(box);

    ListBox several(Child("LISTBOX", LBS_NOTIFY | LBS_EXTENDEDSEL));
    several.SetItems(std::vector<std::string>{"a", "b", "c"});
    several.SetSelected(0, true);
    several.SetSelected(2, true);
    EXPECT_TRUE(several.IsSelected(0));
    EXPECT_FALSE(several.IsSelected(1));
    EXPECT_TRUE(several.IsSelected(2));
}

TEST_F(ControlsTest, UpDownHoldsANumberInItsRangeInItsBuddy) {
    Edit buddy(Child("EDIT", ES_NUMBER, 60, 21));
    UpDown spin(Child(UPDOWN_CLASSA, UDS_SETBUDDYINT | UDS_ALIGNRIGHT, 16, 21));
    spin.SetBuddy(buddy.Handle());
    spin.SetRange(1, 60);
    spin.SetPosition(10);
    EXPECT_EQ(spin.Position(), 10);
    EXPECT_EQ(buddy.Text(), "10");
    buddy.SetText("25");
    EXPECT_EQ(spin.Position(), 25);
    buddy.SetText("");
    EXPECT_EQ(spin.Position(), std::nullopt) << "no number in the buddy";
    spin.SetPosition(500);
    EXPECT_EQ(spin.Position(), 60) << "kept in range";
}

TEST_F(ControlsTest, ProgressBarEditAndButtons) {
    ProgressBar bar(Child(PROGRESS_CLASSA, 0));
    bar.SetRange(0, 1000);
    bar.SetPosition(750);
    EXPECT_EQ(bar.Position(), 750);

    Edit edit(Child("EDIT", ES_AUTOHSCROLL));
    edit.SetLimit(5);
    edit.Send(WM_CHAR, 'a');
    edit.SetText("abcdefgh");
    edit.SelectAll();
    DWORD start = 0;
    DWORD end = 0;
    edit.Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 8u);

    Button check(Child("BUTTON", BS_AUTOCHECKBOX));
    EXPECT_FALSE(check.Checked());
    check.SetChecked(true);
    EXPECT_TRUE(check.Checked());
}

TEST_F(ControlsTest, StatusBarPartsAndTexts) {
    StatusBar bar = StatusBar::Create(parent_, 20);
    ASSERT_TRUE(bar);
    bar.SetText("Ready");
    EXPECT_EQ(bar.PartText(), "Ready");
    const int edges[] = {100, -1};
    bar.SetParts(edges);
    bar.SetText("12 lines", 1);
    EXPECT_EQ(bar.PartText(1), "12 lines");
    EXPECT_EQ(bar.Send(SB_GETPARTS), 2);
    bar.Resize();
    EXPECT_GT(bar.Height(), 0);
}

constexpr ToolButton MainButtons[] = {
    {101, 0, BTNS_BUTTON, "Save & Compile"},
    {0, 0, BTNS_SEP, nullptr},
    {102, 1, BTNS_DROPDOWN, nullptr},
    {103, 0, BTNS_CHECKGROUP, "Icon View"},
    {104, 1, BTNS_CHECKGROUP, "List View", TBSTATE_ENABLED | TBSTATE_CHECKED},
};

TEST_F(ControlsTest, ToolBarsInARebar) {
    ImageList pictures(16, 2);
    pictures.Add(::LoadIconA(nullptr, IDI_APPLICATION));
    pictures.Add(::LoadIconA(nullptr, IDI_WARNING));
    Rebar rebar = Rebar::Create(parent_, 30);
    ASSERT_TRUE(rebar);
    ToolBar bar = ToolBar::Create(rebar.Handle(), 31, pictures.Handle(), MainButtons);
    ASSERT_TRUE(bar);
    EXPECT_EQ(bar.ButtonCount(), 5);
    EXPECT_TRUE(bar.IsChecked(104));
    bar.SetChecked(103, true);
    EXPECT_TRUE(bar.IsChecked(103));
    bar.SetEnabled(101, false);
    EXPECT_EQ(bar.Send(TB_ISBUTTONENABLED, 101), 0);
    bar.SetButtonText(102, "&Run Program");
    const RECT button = bar.ButtonScreenRect(102);
    EXPECT_GT(button.right, button.left);

    NMTTDISPINFOA tip{};
    tip.hdr.idFrom = 101;
    EXPECT_TRUE(ToolBar::TipText(MainButtons, tip));
    EXPECT_STREQ(tip.lpszText, "Save & Compile");
    tip.hdr.idFrom = 102;
    EXPECT_FALSE(ToolBar::TipText(MainButtons, tip)) << "a button without a tip";

    const SIZE size = bar.IdealSize();
    EXPECT_TRUE(rebar.AddBand(bar.Handle(), 1, size.cx, size.cy));
    ToolBar second =
        ToolBar::Create(rebar.Handle(), 32, pictures.Handle(), std::span(MainButtons).first(1));
    EXPECT_TRUE(rebar.AddBand(second.Handle(), 2, 50, size.cy));
    EXPECT_EQ(rebar.BandCount(), 2);
    EXPECT_TRUE(rebar.BandShown(2));
    rebar.ShowBand(2, false);
    EXPECT_FALSE(rebar.BandShown(2));
    EXPECT_FALSE(rebar.BandShown(99));
    EXPECT_GT(rebar.Height(), 0);
    // The bars go before the pictures they show.
    ::DestroyWindow(rebar.Handle());
}

TEST_F(ControlsTest, MonthCalendarAndTabs) {
    MonthCalendar calendar(Child(MONTHCAL_CLASSA, 0));
    SYSTEMTIME date{};
    date.wYear = 2027;
    date.wMonth = 2;
    date.wDay = 28;
    ASSERT_TRUE(calendar.SetSelection(date));
    const auto chosen = calendar.Selection();
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->wYear, 2027);
    EXPECT_EQ(chosen->wMonth, 2);
    EXPECT_EQ(chosen->wDay, 28);

    TabControl tabs(Child(WC_TABCONTROLA, 0));
    EXPECT_EQ(tabs.AddTab("General"), 0);
    EXPECT_EQ(tabs.AddTab("Install"), 1);
    EXPECT_EQ(tabs.Count(), 2);
    tabs.Select(1);
    EXPECT_EQ(tabs.Selected(), 1);
    const RECT page = tabs.PageRect();
    EXPECT_GT(page.top, 0) << "below the tabs";
    EXPECT_LT(page.bottom, 200);
}

TEST_F(ControlsTest, MenusCheckEnableAndCaption) {
    UniqueMenu bar = CreateMenuBar();
    UniqueMenu view = CreatePopupMenu();
    Menu viewMenu(view.Get());
    viewMenu.AppendItem(201, "Icon View");
    viewMenu.AppendItem(202, "List View");
    viewMenu.AppendItem(203, "Text View");
    viewMenu.AppendSeparator();
    viewMenu.AppendItem(204, "Show Main Toolbar");
    Menu barMenu(bar.Get());
    ASSERT_TRUE(barMenu.AppendPopup(std::move(view), "&View"));
    EXPECT_FALSE(view) << "the bar owns its pop-up";
    EXPECT_EQ(barMenu.Count(), 1);
    Menu popup = barMenu.Popup(0);
    EXPECT_EQ(popup.Count(), 5);

    popup.SetRadio(201, 203, 202);
    EXPECT_TRUE(popup.IsChecked(202));
    EXPECT_FALSE(popup.IsChecked(201));
    popup.SetChecked(204, true);
    EXPECT_TRUE(popup.IsChecked(204));
    popup.SetEnabled(203, false);
    EXPECT_FALSE(popup.IsEnabled(203));
    EXPECT_TRUE(barMenu.IsEnabled(201)) << "found through the pop-up";
    popup.SetCaption(204, "Hide Main Toolbar");
    EXPECT_EQ(popup.Caption(204), "Hide Main Toolbar");
    EXPECT_TRUE(popup.Remove(204));
    EXPECT_EQ(popup.Count(), 4);
}

// Records the commands a window receives.
LRESULT CALLBACK CommandRecorder(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
        ::SetWindowLongPtrA(window, GWLP_USERDATA, static_cast<LONG_PTR>(wParam));
        return 0;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(ControlsTest, AcceleratorsTurnKeysIntoCommandsWhileTheWindowTakesInput) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = CommandRecorder;
    wc.lpszClassName = "QvAcceleratorTest";
    ::RegisterClassA(&wc);
    HWND window = ::CreateWindowExA(0, "QvAcceleratorTest", "", WS_POPUP, 0, 0, 10, 10, nullptr,
                                    nullptr, nullptr, nullptr);
    HWND edit =
        ::CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 10, 10, window, nullptr, nullptr, nullptr);
    MessageLoop loop;
    const AcceleratorKey keys[] = {{FCONTROL, 'S', 301}, {0, VK_F9, 302}};
    Accelerators accelerators(loop, window, keys);
    ASSERT_TRUE(accelerators);

    ::PostMessageA(edit, WM_KEYDOWN, VK_F9, 0);
    loop.ProcessMessages();
    EXPECT_EQ(::GetWindowLongPtrA(window, GWLP_USERDATA), MAKEWPARAM(302, 1))
        << "from a child too, marked as an accelerator";

    ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    ::EnableWindow(window, FALSE);
    ::PostMessageA(window, WM_KEYDOWN, VK_F9, 0);
    loop.ProcessMessages();
    EXPECT_EQ(::GetWindowLongPtrA(window, GWLP_USERDATA), 0) << "not while a dialog is up";

    ::EnableWindow(window, TRUE);
    accelerators.SetEnabled(false);
    ::PostMessageA(window, WM_KEYDOWN, VK_F9, 0);
    loop.ProcessMessages();
    EXPECT_EQ(::GetWindowLongPtrA(window, GWLP_USERDATA), 0) << "switched off";
    ::DestroyWindow(window);
}

} // namespace
} // namespace qv::win32
