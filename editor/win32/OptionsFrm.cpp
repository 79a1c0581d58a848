#include "editor/win32/OptionsFrm.h"

#include "common/win32/Controls.h"
#include "common/win32/Gdi.h"
#include "editor/core/FileTypes.h"
#include "editor/win32/ControlIds.h"
#include "editor/win32/HelpTopics.h"
#include "editor/win32/RowIcons.h"

#include <shellapi.h>

#include <algorithm>
#include <array>

namespace qv::win32 {
namespace {

// The labels and the frame of the "Netlyre" page need no names outside this window.
enum : int { GroupBox1 = 1790, Label3, Label4, Label5, Label6, Label7 };
constexpr UINT_PTR Timer1 = 1;

constexpr ControlSpec Controls[] = {
    {ids::PageControl1, ControlKind::TabControl, 8, 8, 384, 244, ""},
    // "General"
    {ids::AutoLoad, ControlKind::CheckBox, 24, 48, 352, 20,
     "Auto Load Quorvel Interpetor when Windows Starts"},
    {ids::SetFile, ControlKind::Button, 24, 82, 160, 25, "Set &File Associations"},
    {Label7, ControlKind::Label, 24, 128, 170, 18, "Clear Last Used File List : "},
    {ids::ClearList, ControlKind::Button, 196, 124, 75, 25, "&Clear"},
    {ids::chkWin98, ControlKind::CheckBox, 24, 166, 200, 20, "Shaded Title Bar"},
    // "Netlyre"
    {GroupBox1, ControlKind::GroupBox, 20, 40, 360, 122, "Use Dialup Specific Scripts", 0, true},
    {Label3, ControlKind::Label, 32, 60, 336, 32,
     "Use this to Run a different script depending on what Dialup Networking Item you use.", 0,
     true},
    {Label4, ControlKind::Label, 32, 94, 60, 16, "E.G.", 0, true},
    {Label5, ControlKind::Label, 32, 112, 336, 30,
     "My Connection is the Dialup Networking Item. So create two scripts. Called ", 0, true},
    {Label6, ControlKind::Label, 32, 142, 336, 16, "My Connection On & My Connection Off", 0, true},
    {ids::Auto, ControlKind::CheckBox, 24, 172, 352, 20,
     "Auto Load Netlyre Add-in when Windows Starts", 0, true},
    {ids::Load, ControlKind::Button, 24, 206, 160, 25, "Load Netlyre Add-In", 0, true},
    {ids::UnloadINT, ControlKind::Button, 196, 206, 160, 25, "Unload Netlyre Add-In", 0, true},
    // The dialog's buttons
    {ids::OptionsCancel, ControlKind::Button, 155, 262, 75, 25, "Cancel"},
    {ids::OptionsOK, ControlKind::DefaultButton, 236, 262, 75, 25, "&OK"},
    {ids::OptionsHelp, ControlKind::Button, 317, 262, 75, 25, "&Help"},
};

constexpr std::array<int, 5> GeneralPage{ids::AutoLoad, ids::SetFile, Label7, ids::ClearList,
                                         ids::chkWin98};
constexpr std::array<int, 8> NetlyrePage{GroupBox1, Label3,    Label4,    Label5,
                                         Label6,    ids::Auto, ids::Load, ids::UnloadINT};

bool IsPageControl(int id) {
    return std::find(GeneralPage.begin(), GeneralPage.end(), id) != GeneralPage.end() ||
           std::find(NetlyrePage.begin(), NetlyrePage.end(), id) != NetlyrePage.end();
}

HWND AddInWindow() {
    return ::FindWindowA(nullptr, editor::AddInWindowTitle.data());
}

} // namespace

TfrmOptions::TfrmOptions(MessageLoop& loop, HWND owner, editor::InstallPorts ports,
                         editor::ScriptDocument& document)
    : Dialog(loop,
             {.className = ids::OptionsFrmClass,
              .title = editor::OptionsCaption.data(),
              .style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
              .exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT,
              .width = 400,
              .height = 296,
              .controls = Controls,
              .defaultButton = ids::OptionsOK,
              .cancelButton = ids::OptionsCancel,
              .initialFocus = ids::PageControl1,
              .placement = Placement::CentreOnScreen,
              .icon = EditorClassIcon()},
             owner, false),
      ports_(ports), model_(ports), document_(document) {
    if (IsAlive()) {
        FormCreate();
    }
}

TfrmOptions::~TfrmOptions() {
    if (IsAlive()) {
        ::KillTimer(Handle(), Timer1);
    }
    Destroy();
}

void TfrmOptions::FormCreate() {
    TabControl pages = Control<TabControl>(ids::PageControl1);
    pages.AddTab("General");
    pages.AddTab("Netlyre");
    PageColour();
    const editor::OptionsFields& fields = model_.Fields();
    Control<Button>(ids::chkWin98).SetChecked(fields.win98);
    Control<Button>(ids::Auto).SetChecked(fields.addInAutoLoad);
    Control<Button>(ids::AutoLoad).SetChecked(fields.autoLoad);
    Control(ids::ClearList).Enable(model_.ClearListEnabled());
    Timer1Timer();
    ::SetTimer(Handle(), Timer1, editor::AddInTimerIntervalMs, nullptr);
    ShowPage(0);
    Place();
}

void TfrmOptions::PageColour() {
    // The pages' controls lie on the dialog, not on the tab strip, whose page may be drawn in
    // another colour than the dialog's face: the controls take the colour the strip paints.
    TabControl pages = Control<TabControl>(ids::PageControl1);
    const RECT client = pages.ClientRect();
    const RECT page = pages.PageRect();
    POINT inside{(page.left + page.right) / 2, (page.top + page.bottom) / 2};
    ::MapWindowPoints(Handle(), pages.Handle(), &inside, 1);
    WindowDC screen(pages.Handle());
    const HDC memory = ::CreateCompatibleDC(screen.Get());
    UniqueBitmap picture(::CreateCompatibleBitmap(screen.Get(), client.right - client.left,
                                                  client.bottom - client.top));
    COLORREF colour = ::GetSysColor(COLOR_BTNFACE);
    if (memory != nullptr && picture) {
        SelectedObject selected(memory, picture.Get());
        pages.Send(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT | PRF_ERASEBKGND);
        const COLORREF painted = ::GetPixel(memory, inside.x, inside.y);
        if (painted != CLR_INVALID) {
            colour = painted;
        }
    }
    if (memory != nullptr) {
        ::DeleteDC(memory);
    }
    pageColour_ = colour;
    pageBrush_.Reset(::CreateSolidBrush(colour));
}

void TfrmOptions::ShowPage(int page) {
    Control<TabControl>(ids::PageControl1).Select(page);
    for (const int id : GeneralPage) {
        Control(id).SetVisible(page == 0);
    }
    for (const int id : NetlyrePage) {
        Control(id).SetVisible(page == 1);
    }
}

void TfrmOptions::OKClick() {
    editor::OptionsFields& fields = model_.Fields();
    fields.win98 = Control<Button>(ids::chkWin98).Checked();
    fields.addInAutoLoad = Control<Button>(ids::Auto).Checked();
    fields.autoLoad = Control<Button>(ids::AutoLoad).Checked();
    const std::vector<editor::EffectFailure> failures = model_.Ok();
    if (!failures.empty()) {
        ::MessageBoxA(Handle(), editor::OptionsModel::FailureText(failures).c_str(),
                      editor::DeveloperCaption.data(), MB_OK | MB_ICONERROR);
    }
    Finish(true);
}

void TfrmOptions::SetFileClick() {
    const editor::FileTypesOutcome outcome = editor::SetFileTypes(ports_, false);
    if (!outcome.message.empty()) {
        ::MessageBoxA(Handle(), outcome.message.c_str(), editor::DeveloperCaption.data(),
                      MB_OK | (outcome.error ? MB_ICONERROR : MB_ICONINFORMATION));
    }
}

void TfrmOptions::ClearListClick() {
    model_.ClearList(document_);
    Control(ids::ClearList).Enable(model_.ClearListEnabled());
}

void TfrmOptions::LoadClick() {
    if (const std::optional<std::string> path = model_.AddInToStart(AddInWindow() != nullptr)) {
        ::ShellExecuteA(Handle(), "Open", path->c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    }
}

void TfrmOptions::UnloadINTClick() {
    if (const HWND addIn = AddInWindow()) {
        // Bounded, so that an add-in that does not answer cannot hang the dialog.
        DWORD_PTR result = 0;
        ::SendMessageTimeoutA(addIn, WM_CLOSE, static_cast<WPARAM>(-1), static_cast<LPARAM>(-1),
                              SMTO_ABORTIFHUNG, 5000, &result);
    }
    Timer1Timer();
}

void TfrmOptions::Timer1Timer() {
    const editor::AddInButtons buttons = editor::OptionsModel::ButtonsFor(AddInWindow() != nullptr);
    Control(ids::Load).Enable(buttons.load);
    Control(ids::UnloadINT).Enable(buttons.unload);
}

void TfrmOptions::HelpClick() {
    OpenHelpTopic(Handle(), std::string(editor::OptionsHelpTopic));
}

void TfrmOptions::OnCommand(int id, int) {
    switch (id) {
    case ids::OptionsOK:
        OKClick();
        break;
    case ids::OptionsCancel:
        Finish(false);
        break;
    case ids::OptionsHelp:
        HelpClick();
        break;
    case ids::SetFile:
        SetFileClick();
        break;
    case ids::ClearList:
        ClearListClick();
        break;
    case ids::Load:
        LoadClick();
        break;
    case ids::UnloadINT:
        UnloadINTClick();
        break;
    default:
        break;
    }
}

bool TfrmOptions::PreviewMessage(MSG& message) {
    if (message.message == WM_KEYDOWN && message.wParam == VK_F1) {
        HelpClick();
        return true;
    }
    return false;
}

LRESULT TfrmOptions::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if (pageBrush_ && reinterpret_cast<HWND>(lParam) != Control(ids::PageControl1).Handle() &&
            IsPageControl(::GetDlgCtrlID(reinterpret_cast<HWND>(lParam)))) {
            ::SetBkColor(reinterpret_cast<HDC>(wParam), pageColour_);
            return reinterpret_cast<LRESULT>(pageBrush_.Get());
        }
        break;
    case WM_TIMER:
        if (wParam == Timer1) {
            Timer1Timer();
            return 0;
        }
        break;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom == static_cast<UINT_PTR>(ids::PageControl1) &&
            header->code == TCN_SELCHANGE) {
            ShowPage(Control<TabControl>(ids::PageControl1).Selected());
            return 0;
        }
        break;
    }
    default:
        break;
    }
    return Dialog::HandleMessage(message, wParam, lParam);
}

} // namespace qv::win32
