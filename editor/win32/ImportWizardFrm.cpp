#include "editor/win32/ImportWizardFrm.h"

#include "common/win32/Controls.h"
#include "common/win32/Gdi.h"
#include "common/win32/Owners.h"
#include "editor/win32/ControlIds.h"
#include "editor/win32/HelpTopics.h"
#include "editor/win32/RowIcons.h"

#include <algorithm>

namespace qv::win32 {
namespace {

constexpr ControlSpec Controls[] = {
    {ids::WizardImage, ControlKind::OwnerDrawn, 12, 12, 132, 268, ""},
    {ids::WizardHeading, ControlKind::Label, 156, 12, 312, 20, editor::ImportWizardHeading.data()},
    {ids::ListBox1, ControlKind::ListBox, 156, 36, 312, 208, "",
     WS_VSCROLL | WS_HSCROLL | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS, false, WS_EX_CLIENTEDGE},
    {ids::cmdHelp, ControlKind::Button, 156, 255, 75, 25, "&Help"},
    {ids::cmdCancel, ControlKind::Button, 312, 255, 75, 25, "Cance&l"},
    {ids::cmdFinish, ControlKind::DefaultButton, 393, 255, 75, 25, "&Finish"},
};

// The wizard's picture, drawn rather than loaded: a start menu's column of programs, three of
// them lifted out by an arrow towards a script page.
void DrawWizardPicture(const DRAWITEMSTRUCT& item) {
    const HDC dc = item.hDC;
    const RECT area = item.rcItem;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    for (int y = 0; y < height; ++y) {
        const int shade = y * 255 / (height > 1 ? height - 1 : 1);
        const RECT band{area.left, area.top + y, area.right, area.top + y + 1};
        UniqueBrush brush(::CreateSolidBrush(RGB(16, 48 + shade / 4, 96 + shade / 2)));
        ::FillRect(dc, &band, brush.Get());
    }
    const auto box = [&](int left, int top, int right, int bottom, COLORREF colour) {
        UniqueBrush brush(::CreateSolidBrush(colour));
        const RECT rect{area.left + left * width / 132, area.top + top * height / 268,
                        area.left + right * width / 132, area.top + bottom * height / 268};
        ::FillRect(dc, &rect, brush.Get());
    };
    // The column of start-up entries; the marked ones are light.
    for (int i = 0; i < 6; ++i) {
        const int top = 24 + i * 22;
        const bool marked = i == 1 || i == 2 || i == 4;
        box(14, top, 30, top + 16, marked ? RGB(255, 214, 64) : RGB(120, 150, 190));
        box(36, top + 4, 64, top + 12, marked ? RGB(240, 240, 240) : RGB(150, 170, 200));
    }
    // The arrow down to the script.
    box(62, 160, 70, 196, RGB(255, 214, 64));
    for (int step = 0; step < 10; ++step) {
        box(56 + step / 2, 196 + step, 76 - step / 2, 197 + step, RGB(255, 214, 64));
    }
    // The script page with its lines.
    box(30, 212, 102, 256, RGB(250, 250, 250));
    for (int line = 0; line < 4; ++line) {
        box(38, 218 + line * 9, line == 3 ? 78 : 94, 222 + line * 9, RGB(40, 80, 140));
    }
}

} // namespace

TfrmMain::TfrmMain(MessageLoop& loop, HWND owner, editor::InstallPorts ports,
                   editor::ScriptDocument& document)
    : Dialog(loop,
             {.className = ids::ImportWizardFrmClass,
              .title = editor::ImportWizardCaption.data(),
              .style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
              .exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT,
              .width = 480,
              .height = 292,
              .controls = Controls,
              .defaultButton = ids::cmdFinish,
              .cancelButton = ids::cmdCancel,
              .initialFocus = ids::ListBox1,
              .placement = Placement::CentreOverOwner,
              .icon = EditorClassIcon()},
             owner, false),
      model_(ports), document_(document) {
    if (IsAlive()) {
        FormCreate();
    }
}

TfrmMain::~TfrmMain() {
    Destroy();
}

void TfrmMain::FormCreate() {
    ListBox list = Control<ListBox>(ids::ListBox1);
    const std::vector<std::string> texts = model_.Texts();
    list.SetItems(texts);
    // Room to scroll sideways to the end of a long command line.
    int widest = 0;
    {
        WindowDC dc(list.Handle());
        SelectedObject font(dc.Get(), Font());
        for (const std::string& text : texts) {
            SIZE size{};
            ::GetTextExtentPoint32A(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
            widest = std::max(widest, static_cast<int>(size.cx));
        }
    }
    list.Send(LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + 8));
    list.Select(model_.Selected());
    Control(ids::cmdFinish).Enable(model_.FinishEnabled());
    Place();
}

void TfrmMain::PullSelection() {
    const int selected = Control<ListBox>(ids::ListBox1).Selected();
    if (selected >= 0) {
        model_.Select(selected);
    }
}

void TfrmMain::ShowEntry(bool changed) {
    ListBox list = Control<ListBox>(ids::ListBox1);
    const int selected = model_.Selected();
    if (changed && selected >= 0 && selected < list.Count()) {
        list.Send(WM_SETREDRAW, FALSE);
        list.Delete(selected);
        list.Insert(selected, model_.Text(static_cast<std::size_t>(selected)));
        list.Send(WM_SETREDRAW, TRUE);
        list.Invalidate();
    }
    // The entry stays selected.
    list.Select(selected);
    Control(ids::cmdFinish).Enable(model_.FinishEnabled());
}

void TfrmMain::ListBox1DblClick() {
    PullSelection();
    ShowEntry(model_.DoubleClick());
}

void TfrmMain::ListBox1KeyPress(char key) {
    PullSelection();
    ShowEntry(model_.KeyPress(key).changed);
}

void TfrmMain::cmdFinishClick() {
    if (!model_.FinishEnabled()) {
        return;
    }
    const editor::ImportOutcome outcome = model_.Finish(document_);
    const std::string caption(editor::DeveloperCaption);
    for (const std::string& error : outcome.errors) {
        ::MessageBoxA(Handle(), error.c_str(), caption.c_str(), MB_OK | MB_ICONERROR);
    }
    if (!outcome.linksMoved.empty()) {
        ::MessageBoxA(Handle(), outcome.linksMoved.c_str(), caption.c_str(),
                      MB_OK | MB_ICONWARNING);
    }
    Finish(true);
}

void TfrmMain::cmdHelpClick() {
    OpenHelpTopic(Handle(), std::string(editor::ImportWizardHelpTopic));
}

void TfrmMain::OnCommand(int id, int code) {
    switch (id) {
    case ids::ListBox1:
        if (code == LBN_DBLCLK) {
            ListBox1DblClick();
        } else if (code == LBN_SELCHANGE) {
            PullSelection();
        }
        break;
    case ids::cmdFinish:
        cmdFinishClick();
        break;
    case ids::cmdCancel:
        Finish(false);
        break;
    case ids::cmdHelp:
        cmdHelpClick();
        break;
    default:
        break;
    }
}

bool TfrmMain::PreviewMessage(MSG& message) {
    // Typed characters reach the model, never the list: no type-ahead moves the selection.
    if (message.message == WM_CHAR && message.hwnd == Control(ids::ListBox1).Handle()) {
        ListBox1KeyPress(static_cast<char>(message.wParam));
        return true;
    }
    if (message.message == WM_KEYDOWN && message.wParam == VK_F1) {
        cmdHelpClick();
        return true;
    }
    return false;
}

LRESULT TfrmMain::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DRAWITEM && wParam == static_cast<WPARAM>(ids::WizardImage)) {
        DrawWizardPicture(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    }
    return Dialog::HandleMessage(message, wParam, lParam);
}

} // namespace qv::win32
