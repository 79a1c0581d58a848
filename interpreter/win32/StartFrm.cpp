#include "interpreter/win32/StartFrm.h"

#include "common/win32/Controls.h"
#include "common/win32/Gdi.h"
#include "common/win32/Icons.h"
#include "interpreter/win32/ControlIds.h"

#include <commctrl.h>

#include <algorithm>

namespace qv::win32 {
namespace {

using interp::TimerId;

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

FormSpec StartFrmSpec() {
    return {
        .className = ids::StartFrmClass,
        .title = StartFrmTitle,
        .style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
        .exStyle = WS_EX_CONTROLPARENT,
        .width = StartFrmClientWidth,
        .height = StartFrmClientHeight,
        .controls = Controls,
        .defaultButton = ids::CancelBut,
        .cancelButton = ids::CancelBut,
        .initialFocus = ids::CancelBut,
        // Centred when first shown, not when made.
        .placement = Placement::AsCreated,
        .icon = ProgramClassIcon(),
    };
}

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

TStartFrm::TStartFrm(MessageLoop& loop, HWND owner) : Form(loop, StartFrmSpec(), owner) {
    if (!IsAlive()) {
        return;
    }
    OnDpiApplied();
    tray_.SetIcon(
        LoadProgramIcon(::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON)));
    tray_.SetToolTip("Quorvel");
    tray_.OnClick = [this] {
        if (events_ != nullptr) {
            events_->TrayIcon1Click();
        }
    };
}

TStartFrm::~TStartFrm() {
    tray_.SetActive(false);
    Destroy();
}

void TStartFrm::OnDpiApplied() {
    boldFont_ = CreateMessageFont(Dpi(), true);
    Control(ids::Count).Send(WM_SETFONT, reinterpret_cast<WPARAM>(boldFont_.Get()), TRUE);
    pictures_.Load(Dpi());
    ApplyLayout();
    ResolveCommandIcon();
}

void TStartFrm::ApplyLayout() {
    ApplySize(StartFrmClientWidth,
              StartFrmClientHeight + (copyLayout_ ? StartFrmCopyExtraHeight : 0));
    if (copyLayout_) {
        PlaceControl(Handle(), ids::LoadingAppName, CopyTextPlace.left, CopyTextPlace.top,
                     CopyTextPlace.right - CopyTextPlace.left,
                     CopyTextPlace.bottom - CopyTextPlace.top, Dpi());
    } else if (copied_) {
        PlaceControl(Handle(), ids::LoadingAppName, TextLeftAfterCopy, 3, 257, 83, Dpi());
    }
    Control(ids::IconHolder).SetVisible(!copyLayout_);
    Control(ids::TimeIcon).SetVisible(!copyLayout_ && clockVisible_);
    Control(ids::Anim).SetVisible(copyLayout_);
    // Keep the overlapping controls above their neighbours whatever the creation order did.
    ::SetWindowPos(Control(ids::Count).Handle(), HWND_TOP, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ::SetWindowPos(Control(ids::Anim).Handle(), HWND_TOP, 0, 0, 0, 0,
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
    if (Window control = Control(id)) {
        ::InvalidateRect(control.Handle(), nullptr, FALSE);
    }
}

void TStartFrm::SetStatusText(const std::string& text) {
    Control(ids::LoadingAppName).SetText(text);
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
    Control(ids::TimeIcon).SetVisible(visible && !copyLayout_);
    Redraw(ids::Count);
}

void TStartFrm::SetCountText(const std::string& text) {
    Control(ids::Count).SetText(text);
    Redraw(ids::Count);
}

void TStartFrm::SetCountVisible(bool visible) {
    Control(ids::Count).SetVisible(visible);
}

void TStartFrm::SetButtonCaption(interp::Button button, const std::string& caption) {
    Control(ButtonId(button)).SetText(caption);
}

void TStartFrm::SetButtonEnabled(interp::Button button, bool enabled) {
    HWND control = Control(ButtonId(button)).Handle();
    if (!enabled && ::GetFocus() == control) {
        // Focus on a disabled button would leave the keyboard with nowhere to go.
        HWND next = ::GetNextDlgTabItem(Handle(), control, FALSE);
        ::SetFocus(next != nullptr && next != control ? next : Handle());
    }
    ::EnableWindow(control, enabled ? TRUE : FALSE);
}

void TStartFrm::ShowCentred() {
    Place(Placement::CentreOnScreen);
    shownOnce_ = true;
    ::ShowWindow(Handle(), SW_SHOWNORMAL);
    ::SetForegroundWindow(Handle());
    HWND cancel = Control(ids::CancelBut).Handle();
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
    if (Owner() != nullptr) {
        ::ShowWindow(Owner(), SW_HIDE);
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
    HWND anim = Control(ids::Anim).Handle();
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
    HWND anim = Control(ids::Anim).Handle();
    if (running) {
        ::SendMessageA(anim, ACM_PLAY, static_cast<WPARAM>(-1), MAKELPARAM(0, CopyClipLastFrame));
    } else {
        ::SendMessageA(anim, ACM_STOP, 0, 0);
    }
}

void TStartFrm::ProcessMessages() {
    Loop().ProcessMessages();
}

bool TStartFrm::PreviewMessage(MSG& message) {
    // F5 and F8 work whatever control has the focus.
    if (message.message == WM_KEYDOWN && (message.wParam == VK_F5 || message.wParam == VK_F8)) {
        if (events_ != nullptr) {
            events_->FormKeyDown(message.wParam == VK_F5 ? interp::Key::F5 : interp::Key::F8);
        }
        return true;
    }
    return false;
}

void TStartFrm::OnCommand(int id, int code) {
    if (events_ == nullptr || code != BN_CLICKED) {
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
        Window clock = Control(ids::TimeIcon);
        if (clock.IsVisible()) {
            RECT clockRect = clock.WindowRect();
            RECT countRect = Window(item.hwndItem).WindowRect();
            ::DrawIconEx(dc, clockRect.left - countRect.left, clockRect.top - countRect.top,
                         pictures_.Clock(clockFrame_), iconSize, iconSize, 0, nullptr, DI_NORMAL);
        }
        const std::string text = ControlText(item.hwndItem);
        SelectedObject font(dc, boldFont_.Get());
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
        RECT textBox = box;
        ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &textBox,
                    DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
        break;
    }
    case ids::LoadingAppName: {
        const std::string text = DisplayLines(ControlText(item.hwndItem));
        SelectedObject font(dc, Font());
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
        RECT textBox = box;
        ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &textBox,
                    DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL);
        break;
    }
    default:
        break;
    }
}

void TStartFrm::OnClose() {
    if (events_ != nullptr && !events_->FormCloseQuery()) {
        return;
    }
    for (int i = 0; i < interp::TimerCount; ++i) {
        StopTimer(static_cast<TimerId>(i));
    }
    tray_.SetActive(false);
    Hide();
    Loop().Quit(0);
}

LRESULT TStartFrm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
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
    case WM_QUERYENDSESSION:
        return events_ == nullptr || events_->QueryEndSession() ? TRUE : FALSE;
    case WM_ENDSESSION:
        // FALSE: another program refused, and the run goes on as it was.
        if (wParam != FALSE) {
            if (events_ != nullptr) {
                events_->EndSession();
            }
            Loop().Quit(0);
        }
        return 0;
    case WM_DESTROY:
        for (int i = 0; i < interp::TimerCount; ++i) {
            StopTimer(static_cast<TimerId>(i));
        }
        return 0;
    default:
        return Form::HandleMessage(message, wParam, lParam);
    }
}

} // namespace qv::win32
