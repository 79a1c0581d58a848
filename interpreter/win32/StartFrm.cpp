#include "interpreter/win32/StartFrm.h"

#include "common/win32/Dpi.h"
#include "interpreter/win32/ControlIds.h"

#include <commctrl.h>

#include <algorithm>

namespace qv::win32 {
namespace {

using interp::TimerId;

constexpr DWORD FormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD FormExStyle = WS_EX_CONTROLPARENT;
constexpr const char* FontFace = "MS Sans Serif";
constexpr int FontPoints = 8;
// The shell's file-copy clip, played up to this frame and repeated.
constexpr int CopyClipResource = 161;
constexpr int CopyClipLastFrame = 26;

// Count is drawn over the clock and Anim over the text's lower part: both are created first,
// which puts them above their neighbours.
constexpr ControlSpec Controls[] = {
    {ids::Count, ControlKind::OwnerDrawn, 10, 54, 24, 13, "20", 0, true},
    {ids::IconHolder, ControlKind::OwnerDrawn, 5, 4, 36, 37, ""},
    {ids::TimeIcon, ControlKind::OwnerDrawn, 5, 44, 36, 37, "", WS_CLIPSIBLINGS, true},
    {ids::Anim, ControlKind::Animation, 29, 64, 272, 60, "", ACS_TRANSPARENT | ACS_CENTER, true},
    {ids::LoadingAppName, ControlKind::OwnerDrawn, 47, 3, 257, 83, "Loading Quorvel",
     WS_CLIPSIBLINGS},
    {ids::CancelBut, ControlKind::DefaultButton, 309, 3, 73, 24, "Cance&l"},
    {ids::Button1, ControlKind::Button, 309, 30, 73, 23, "&Next >>"},
    {ids::cmdPause, ControlKind::Button, 309, 56, 73, 24, "&Pause"},
};

// The copy layout's text place, and the one the text returns to afterwards.
constexpr RECT CopyTextPlace{8, 3, 8 + 297, 3 + 83};
constexpr int TextLeftAfterCopy = 48;

int ButtonId(interp::Button button) {
    switch (button) {
    case interp::Button::CancelBut:
        return ids::CancelBut;
    case interp::Button::Button1:
        return ids::Button1;
    case interp::Button::cmdPause:
        return ids::cmdPause;
    }
    return ids::CancelBut;
}

// A lone CR separates the status lines; drawing wants CR LF.
std::string DisplayLines(const std::string& text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        out += text[i];
        if (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n')) {
            out += '\n';
        }
    }
    return out;
}

std::string ControlText(HWND control) {
    return Window(control).Text();
}

} // namespace

TStartFrm::TStartFrm(MessageLoop& loop, HWND owner) : loop_(loop), owner_(owner) {
    RegisterWindowClass(
        ids::StartFrmClass,
        LoadProgramIcon(::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON)),
        reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    CreateWindowOf(ids::StartFrmClass, StartFrmTitle, FormStyle, FormExStyle, 0, 0,
                   StartFrmClientWidth, StartFrmClientHeight, owner_);
    if (!IsAlive()) {
        return;
    }
    ApplyDpi(DpiOf(Handle()));
    CreateControls(Handle(), Controls, dpi_, font_.Get());
    ::SendMessageA(Control(ids::Count), WM_SETFONT, reinterpret_cast<WPARAM>(boldFont_.Get()),
                   FALSE);
    ApplyLayout();
    commandIcon_.source = interp::CommandIcon::Source::Application;
    ResolveCommandIcon();

    tray_.SetIcon(
        LoadProgramIcon(::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON)));
    tray_.SetToolTip("Quorvel");
    tray_.OnClick = [this] {
        if (events_ != nullptr) {
            events_->TrayIcon1Click();
        }
    };
    loop_.AddFilter(this);
}

TStartFrm::~TStartFrm() {
    loop_.RemoveFilter(this);
    tray_.SetActive(false);
    Destroy();
}

void TStartFrm::ApplyDpi(int dpi) {
    dpi_ = dpi;
    font_ = CreatePointFont(FontFace, FontPoints, dpi_);
    boldFont_ = CreatePointFont(FontFace, FontPoints, dpi_, true);
    pictures_.Load(dpi_);
    if (Control(ids::CancelBut) != nullptr) {
        SetChildFonts(Handle(), font_.Get());
        ::SendMessageA(Control(ids::Count), WM_SETFONT, reinterpret_cast<WPARAM>(boldFont_.Get()),
                       TRUE);
        LayoutControls(Handle(), Controls, dpi_);
        ApplyLayout();
        ResolveCommandIcon();
    }
}

void TStartFrm::ApplyLayout() {
    const SIZE outer = OuterSizeForClient(
        StartFrmClientWidth, StartFrmClientHeight + (copyLayout_ ? StartFrmCopyExtraHeight : 0),
        FormStyle, FormExStyle, dpi_);
    ::SetWindowPos(Handle(), nullptr, 0, 0, outer.cx, outer.cy,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (copyLayout_) {
        PlaceControl(Handle(), ids::LoadingAppName, CopyTextPlace.left, CopyTextPlace.top,
                     CopyTextPlace.right - CopyTextPlace.left,
                     CopyTextPlace.bottom - CopyTextPlace.top, dpi_);
    } else if (copied_) {
        PlaceControl(Handle(), ids::LoadingAppName, TextLeftAfterCopy, 3, 257, 83, dpi_);
    }
    Window(Control(ids::IconHolder)).SetVisible(!copyLayout_);
    Window(Control(ids::TimeIcon)).SetVisible(!copyLayout_ && clockVisible_);
    Window(Control(ids::Anim)).SetVisible(copyLayout_);
    // Keep the overlapping controls above their neighbours whatever the creation order did.
    ::SetWindowPos(Control(ids::Count), HWND_TOP, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ::SetWindowPos(Control(ids::Anim), HWND_TOP, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Self().Invalidate();
}

void TStartFrm::StartTimer(TimerId id, int intervalMs) {
    TimerSlot& slot = timers_[Index(id)];
    slot.interval = intervalMs;
    if (intervalMs <= 0 || !IsAlive()) {
        StopTimer(id);
        return;
    }
    slot.running = ::SetTimer(Handle(), Index(id) + 1, static_cast<UINT>(intervalMs), nullptr) != 0;
}

void TStartFrm::StopTimer(TimerId id) {
    TimerSlot& slot = timers_[Index(id)];
    slot.running = false;
    if (IsAlive()) {
        ::KillTimer(Handle(), Index(id) + 1);
    }
}

void TStartFrm::OnTimerMessage(UINT_PTR timerId) {
    if (timerId < 1 || timerId > static_cast<UINT_PTR>(interp::TimerCount)) {
        return;
    }
    const auto id = static_cast<TimerId>(timerId - 1);
    // A tick already queued when the timer was stopped is not delivered.
    if (!timers_[Index(id)].running || events_ == nullptr) {
        return;
    }
    events_->OnTimer(id);
}

void TStartFrm::Redraw(int id) {
    if (HWND control = Control(id)) {
        ::InvalidateRect(control, nullptr, FALSE);
    }
}

void TStartFrm::SetStatusText(const std::string& text) {
    ::SetWindowTextA(Control(ids::LoadingAppName), text.c_str());
    Redraw(ids::LoadingAppName);
}

void TStartFrm::SetTitle(const std::string& text) {
    Self().SetText(text);
}

void TStartFrm::ShowCommandIcon(const interp::CommandIcon& icon) {
    commandIcon_ = icon;
    ResolveCommandIcon();
}

void TStartFrm::ResolveCommandIcon() {
    using Source = interp::CommandIcon::Source;
    extractedIcon_.Reset();
    switch (commandIcon_.source) {
    case Source::Associated:
        extractedIcon_ = AssociatedIcon(commandIcon_.path);
        shownIcon_ = extractedIcon_ ? extractedIcon_.Get() : pictures_.Program();
        break;
    case Source::FileIndex:
        extractedIcon_ = IconFromFile(commandIcon_.path, commandIcon_.index);
        shownIcon_ = extractedIcon_.Get();
        break;
    case Source::Application:
    case Source::Window:
        shownIcon_ = pictures_.Program();
        break;
    case Source::ClockFrame:
        shownIcon_ = pictures_.Clock(commandIcon_.index);
        break;
    case Source::NetworkPicture:
        shownIcon_ = pictures_.Network(commandIcon_.index);
        break;
    }
    Redraw(ids::IconHolder);
}

void TStartFrm::SetClockFrame(int frame) {
    clockFrame_ = std::clamp(frame, 0, ProgramPictures::ClockFrames - 1);
    Redraw(ids::TimeIcon);
    Redraw(ids::Count);
}

void TStartFrm::SetClockVisible(bool visible) {
    clockVisible_ = visible;
    Window(Control(ids::TimeIcon)).SetVisible(visible && !copyLayout_);
    Redraw(ids::Count);
}

void TStartFrm::SetCountText(const std::string& text) {
    ::SetWindowTextA(Control(ids::Count), text.c_str());
    Redraw(ids::Count);
}

void TStartFrm::SetCountVisible(bool visible) {
    Window(Control(ids::Count)).SetVisible(visible);
}

void TStartFrm::SetButtonCaption(interp::Button button, const std::string& caption) {
    ::SetWindowTextA(Control(ButtonId(button)), caption.c_str());
}

void TStartFrm::SetButtonEnabled(interp::Button button, bool enabled) {
    HWND control = Control(ButtonId(button));
    if (!enabled && ::GetFocus() == control) {
        // Focus on a disabled button would leave the keyboard with nowhere to go.
        HWND next = ::GetNextDlgTabItem(Handle(), control, FALSE);
        ::SetFocus(next != nullptr && next != control ? next : Handle());
    }
    ::EnableWindow(control, enabled ? TRUE : FALSE);
}

void TStartFrm::ShowCentred() {
    HMONITOR monitor = ::MonitorFromWindow(Handle(), MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    RECT screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    if (::GetMonitorInfoA(monitor, &info)) {
        screen = info.rcMonitor;
    }
    const RECT own = Self().WindowRect();
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    ::SetWindowPos(Handle(), nullptr, screen.left + (screen.right - screen.left - width) / 2,
                   screen.top + (screen.bottom - screen.top - height) / 2, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    shownOnce_ = true;
    ::ShowWindow(Handle(), SW_SHOWNORMAL);
    ::SetForegroundWindow(Handle());
    HWND cancel = Control(ids::CancelBut);
    ::SetFocus(::IsWindowEnabled(cancel) ? cancel : Handle());
}

void TStartFrm::Show() {
    if (!shownOnce_) {
        ShowCentred();
        return;
    }
    ::ShowWindow(Handle(), ::IsIconic(Handle()) ? SW_RESTORE : SW_SHOW);
}

void TStartFrm::Hide() {
    ::ShowWindow(Handle(), SW_HIDE);
}

void TStartFrm::Minimize() {
    ::ShowWindow(Handle(), SW_MINIMIZE);
}

void TStartFrm::MoveTo(int left, int top) {
    ::SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

interp::Size TStartFrm::WindowSize() {
    const RECT rect = Self().WindowRect();
    return {rect.right - rect.left, rect.bottom - rect.top};
}

interp::Size TStartFrm::ScreenSize() {
    return {::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
}

void TStartFrm::BringToFront() {
    if (Self().IsVisible()) {
        ::SetForegroundWindow(Handle());
    }
}

void TStartFrm::HideTaskbarButton() {
    // The window is owned by the hidden application window, and owned windows get no task-bar
    // button; the owner itself must stay hidden.
    if (owner_ != nullptr) {
        ::ShowWindow(owner_, SW_HIDE);
    }
}

void TStartFrm::SetTrayIcon(bool active) {
    tray_.SetActive(active);
}

void TStartFrm::SetCopyLayout(bool copying) {
    if (copying == copyLayout_) {
        return;
    }
    copyLayout_ = copying;
    HWND anim = Control(ids::Anim);
    if (copying) {
        ::SendMessageA(anim, ACM_OPENA, reinterpret_cast<WPARAM>(::GetModuleHandleA("shell32.dll")),
                       reinterpret_cast<LPARAM>(MAKEINTRESOURCEA(CopyClipResource)));
        ::SendMessageA(anim, ACM_PLAY, static_cast<WPARAM>(-1), MAKELPARAM(0, CopyClipLastFrame));
    } else {
        ::SendMessageA(anim, ACM_STOP, 0, 0);
        ::SendMessageA(anim, ACM_OPENA, 0, 0);
        copied_ = true;
    }
    ApplyLayout();
}

void TStartFrm::SetCopyAnimation(bool running) {
    if (!copyLayout_) {
        return;
    }
    HWND anim = Control(ids::Anim);
    if (running) {
        ::SendMessageA(anim, ACM_PLAY, static_cast<WPARAM>(-1), MAKELPARAM(0, CopyClipLastFrame));
    } else {
        ::SendMessageA(anim, ACM_STOP, 0, 0);
    }
}

void TStartFrm::ProcessMessages() {
    loop_.ProcessMessages();
}

void TStartFrm::ClickIfEnabled(int id) {
    HWND control = Control(id);
    if (control != nullptr && ::IsWindowEnabled(control)) {
        OnCommand(id, BN_CLICKED);
    }
}

bool TStartFrm::PreTranslate(MSG& message) {
    if (!IsAlive() || (message.hwnd != Handle() && !::IsChild(Handle(), message.hwnd))) {
        return false;
    }
    if (message.message == WM_KEYDOWN) {
        switch (message.wParam) {
        case VK_F5:
        case VK_F8:
            if (events_ != nullptr) {
                events_->FormKeyDown(message.wParam == VK_F5 ? interp::Key::F5 : interp::Key::F8);
            }
            return true;
        case VK_ESCAPE:
            ClickIfEnabled(ids::CancelBut);
            return true;
        case VK_RETURN: {
            // A focused button takes Enter itself, as in any dialog; otherwise Cancel does.
            HWND focus = ::GetFocus();
            const int focused = focus != nullptr ? ::GetDlgCtrlID(focus) : 0;
            ClickIfEnabled(focused == ids::Button1 || focused == ids::cmdPause ? focused
                                                                               : ids::CancelBut);
            return true;
        }
        default:
            break;
        }
    }
    return ::IsDialogMessageA(Handle(), &message) != FALSE;
}

void TStartFrm::OnCommand(int id, int code) {
    if (events_ == nullptr || (code != BN_CLICKED && id != IDCANCEL && id != IDOK)) {
        return;
    }
    switch (id) {
    case ids::CancelBut:
        events_->CancelButClick();
        break;
    case ids::Button1:
        events_->Button1Click();
        break;
    case ids::cmdPause:
        events_->cmdPauseClick();
        break;
    case IDOK:
    case IDCANCEL:
        ClickIfEnabled(ids::CancelBut);
        break;
    default:
        break;
    }
}

void TStartFrm::OnDrawItem(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    const RECT& box = item.rcItem;
    ::FillRect(dc, &box, ::GetSysColorBrush(COLOR_BTNFACE));
    const int iconSize = pictures_.Size();
    switch (item.CtlID) {
    case ids::IconHolder:
        if (shownIcon_ != nullptr) {
            ::DrawIconEx(dc, box.left, box.top, shownIcon_, iconSize, iconSize, 0, nullptr,
                         DI_NORMAL);
        }
        break;
    case ids::TimeIcon:
        ::DrawIconEx(dc, box.left, box.top, pictures_.Clock(clockFrame_), iconSize, iconSize, 0,
                     nullptr, DI_NORMAL);
        break;
    case ids::Count: {
        // Transparent over the clock: paint the part of the clock that lies beneath first.
        HWND clock = Control(ids::TimeIcon);
        if (::IsWindowVisible(clock)) {
            RECT clockRect = Window(clock).WindowRect();
            RECT countRect = Window(item.hwndItem).WindowRect();
            ::DrawIconEx(dc, clockRect.left - countRect.left, clockRect.top - countRect.top,
                         pictures_.Clock(clockFrame_), iconSize, iconSize, 0, nullptr, DI_NORMAL);
        }
        const std::string text = ControlText(item.hwndItem);
        HGDIOBJ old = ::SelectObject(dc, boldFont_.Get());
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
        RECT textBox = box;
        ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &textBox,
                    DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
        ::SelectObject(dc, old);
        break;
    }
    case ids::LoadingAppName: {
        const std::string text = DisplayLines(ControlText(item.hwndItem));
        HGDIOBJ old = ::SelectObject(dc, font_.Get());
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
        RECT textBox = box;
        ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &textBox,
                    DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL);
        ::SelectObject(dc, old);
        break;
    }
    default:
        break;
    }
}

void TStartFrm::OnDpiChanged(int dpi, const RECT& suggested) {
    ::SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ApplyDpi(dpi);
}

void TStartFrm::Close() {
    if (events_ != nullptr && !events_->FormCloseQuery()) {
        return;
    }
    for (int i = 0; i < interp::TimerCount; ++i) {
        StopTimer(static_cast<TimerId>(i));
    }
    tray_.SetActive(false);
    Hide();
    loop_.Quit(0);
}

LRESULT TStartFrm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_TIMER:
        OnTimerMessage(wParam);
        return 0;
    case WM_DRAWITEM:
        OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_CTLCOLORSTATIC: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
        ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
        return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
    }
    case DM_GETDEFID:
        return MAKELRESULT(ids::CancelBut, DC_HASDEFID);
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = ::GetFocus();
            if (focus != nullptr && ::IsChild(Handle(), focus)) {
                lastFocus_ = focus;
            }
        } else {
            HWND target = lastFocus_ != nullptr && ::IsChild(Handle(), lastFocus_)
                              ? lastFocus_
                              : Control(ids::CancelBut);
            if (::IsWindowEnabled(target)) {
                ::SetFocus(target);
            }
        }
        return 0;
    case WM_DPICHANGED:
        OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_CLOSE:
        Close();
        return 0;
    case WM_QUERYENDSESSION:
        return events_ == nullptr || events_->FormCloseQuery() ? TRUE : FALSE;
    case WM_ENDSESSION:
        if (wParam != FALSE) {
            loop_.Quit(0);
        }
        return 0;
    case WM_DESTROY:
        for (int i = 0; i < interp::TimerCount; ++i) {
            StopTimer(static_cast<TimerId>(i));
        }
        return 0;
    default:
        return Default(message, wParam, lParam);
    }
}

} // namespace qv::win32
