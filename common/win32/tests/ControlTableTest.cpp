#include "common/win32/ControlTable.h"
#include "common/win32/Controls.h"
#include "common/win32/Dpi.h"
#include "common/win32/TextView.h"
#include "common/win32/Window.h"

#include <gtest/gtest.h>

#include <iterator>
#include <vector>

namespace qv::win32 {
namespace {

constexpr ControlSpec Specs[] = {
    {11, ControlKind::Label, 5, 4, 36, 37, "label"},
    {12, ControlKind::DefaultButton, 309, 3, 73, 24, "Cance&l"},
    {13, ControlKind::Edit, 8, 8, 393, 329, "", ES_MULTILINE | ES_READONLY, true},
};

class ControlTableTest : public ::testing::Test {
  protected:
    void SetUp() override {
        parent_ = ::CreateWindowExA(0, "STATIC", "parent", WS_POPUP, 0, 0, 800, 600, nullptr,
                                    nullptr, nullptr, nullptr);
        ASSERT_NE(parent_, nullptr) << "no window station (run under a display)";
    }
    void TearDown() override { ::DestroyWindow(parent_); }

    RECT PlaceOf(int id) const {
        HWND control = ::GetDlgItem(parent_, id);
        RECT rect{};
        ::GetWindowRect(control, &rect);
        ::MapWindowPoints(nullptr, parent_, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    HWND parent_ = nullptr;
};

struct DpiCase {
    int dpi;
    RECT button; // control 12 at that DPI
};

class ControlTableDpiTest : public ControlTableTest,
                            public ::testing::WithParamInterface<DpiCase> {};

TEST_P(ControlTableDpiTest, PlacesControlsAtTheirTableRectangleScaled) {
    const DpiCase c = GetParam();
    ASSERT_TRUE(CreateControls(parent_, Specs, c.dpi, nullptr));
    const RECT button = PlaceOf(12);
    EXPECT_EQ(button.left, c.button.left);
    EXPECT_EQ(button.top, c.button.top);
    EXPECT_EQ(button.right, c.button.right);
    EXPECT_EQ(button.bottom, c.button.bottom);
}

INSTANTIATE_TEST_SUITE_P(Dpis, ControlTableDpiTest,
                         ::testing::Values(DpiCase{96, {309, 3, 382, 27}},
                                           DpiCase{144, {464, 5, 574, 41}},
                                           DpiCase{192, {618, 6, 764, 54}}));

TEST_F(ControlTableTest, CaptionsIdsVisibilityAndStylesComeFromTheTable) {
    ASSERT_TRUE(CreateControls(parent_, Specs, 96, nullptr));
    Window parent(parent_);
    EXPECT_EQ(parent.Item(11).Text(), "label");
    EXPECT_EQ(parent.Item(12).Text(), "Cance&l");
    EXPECT_EQ(parent.Item(12).Id(), 12);

    const auto style = [&](int id) {
        return static_cast<DWORD>(::GetWindowLongPtrA(::GetDlgItem(parent_, id), GWL_STYLE));
    };
    EXPECT_TRUE(style(11) & WS_VISIBLE);
    EXPECT_FALSE(style(13) & WS_VISIBLE) << "hidden controls start hidden";
    EXPECT_EQ(style(12) & BS_TYPEMASK, static_cast<DWORD>(BS_DEFPUSHBUTTON));
    EXPECT_TRUE(style(12) & WS_TABSTOP);
    EXPECT_TRUE(style(13) & ES_READONLY);
    EXPECT_TRUE(style(13) & ES_MULTILINE);
}

TEST_F(ControlTableTest, LayoutAfterADpiChangeMovesEveryControl) {
    ASSERT_TRUE(CreateControls(parent_, Specs, 96, nullptr));
    LayoutControls(parent_, Specs, 192);
    const RECT edit = PlaceOf(13);
    EXPECT_EQ(edit.left, 16);
    EXPECT_EQ(edit.right - edit.left, 786);
    EXPECT_EQ(edit.bottom - edit.top, 658);
}

TEST_F(ControlTableTest, EveryKindIsTheControlItNames) {
    InitCommonControlClasses();
    ASSERT_TRUE(RegisterTextViewClass());
    const struct {
        ControlKind kind;
        const char* className;
        DWORD style; // that the kind gives
    } kinds[] = {
        {ControlKind::Button, "Button", BS_PUSHBUTTON},
        {ControlKind::Label, "Static", SS_LEFT},
        {ControlKind::Edit, "Edit", 0},
        {ControlKind::ListBox, "ListBox", LBS_NOTIFY},
        {ControlKind::CheckBox, "Button", BS_AUTOCHECKBOX},
        {ControlKind::RadioButton, "Button", BS_AUTORADIOBUTTON},
        {ControlKind::GroupBox, "Button", BS_GROUPBOX},
        {ControlKind::TextView, TextViewClass, 0},
        {ControlKind::ComboBox, WC_COMBOBOXA, CBS_DROPDOWN},
        {ControlKind::DropDownList, WC_COMBOBOXA, CBS_DROPDOWNLIST},
        {ControlKind::ListView, WC_LISTVIEWA, LVS_SHOWSELALWAYS},
        {ControlKind::ProgressBar, PROGRESS_CLASSA, 0},
        {ControlKind::MonthCalendar, MONTHCAL_CLASSA, 0},
        {ControlKind::TabControl, WC_TABCONTROLA, 0},
        {ControlKind::Edit, "Edit", ES_NUMBER}, // the buddy of the arrows that follow
        {ControlKind::UpDown, UPDOWN_CLASSA, UDS_SETBUDDYINT},
    };
    std::vector<ControlSpec> table;
    for (std::size_t i = 0; i < std::size(kinds); ++i) {
        table.push_back({static_cast<int>(100 + i), kinds[i].kind, 4, static_cast<int>(4 + 20 * i),
                         100, 18, "", kinds[i].kind == ControlKind::Edit ? ES_NUMBER : 0u});
    }
    ASSERT_TRUE(CreateControls(parent_, table, 96, nullptr));
    for (std::size_t i = 0; i < std::size(kinds); ++i) {
        HWND control = ::GetDlgItem(parent_, static_cast<int>(100 + i));
        ASSERT_NE(control, nullptr) << i;
        char className[64] = {};
        ::GetClassNameA(control, className, sizeof(className));
        EXPECT_STRCASEEQ(className, kinds[i].className) << i;
        const auto style = static_cast<DWORD>(::GetWindowLongPtrA(control, GWL_STYLE));
        EXPECT_EQ(style & kinds[i].style, kinds[i].style) << i;
    }
    const auto buddy = reinterpret_cast<HWND>(::SendDlgItemMessageA(
        parent_, static_cast<int>(100 + std::size(kinds) - 1), UDM_GETBUDDY, 0, 0));
    EXPECT_EQ(buddy, ::GetDlgItem(parent_, static_cast<int>(100 + std::size(kinds) - 2)));
}

TEST(Dpi, OuterSizeHoldsTheClientAreaAtEveryDpi) {
    constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    for (int dpi : {96, 120, 144}) {
        const SIZE outer = OuterSizeForClient(385, 84, style, 0, dpi);
        EXPECT_GT(outer.cx, Scale(385, dpi)) << dpi;
        EXPECT_GT(outer.cy, Scale(84, dpi)) << dpi;
    }
    EXPECT_EQ(Scale(385, 96), 385);
    EXPECT_EQ(Scale(385, 144), 578); // rounded, not truncated
}

} // namespace
} // namespace qv::win32
