#include "editor/win32/MenuBand.h"

#include "common/win32/Dpi.h"
#include "editor/win32/ControlIds.h"

#include <algorithm>

namespace qv::win32 {
namespace {

constexpr const char* ClassName = "TQvMenuBand";
constexpr int SelectorWidth = 160;
constexpr int SelectorDropHeight = 200;
constexpr int Gap = 4;

} // namespace

std::span<const ToolButton> MenuBand::ButtonSpecs() {
    static constexpr ToolButton Buttons[] = {{ids::MenuButton, 0, BTNS_BUTTON, "Menu"}};
    return Buttons;
}

MenuBand::MenuBand(HWND parent, HWND target, HIMAGELIST images, int imageIndex, int dpi, HFONT font)
    : target_(target) {
    RegisterWindowClass(ClassName, nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    if (!CreateWindowOf(ClassName, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 0, 0, 0,
                        parent)) {
        return;
    }
    ::SetWindowLongPtrA(Handle(), GWLP_ID, ids::ToolBar2);
    ToolButton button = ButtonSpecs()[0];
    button.image = imageIndex;
    buttons_ = ToolBar::Create(Handle(), ids::MenuTools, images, {&button, 1});
    const SIZE buttonSize = buttons_.IdealSize();
    buttons_.Move(0, 0, buttonSize.cx, buttonSize.cy);
    const int selectorWidth = Scale(SelectorWidth, dpi);
    selector_ = ComboBox(::CreateWindowExA(
        0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
        buttonSize.cx + Scale(Gap, dpi), 0, selectorWidth, Scale(SelectorDropHeight, dpi), Handle(),
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(ids::cboMenu)), ::GetModuleHandleA(nullptr),
        nullptr));
    selector_.Send(WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    // Centred against the button.
    const RECT box = selector_.WindowRect();
    const int boxHeight = box.bottom - box.top;
    const int height = std::max<int>(buttonSize.cy, boxHeight);
    selector_.Move(buttonSize.cx + Scale(Gap, dpi), (height - boxHeight) / 2, selectorWidth,
                   Scale(SelectorDropHeight, dpi));
    buttons_.Move(0, (height - buttonSize.cy) / 2, buttonSize.cx, buttonSize.cy);
    size_ = {buttonSize.cx + Scale(Gap, dpi) + selectorWidth, height};
}

MenuBand::~MenuBand() {
    Destroy();
}

LRESULT MenuBand::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
        return ::SendMessageA(target_, message, wParam, lParam);
    default:
        return Default(message, wParam, lParam);
    }
}

} // namespace qv::win32
