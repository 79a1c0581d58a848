#include "common/win32/Form.h"

#include "common/win32/Dpi.h"

#include <cmath>

namespace qv::win32 {
namespace {

RECT MonitorArea(HWND window) {
    RECT screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (::GetMonitorInfoA(::MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &info)) {
        screen = info.rcMonitor;
    }
    return screen;
}

// Its own visibility, not its parents': a hidden form's buttons still count as there.
bool IsShownAndEnabled(HWND control) {
    return control != nullptr && ::IsWindowEnabled(control) &&
           (::GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

// Half the difference, rounded to whole pixels (a half to the even neighbour).
int CentreOffset(int outer, int inner) {
    return static_cast<int>(std::nearbyint((outer - inner) / 2.0));
}

bool IsPushButton(HWND control) {
    const auto code = static_cast<UINT>(::SendMessageA(control, WM_GETDLGCODE, 0, 0));
    return (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

// Whether the focused control takes this key itself (a drop-down list open, a multi-line edit).
bool ControlWantsKey(HWND control, const MSG& message) {
    if (control == nullptr) {
        return false;
    }
    MSG copy = message;
    const auto code = static_cast<UINT>(
        ::SendMessageA(control, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&copy)));
    return (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) != 0;
}

} // namespace

Form::Form(MessageLoop& loop, const FormSpec& spec, HWND owner)
    : loop_(loop), spec_(spec), owner_(owner) {
    RegisterWindowClass(spec_.className, spec_.icon, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    CreateWindowOf(spec_.className, spec_.title, spec_.style, spec_.exStyle, 0, 0, 0, 0, owner_);
    if (!IsAlive()) {
        return;
    }
    dpi_ = DpiOf(Handle());
    font_ = CreateMessageFont(dpi_);
    CreateControls(Handle(), spec_.controls, dpi_, font_.Get());
    ApplySize(spec_.width, spec_.height);
    Place();
    loop_.AddFilter(this);
}

Form::~Form() {
    loop_.RemoveFilter(this);
    blocked_.Release();
    Destroy();
}

void Form::ApplySize(int width, int height) {
    designSize_ = SIZE{width, height};
    SIZE outer{Scale(width, dpi_), Scale(height, dpi_)};
    if (!spec_.outerSize) {
        outer = OuterSizeForClient(width, height, spec_.style, spec_.exStyle, dpi_);
    }
    ::SetWindowPos(Handle(), nullptr, 0, 0, outer.cx, outer.cy,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::Place(Placement placement) {
    const RECT own = Self().WindowRect();
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    RECT area{};
    switch (placement) {
    case Placement::AsCreated:
        return;
    case Placement::CentreOverOwner:
        if (owner_ != nullptr && ::IsWindowVisible(owner_)) {
            area = Window(owner_).WindowRect();
            break;
        }
        area = MonitorArea(Handle());
        break;
    case Placement::CentreOnScreen:
        area = MonitorArea(Handle());
        break;
    }
    ::SetWindowPos(Handle(), nullptr, area.left + CentreOffset(area.right - area.left, width),
                   area.top + CentreOffset(area.bottom - area.top, height), 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Form::PressButton(int id) {
    if (!IsShownAndEnabled(::GetDlgItem(Handle(), id))) {
        return false;
    }
    OnCommand(id, BN_CLICKED);
    return true;
}

HWND Form::InitialFocus() const {
    const int id = spec_.initialFocus != 0 ? spec_.initialFocus : spec_.defaultButton;
    HWND control = id != 0 ? ::GetDlgItem(Handle(), id) : nullptr;
    return IsShownAndEnabled(control) ? control : Handle();
}

void Form::RunModal(HWND blocked) {
    modal_ = true;
    blocked_.Block(blocked);
    ::ShowWindow(Handle(), SW_SHOWNORMAL);
    ::SetForegroundWindow(Handle());
    ::SetFocus(InitialFocus());
    loop_.Run(Handle());
    blocked_.Release();
    modal_ = false;
}

void Form::EndModal() {
    // The blocked window is enabled first, so that Windows activates it rather than another
    // program when this one goes.
    blocked_.Release();
    Destroy();
}

void Form::OnClose() {
    if (spec_.cancelButton != 0) {
        PressButton(spec_.cancelButton);
    } else {
        EndModal();
    }
}

void Form::OnActivated() {
    HWND target =
        lastFocus_ != nullptr && ::IsChild(Handle(), lastFocus_) && IsShownAndEnabled(lastFocus_)
            ? lastFocus_
            : InitialFocus();
    ::SetFocus(target);
}

bool Form::HandleKey(const MSG& message) {
    if (message.message != WM_KEYDOWN ||
        (message.wParam != VK_RETURN && message.wParam != VK_ESCAPE)) {
        return false;
    }
    HWND focus = ::GetFocus();
    if (ControlWantsKey(focus, message)) {
        return false;
    }
    if (message.wParam == VK_ESCAPE) {
        if (spec_.cancelButton == 0) {
            return false;
        }
        PressButton(spec_.cancelButton);
        return true;
    }
    // A focused button takes Enter itself, as in any dialog; elsewhere the default button does.
    if (focus != nullptr && ::IsChild(Handle(), focus) && IsPushButton(focus)) {
        PressButton(::GetDlgCtrlID(focus));
        return true;
    }
    if (spec_.defaultButton == 0) {
        return false;
    }
    PressButton(spec_.defaultButton);
    return true;
}

bool Form::PreTranslate(MSG& message) {
    if (!IsAlive() || (message.hwnd != Handle() && !::IsChild(Handle(), message.hwnd))) {
        return false;
    }
    if (PreviewMessage(message) || (IsAlive() && HandleKey(message))) {
        return true;
    }
    return IsAlive() && ::IsDialogMessageA(Handle(), &message) != FALSE;
}

void Form::OnDpiChanged(int dpi, const RECT& suggested) {
    dpi_ = dpi;
    font_ = CreateMessageFont(dpi_);
    SetChildFonts(Handle(), font_.Get());
    LayoutControls(Handle(), spec_.controls, dpi_);
    if ((spec_.style & WS_THICKFRAME) != 0) {
        // A sizeable window keeps the size the user gave it, scaled as the system suggests.
        ::SetWindowPos(Handle(), nullptr, suggested.left, suggested.top,
                       suggested.right - suggested.left, suggested.bottom - suggested.top,
                       SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        ::SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ApplySize(designSize_.cx, designSize_.cy);
    }
    OnDpiApplied();
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        // The dialog manager's Enter and Escape name the default and cancel buttons.
        if ((id == IDOK || id == IDCANCEL) && ::GetDlgItem(Handle(), id) == nullptr) {
            const int button = id == IDOK ? spec_.defaultButton : spec_.cancelButton;
            if (button != 0) {
                PressButton(button);
            }
            return 0;
        }
        OnCommand(id, HIWORD(wParam));
        return 0;
    }
    case DM_GETDEFID:
        if (spec_.defaultButton != 0) {
            return MAKELRESULT(spec_.defaultButton, DC_HASDEFID);
        }
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = ::GetFocus();
            if (focus != nullptr && ::IsChild(Handle(), focus)) {
                lastFocus_ = focus;
            }
        } else if (HIWORD(wParam) == 0) { // not while minimised
            OnActivated();
        }
        return 0;
    case WM_DPICHANGED:
        OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_CLOSE:
        OnClose();
        return 0;
    default:
        return Default(message, wParam, lParam);
    }
}

} // namespace qv::win32
