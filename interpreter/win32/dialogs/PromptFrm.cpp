#include "interpreter/win32/dialogs/PromptFrm.h"

#include "common/win32/Controls.h"
#include "common/win32/Icons.h"
#include "interpreter/win32/ControlIds.h"

#include <algorithm>

namespace qv::win32 {
namespace {

constexpr int ButtonWidth = 70;
constexpr int ButtonHeight = 25;
constexpr int Margin = 6;

// The list fills the window and the buttons sit in the strip below it: Layout places them all
// from the window's size, which the user may change.
constexpr ControlSpec Controls[] = {
    {ids::CheckListBox1, ControlKind::ListView, 0, 0, 0, 0, "",
     LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL, false, WS_EX_CLIENTEDGE},
    {ids::RunBut, ControlKind::DefaultButton, 0, 0, ButtonWidth, ButtonHeight, "&Run"},
    {ids::SelectAllBut, ControlKind::Button, 0, 0, ButtonWidth, ButtonHeight, "Select &All"},
    {ids::SelectNoneBut, ControlKind::Button, 0, 0, ButtonWidth, ButtonHeight, "Select &None"},
    {ids::PromptCancelBut, ControlKind::Button, 0, 0, ButtonWidth, ButtonHeight, "&Cancel"},
};

FormSpec PromptFrmSpec() {
    return {
        .className = ids::PromptFrmClass,
        .title = PromptFrmTitle,
        .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN,
        .exStyle = WS_EX_CONTROLPARENT,
        .width = PromptFrmWidth,
        .height = PromptFrmHeight,
        .controls = Controls,
        .defaultButton = ids::RunBut,
        .cancelButton = ids::PromptCancelBut,
        .initialFocus = ids::CheckListBox1,
        .icon = ProgramClassIcon(),
        .outerSize = true,
    };
}

} // namespace

TfrmPrompt::TfrmPrompt(MessageLoop& loop, HWND owner, const std::vector<std::string>& entries)
    : Dialog(loop, PromptFrmSpec(), owner, std::nullopt) {
    if (!IsAlive()) {
        return;
    }
    ListView list = Control<ListView>(ids::CheckListBox1);
    list.SetExtendedStyle(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT,
                          LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    list.AddColumn("", Scale(PromptFrmWidth, Dpi()));
    list.SetRedraw(false);
    list.Reserve(static_cast<int>(entries.size()));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        list.InsertItem(static_cast<int>(i), entries[i]);
    }
    list.SetRedraw(true);
    Layout();
}

void TfrmPrompt::Layout() {
    const RECT client = Self().ClientRect();
    const int strip = Scale(PromptFrmStripHeight, Dpi());
    const int width = client.right - client.left;
    const int listHeight = std::max(0, static_cast<int>(client.bottom) - strip);
    ListView list = Control<ListView>(ids::CheckListBox1);
    list.Move(0, 0, width, listHeight);
    list.SetColumnWidth(0, LVSCW_AUTOSIZE_USEHEADER);

    const int top = listHeight + (strip - Scale(ButtonHeight, Dpi())) / 2;
    const int buttonWidth = Scale(ButtonWidth, Dpi());
    const int buttonHeight = Scale(ButtonHeight, Dpi());
    const int gap = Scale(Margin, Dpi());
    int left = gap;
    for (int id : {ids::RunBut, ids::SelectAllBut, ids::SelectNoneBut}) {
        Control(id).Move(left, top, buttonWidth, buttonHeight);
        left += buttonWidth + gap;
    }
    Control(ids::PromptCancelBut).Move(width - gap - buttonWidth, top, buttonWidth, buttonHeight);
}

void TfrmPrompt::OnCommand(int id, int) {
    ListView list = Control<ListView>(ids::CheckListBox1);
    switch (id) {
    case ids::RunBut: {
        std::vector<bool> checked(static_cast<std::size_t>(std::max(0, list.Count())));
        for (std::size_t i = 0; i < checked.size(); ++i) {
            checked[i] = list.IsChecked(static_cast<int>(i));
        }
        Finish(std::move(checked));
        break;
    }
    case ids::SelectAllBut:
    case ids::SelectNoneBut:
        // Item -1 stands for every item.
        list.SetChecked(-1, id == ids::SelectAllBut);
        break;
    case ids::PromptCancelBut:
        Finish(std::nullopt);
        break;
    default:
        break;
    }
}

void TfrmPrompt::OnActivated() {
    // Whenever the window becomes active the check list takes the focus.
    ::SetFocus(Control(ids::CheckListBox1).Handle());
}

LRESULT TfrmPrompt::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SIZE) {
        Layout();
        return 0;
    }
    return Dialog::HandleMessage(message, wParam, lParam);
}

} // namespace qv::win32
