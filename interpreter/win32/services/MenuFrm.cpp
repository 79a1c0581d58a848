#include "interpreter/win32/services/MenuFrm.h"

#include "common/win32/ControlTable.h"
#include "common/win32/Dpi.h"
#include "interpreter/win32/services/ServiceControlIds.h"

#include <utility>

namespace qv::win32 {
namespace {

constexpr DWORD FormStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_BORDER;
constexpr DWORD FormExStyle = WS_EX_CONTROLPARENT;
constexpr int GroupFontPixels = 13;

constexpr ControlSpec MenuControls[] = {
    {ids::RadioGroup1, ControlKind::GroupBox, 8, 5, 265, 169, "Main Menu"},
    {ids::RadioButton1 + 0, ControlKind::RadioButton, 16, 24, 249, 16, "", WS_GROUP, true},
    {ids::RadioButton1 + 1, ControlKind::RadioButton, 16, 40, 249, 16, "", 0, true},
    {ids::RadioButton1 + 2, ControlKind::RadioButton, 16, 56, 249, 16, "", 0, true},
    {ids::RadioButton1 + 3, ControlKind::RadioButton, 16, 72, 249, 16, "", 0, true},
    {ids::RadioButton1 + 4, ControlKind::RadioButton, 16, 88, 249, 16, "", 0, true},
    {ids::RadioButton1 + 5, ControlKind::RadioButton, 16, 104, 249, 16, "", 0, true},
    {ids::RadioButton1 + 6, ControlKind::RadioButton, 16, 120, 249, 16, "", 0, true},
    {ids::RadioButton1 + 7, ControlKind::RadioButton, 16, 136, 249, 16, "", 0, true},
    {ids::RadioButton1 + 8, ControlKind::RadioButton, 16, 152, 249, 16, "", 0, true},
    {ids::TimeOut, ControlKind::Label, 8, 176, 265, 17, ""},
    {ids::butOk, ControlKind::DefaultButton, 8, 197, 73, 25, "&Ok", WS_GROUP},
    {ids::MenuCancelBut, ControlKind::Button, 200, 197, 73, 25, "&Quit Script"},
};

UniqueFont PixelFont(int pixels, int dpi, bool bold) {
    LOGFONTA font{};
    font.lfHeight = -Scale(pixels, dpi);
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    ::lstrcpynA(font.lfFaceName, "MS Sans Serif", LF_FACESIZE);
    return UniqueFont(::CreateFontIndirectA(&font));
}

RECT ScreenOf(HWND window) {
    RECT screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (::GetMonitorInfoA(::MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &info)) {
        screen = info.rcMonitor;
    }
    return screen;
}

} // namespace

TfrmMenu::TfrmMenu(MessageLoop& loop, HWND owner, logic::MenuModel& menu, bool quitHidden,
                   bool promptMode)
    : loop_(loop), menu_(menu), quitHidden_(quitHidden), promptMode_(promptMode) {
    RegisterWindowClass(ids::MenuFrmClass, ::LoadIconA(nullptr, IDI_APPLICATION),
                        reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    CreateWindowOf(ids::MenuFrmClass, MenuFrmTitle, FormStyle, FormExStyle, 0, 0, 10, 10, owner);
    if (!IsAlive()) {
        return;
    }
    dpi_ = DpiOf(Handle());
    font_ = CreatePointFont("MS Sans Serif", 8, dpi_);
    groupFont_ = PixelFont(GroupFontPixels, dpi_, true);
    CreateControls(Handle(), MenuControls, dpi_, font_.Get());
    ::SendMessageA(::GetDlgItem(Handle(), ids::RadioGroup1), WM_SETFONT,
                   reinterpret_cast<WPARAM>(groupFont_.Get()), FALSE);
    ::SendMessageA(::GetDlgItem(Handle(), ids::RadioButton1), BM_SETCHECK, BST_CHECKED, 0);
    if (quitHidden_) {
        ::ShowWindow(::GetDlgItem(Handle(), ids::MenuCancelBut), SW_HIDE);
        // Without "&Quit Script" the close box gives no result either.
        ::EnableMenuItem(::GetSystemMenu(Handle(), FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    }

    const SIZE outer =
        OuterSizeForClient(MenuFrmClientWidth, MenuFrmClientHeight, FormStyle, FormExStyle, dpi_);
    const RECT screen = ScreenOf(Handle());
    ::SetWindowPos(Handle(), nullptr, screen.left + (screen.right - screen.left - outer.cx) / 2,
                   screen.top + (screen.bottom - screen.top - outer.cy) / 2, outer.cx, outer.cy,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    Refresh();
    loop_.AddFilter(this);
}

TfrmMenu::~TfrmMenu() {
    loop_.RemoveFilter(this);
    blocked_.Release();
    Destroy();
}

void TfrmMenu::Refresh() {
    if (!IsAlive()) {
        return;
    }
    for (int number = 1; number <= logic::MenuItemCount; ++number) {
        HWND button = ::GetDlgItem(Handle(), ids::RadioButton1 + number - 1);
        const std::optional<logic::MenuEntry>& entry = menu_.Entry(number);
        if (entry) {
            ::SetWindowTextA(button, entry->title.c_str());
        }
        ::ShowWindow(button, entry ? SW_SHOWNA : SW_HIDE);
    }
    ShowTimeOut();
}

void TfrmMenu::ShowTimeOut() {
    ::SetWindowTextA(::GetDlgItem(Handle(), ids::TimeOut), menu_.TimeOutText().c_str());
}

void TfrmMenu::Finish(bool ok) {
    if (!IsAlive()) {
        return;
    }
    ok_ = ok;
    blocked_.Release();
    Destroy();
}

bool TfrmMenu::ShowModal(HWND blocked) {
    if (!IsAlive()) {
        return ok_;
    }
    RunModalOver(loop_, Handle(), ::GetDlgItem(Handle(), ids::butOk), blocked, blocked_);
    return ok_;
}

bool TfrmMenu::PreTranslate(MSG& message) {
    if (!IsAlive() || (message.hwnd != Handle() && !::IsChild(Handle(), message.hwnd))) {
        return false;
    }
    // The window sees its keys before its controls do.
    if (message.message == WM_KEYDOWN) {
        switch (message.wParam) {
        case VK_F8:
            menu_.F8Pressed(promptMode_);
            ShowTimeOut();
            return true;
        case VK_ESCAPE:
            if (!quitHidden_) {
                Finish(false);
            }
            return true;
        case VK_RETURN: {
            HWND focus = ::GetFocus();
            Finish(
                !(focus != nullptr && ::GetDlgCtrlID(focus) == ids::MenuCancelBut && !quitHidden_));
            return true;
        }
        default:
            break;
        }
    }
    if ((message.message == WM_CHAR || message.message == WM_SYSCHAR) && message.wParam >= ' ') {
        menu_.CharacterKey();
        ShowTimeOut();
    }
    return ::IsDialogMessageA(Handle(), &message) != FALSE;
}

LRESULT TfrmMenu::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        if (id >= ids::RadioButton1 && id < ids::RadioButton1 + logic::MenuItemCount) {
            if (HIWORD(wParam) == BN_CLICKED) {
                menu_.ChooseEntry(id - ids::RadioButton1 + 1);
                ShowTimeOut();
            }
        } else if (id == ids::butOk || id == IDOK) {
            Finish(true);
        } else if ((id == ids::MenuCancelBut || id == IDCANCEL) && !quitHidden_) {
            Finish(false);
        }
        return 0;
    }
    case DM_GETDEFID:
        return MAKELRESULT(ids::butOk, DC_HASDEFID);
    case WM_SIZE:
        if (wParam == SIZE_MINIMIZED) {
            menu_.Minimised();
            ShowTimeOut();
        }
        return 0;
    case WM_CLOSE:
        if (!quitHidden_) {
            Finish(false);
        }
        return 0;
    default:
        return Default(message, wParam, lParam);
    }
}

} // namespace qv::win32
