#include "interpreter/win32/dialogs/MenuFrm.h"

#include "common/win32/Controls.h"
#include "interpreter/win32/ControlIds.h"

namespace qv::win32 {
namespace {

constexpr int GroupFontPixels = 13;

constexpr ControlSpec MenuControls[] = {
    {ids::RadioGroup1, ControlKind::GroupBox, 8, 5, 265, 169, "Main Menu"},
    {ids::RadioButton1, ControlKind::RadioButton, 16, 24, 249, 16, "", WS_GROUP, true},
    {ids::RadioButton2, ControlKind::RadioButton, 16, 40, 249, 16, "", 0, true},
    {ids::RadioButton3, ControlKind::RadioButton, 16, 56, 249, 16, "", 0, true},
    {ids::RadioButton4, ControlKind::RadioButton, 16, 72, 249, 16, "", 0, true},
    {ids::RadioButton5, ControlKind::RadioButton, 16, 88, 249, 16, "", 0, true},
    {ids::RadioButton6, ControlKind::RadioButton, 16, 104, 249, 16, "", 0, true},
    {ids::RadioButton7, ControlKind::RadioButton, 16, 120, 249, 16, "", 0, true},
    {ids::RadioButton8, ControlKind::RadioButton, 16, 136, 249, 16, "", 0, true},
    {ids::RadioButton9, ControlKind::RadioButton, 16, 152, 249, 16, "", 0, true},
    {ids::TimeOut, ControlKind::Label, 8, 176, 265, 17, ""},
    {ids::butOk, ControlKind::DefaultButton, 8, 197, 73, 25, "&Ok", WS_GROUP},
    {ids::MenuCancelBut, ControlKind::Button, 200, 197, 73, 25, "&Quit Script"},
};

FormSpec MenuFrmSpec() {
    return {
        .className = ids::MenuFrmClass,
        .title = MenuFrmTitle,
        .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_BORDER,
        .exStyle = WS_EX_CONTROLPARENT,
        .width = MenuFrmClientWidth,
        .height = MenuFrmClientHeight,
        .controls = MenuControls,
        .defaultButton = ids::butOk,
        .cancelButton = ids::MenuCancelBut,
        .icon = ::LoadIconA(nullptr, IDI_APPLICATION),
    };
}

} // namespace

TfrmMenu::TfrmMenu(MessageLoop& loop, HWND owner, logic::MenuModel& menu, bool quitHidden,
                   bool promptMode)
    : Dialog(loop, MenuFrmSpec(), owner, false), menu_(menu), quitHidden_(quitHidden),
      promptMode_(promptMode) {
    if (!IsAlive()) {
        return;
    }
    OnDpiApplied();
    Control<Button>(ids::RadioButton1).SetChecked(true);
    if (quitHidden_) {
        // Hidden, "&Quit Script" answers neither Escape nor the close box.
        Control(ids::MenuCancelBut).SetVisible(false);
        ::EnableMenuItem(::GetSystemMenu(Handle(), FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    }
    Refresh();
}

void TfrmMenu::OnDpiApplied() {
    groupFont_ = CreateMessageFont(Dpi(), true, GroupFontPixels);
    Control(ids::RadioGroup1).Send(WM_SETFONT, reinterpret_cast<WPARAM>(groupFont_.Get()), TRUE);
}

void TfrmMenu::Refresh() {
    if (!IsAlive()) {
        return;
    }
    for (int number = 1; number <= logic::MenuItemCount; ++number) {
        Window button = Control(ids::RadioButton1 + number - 1);
        const std::optional<logic::MenuEntry>& entry = menu_.Entry(number);
        if (entry) {
            button.SetText(entry->title);
        }
        ::ShowWindow(button.Handle(), entry ? SW_SHOWNA : SW_HIDE);
    }
    ShowTimeOut();
}

void TfrmMenu::ShowTimeOut() {
    Control(ids::TimeOut).SetText(menu_.TimeOutText());
}

bool TfrmMenu::PreviewMessage(MSG& message) {
    // The window sees its keys before its controls do.
    if (message.message == WM_KEYDOWN && message.wParam == VK_F8) {
        menu_.F8Pressed(promptMode_);
        ShowTimeOut();
        return true;
    }
    if ((message.message == WM_CHAR || message.message == WM_SYSCHAR) && message.wParam >= ' ') {
        menu_.CharacterKey();
        ShowTimeOut();
    }
    return false;
}

void TfrmMenu::OnCommand(int id, int code) {
    if (id >= ids::RadioButton1 && id <= ids::RadioButton9) {
        if (code == BN_CLICKED) {
            menu_.ChooseEntry(id - ids::RadioButton1 + 1);
            ShowTimeOut();
        }
    } else if (id == ids::butOk) {
        Finish(true);
    } else if (id == ids::MenuCancelBut && !quitHidden_) {
        Finish(false);
    }
}

LRESULT TfrmMenu::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SIZE) {
        if (wParam == SIZE_MINIMIZED) {
            menu_.Minimised();
            ShowTimeOut();
        }
        return 0;
    }
    return Dialog::HandleMessage(message, wParam, lParam);
}

} // namespace qv::win32
