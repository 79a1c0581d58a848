#include "interpreter/win32/PromptFrm.h"

#include "common/win32/Dpi.h"
#include "interpreter/win32/ControlIds.h"
#include "interpreter/win32/Icons.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

namespace qv::win32 {
namespace {

constexpr DWORD FormStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN;
constexpr DWORD FormExStyle = WS_EX_CONTROLPARENT;
constexpr int ButtonWidth = 70;
constexpr int ButtonHeight = 25;
constexpr int Margin = 6;

constexpr ControlSpec Buttons[] = {
    {ids::RunBut, ControlKind::DefaultButton, 0, 0, ButtonWidth, ButtonHeight, "&Run"},
    {ids::SelectAllBut, ControlKind::Button, 0, 0, ButtonWidth, ButtonHeight, "Select &All"},
    {ids::SelectNoneBut, ControlKind::Button, 0, 0, ButtonWidth, ButtonHeight, "Select &None"},
    {ids::PromptCancelBut, ControlKind::Button, 0, 0, ButtonWidth, ButtonHeight, "&Cancel"},
};

} // namespace

TfrmPrompt::TfrmPrompt(MessageLoop& loop, HWND owner, const std::vector<std::string>& entries)
    : loop_(loop), owner_(owner), count_(entries.size()) {
    RegisterWindowClass(
        ids::PromptFrmClass,
        LoadProgramIcon(::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON)),
        reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    CreateWindowOf(ids::PromptFrmClass, PromptFrmTitle, FormStyle, FormExStyle, 0, 0,
                   PromptFrmWidth, PromptFrmHeight, owner_);
    if (!IsAlive()) {
        return;
    }
    dpi_ = DpiOf(Handle());
    font_ = CreatePointFont("MS Sans Serif", 8, dpi_);

    HWND list = ::CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT |
                                      LVS_NOCOLUMNHEADER | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                                  0, 0, 10, 10, Handle(),
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(ids::CheckListBox1)),
                                  ::GetModuleHandleA(nullptr), nullptr);
    ::SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    ::SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT,
                   LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    LVCOLUMNA column{};
    column.mask = LVCF_WIDTH;
    column.cx = Scale(PromptFrmWidth, dpi_);
    ::SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    ::SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    ::SendMessageA(list, LVM_SETITEMCOUNT, entries.size(), 0);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(i);
        item.pszText = const_cast<char*>(entries[i].c_str());
        ::SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    ::SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    CreateControls(Handle(), Buttons, dpi_, font_.Get());

    const SIZE outer{Scale(PromptFrmWidth, dpi_), Scale(PromptFrmHeight, dpi_)};
    HMONITOR monitor = ::MonitorFromWindow(Handle(), MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    RECT screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    if (::GetMonitorInfoA(monitor, &info)) {
        screen = info.rcMonitor;
    }
    ::SetWindowPos(Handle(), nullptr, screen.left + (screen.right - screen.left - outer.cx) / 2,
                   screen.top + (screen.bottom - screen.top - outer.cy) / 2, outer.cx, outer.cy,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    Layout();
    loop_.AddFilter(this);
}

TfrmPrompt::~TfrmPrompt() {
    loop_.RemoveFilter(this);
    Destroy();
}

void TfrmPrompt::Layout() {
    const RECT client = Self().ClientRect();
    const int strip = Scale(PromptFrmStripHeight, dpi_);
    const int width = client.right - client.left;
    const int listHeight = std::max(0, static_cast<int>(client.bottom) - strip);
    HWND list = ::GetDlgItem(Handle(), ids::CheckListBox1);
    ::SetWindowPos(list, nullptr, 0, 0, width, listHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    ::SendMessageA(list, LVM_SETCOLUMNWIDTH, 0, LVSCW_AUTOSIZE_USEHEADER);

    const int top = listHeight + (strip - Scale(ButtonHeight, dpi_)) / 2;
    const int buttonWidth = Scale(ButtonWidth, dpi_);
    const int buttonHeight = Scale(ButtonHeight, dpi_);
    const int gap = Scale(Margin, dpi_);
    int left = gap;
    for (int id : {ids::RunBut, ids::SelectAllBut, ids::SelectNoneBut}) {
        ::SetWindowPos(::GetDlgItem(Handle(), id), nullptr, left, top, buttonWidth, buttonHeight,
                       SWP_NOZORDER | SWP_NOACTIVATE);
        left += buttonWidth + gap;
    }
    ::SetWindowPos(::GetDlgItem(Handle(), ids::PromptCancelBut), nullptr, width - gap - buttonWidth,
                   top, buttonWidth, buttonHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TfrmPrompt::CheckAll(bool checked) {
    HWND list = ::GetDlgItem(Handle(), ids::CheckListBox1);
    LVITEMA item{};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
    // Item -1 stands for every item.
    ::SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                   reinterpret_cast<LPARAM>(&item));
}

void TfrmPrompt::Finish(bool run) {
    if (run) {
        HWND list = ::GetDlgItem(Handle(), ids::CheckListBox1);
        std::vector<bool> checked(count_, false);
        for (std::size_t i = 0; i < count_; ++i) {
            const auto state =
                static_cast<UINT>(::SendMessageA(list, LVM_GETITEMSTATE, i, LVIS_STATEIMAGEMASK));
            checked[i] = (state >> 12) == 2;
        }
        result_ = std::move(checked);
    } else {
        result_.reset();
    }
    blocked_.Release();
    Destroy();
}

std::optional<std::vector<bool>> TfrmPrompt::ShowModal(HWND blocked) {
    if (!IsAlive()) {
        return std::nullopt;
    }
    RunModalOver(loop_, Handle(), ::GetDlgItem(Handle(), ids::CheckListBox1), blocked, blocked_);
    return result_;
}

bool TfrmPrompt::PreTranslate(MSG& message) {
    if (!IsAlive() || (message.hwnd != Handle() && !::IsChild(Handle(), message.hwnd))) {
        return false;
    }
    if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN) {
        // A focused button takes Enter itself; anywhere else Enter means Run.
        HWND focus = ::GetFocus();
        const int focused = focus != nullptr ? ::GetDlgCtrlID(focus) : 0;
        if (focused == ids::SelectAllBut || focused == ids::SelectNoneBut ||
            focused == ids::PromptCancelBut) {
            ::SendMessageA(Handle(), WM_COMMAND, MAKEWPARAM(focused, BN_CLICKED),
                           reinterpret_cast<LPARAM>(focus));
        } else {
            Finish(true);
        }
        return true;
    }
    if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) {
        Finish(false);
        return true;
    }
    return ::IsDialogMessageA(Handle(), &message) != FALSE;
}

LRESULT TfrmPrompt::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case ids::RunBut:
        case IDOK:
            Finish(true);
            break;
        case ids::SelectAllBut:
            CheckAll(true);
            break;
        case ids::SelectNoneBut:
            CheckAll(false);
            break;
        case ids::PromptCancelBut:
        case IDCANCEL:
            Finish(false);
            break;
        default:
            break;
        }
        return 0;
    case DM_GETDEFID:
        return MAKELRESULT(ids::RunBut, DC_HASDEFID);
    case WM_SIZE:
        Layout();
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) {
            ::SetFocus(::GetDlgItem(Handle(), ids::CheckListBox1));
        }
        return 0;
    case WM_DPICHANGED: {
        dpi_ = HIWORD(wParam);
        font_ = CreatePointFont("MS Sans Serif", 8, dpi_);
        SetChildFonts(Handle(), font_.Get());
        const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
        ::SetWindowPos(Handle(), nullptr, suggested->left, suggested->top,
                       suggested->right - suggested->left, suggested->bottom - suggested->top,
                       SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_CLOSE:
        Finish(false);
        return 0;
    default:
        return Default(message, wParam, lParam);
    }
}

} // namespace qv::win32
