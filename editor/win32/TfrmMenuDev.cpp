#include "editor/win32/TfrmMenuDev.h"

#include "editor/win32/ControlIds.h"
#include "editor/win32/DialogSupport.h"

#include <array>
#include <cstdlib>

namespace qv::win32 {
namespace {

using editor::MenuDialogItems;

constexpr std::array<int, MenuDialogItems> RadioIds = {
    ids::RadioButton0, ids::RadioButton1, ids::RadioButton2, ids::RadioButton3, ids::RadioButton4,
    ids::RadioButton5, ids::RadioButton6, ids::RadioButton7, ids::RadioButton8};
constexpr std::array<int, MenuDialogItems> CaptionIds = {ids::Edit0, ids::Edit1, ids::Edit2,
                                                         ids::Edit3, ids::Edit4, ids::Edit5,
                                                         ids::Edit6, ids::Edit7, ids::Edit8};
constexpr std::array<int, MenuDialogItems> ScriptIds = {ids::Script0, ids::Script1, ids::Script2,
                                                        ids::Script3, ids::Script4, ids::Script5,
                                                        ids::Script6, ids::Script7, ids::Script8};
constexpr std::array<int, MenuDialogItems> BrowseIds = {
    ids::ScriptBrowse0, ids::ScriptBrowse1, ids::ScriptBrowse2,
    ids::ScriptBrowse3, ids::ScriptBrowse4, ids::ScriptBrowse5,
    ids::ScriptBrowse6, ids::ScriptBrowse7, ids::ScriptBrowse8};

constexpr int RowTop = 28;
constexpr int RowStep = 24;

// One item's row: its radio button, caption box, script box and browse button.
constexpr std::array<ControlSpec, 4> ItemRow(int item) {
    const int top = RowTop + item * RowStep;
    return {{
        {RadioIds[item], ControlKind::RadioButton, 22, top + 2, 16, 18, "",
         item == 0 ? static_cast<DWORD>(WS_GROUP) : DWORD{0}},
        {CaptionIds[item], ControlKind::Edit, 42, top, 170, 22, "",
         ES_AUTOHSCROLL | WS_BORDER | WS_GROUP},
        {ScriptIds[item], ControlKind::Edit, 218, top, 170, 22, "", ES_AUTOHSCROLL | WS_DISABLED,
         false, WS_EX_CLIENTEDGE},
        {BrowseIds[item], ControlKind::Button, 392, top, 26, 22, "...", WS_DISABLED},
    }};
}

// The group, nine rows of four, the time-out's three controls and the three buttons.
constexpr std::size_t MenuDevControlCount = 1 + 4 * MenuDialogItems + 6;

constexpr std::array<ControlSpec, MenuDevControlCount> MenuDevControls = [] {
    std::array<ControlSpec, MenuDevControlCount> controls{};
    std::size_t next = 0;
    controls[next++] = {ids::GroupBox1, ControlKind::GroupBox, 12, 8, 416, 250, "Main Menu"};
    for (int item = 0; item < MenuDialogItems; ++item) {
        for (const ControlSpec& spec : ItemRow(item)) {
            controls[next++] = spec;
        }
    }
    controls[next++] = {
        ids::CheckBox1, ControlKind::CheckBox, 12, 270, 150, 18, "1st Item Activate in :",
        WS_GROUP};
    controls[next++] = {
        ids::SpinEdit1, ControlKind::Edit, 166, 268, 50, 22, "1", ES_NUMBER | WS_DISABLED,
        false,          WS_EX_CLIENTEDGE};
    controls[next++] = {ids::SpinEdit1Arrows, ControlKind::UpDown, 216, 268, 18, 22, nullptr,
                        WS_DISABLED};
    controls[next++] = {ids::Button1, ControlKind::DefaultButton, 191, 302, 75, 25, "&Ok",
                        WS_GROUP};
    controls[next++] = {ids::Button2, ControlKind::Button, 272, 302, 75, 25, "Cance&l"};
    controls[next++] = {ids::cmdHelp, ControlKind::Button, 353, 302, 75, 25, "&Help"};
    if (next != controls.size()) {
        throw "the table's size must match its controls";
    }
    return controls;
}();

FormSpec MenuDevSpec() {
    return CommandDialogSpec(ids::MenuDevClass, editor::MenuLayoutCaption, 440, 337,
                             MenuDevControls, ids::Edit0);
}

int ItemOf(const std::array<int, MenuDialogItems>& row, int id) {
    for (int item = 0; item < MenuDialogItems; ++item) {
        if (row[item] == id) {
            return item;
        }
    }
    return -1;
}

} // namespace

TfrmMenuDev::TfrmMenuDev(MessageLoop& loop, HWND owner, const editor::MenuDialogValues& opening)
    : CommandDialog(loop, MenuDevSpec(), owner, editor::MenuLayoutHelpTopic), model_(opening) {
    if (!IsAlive()) {
        return;
    }
    UpDown(Control(ids::SpinEdit1Arrows).Handle())
        .SetRange(editor::MinimumMenuTimeout, editor::MaximumMenuTimeout);
    Push();
}

void TfrmMenuDev::Pull() {
    for (int item = 0; item < MenuDialogItems; ++item) {
        model_.Script[item] = Control(ScriptIds[item]).Text();
    }
    model_.SetSpinEdit1(std::atoi(Control(ids::SpinEdit1).Text().c_str()));
}

void TfrmMenuDev::Push() {
    pushing_ = true;
    for (int item = 0; item < MenuDialogItems; ++item) {
        ShowCheck(Control(RadioIds[item]), model_.CheckedItem == item);
        ShowText(Control(CaptionIds[item]), model_.Edit[item]);
        ShowText(Control(ScriptIds[item]), model_.Script[item]);
        Control(ScriptIds[item]).Enable(model_.ScriptEnabled[item]);
        Control(BrowseIds[item]).Enable(model_.ScriptEnabled[item]);
    }
    ShowCheck(Control(ids::CheckBox1), model_.CheckBox1);
    ShowText(Control(ids::SpinEdit1), std::to_string(model_.SpinEdit1));
    UpDown(Control(ids::SpinEdit1Arrows).Handle()).SetPosition(model_.SpinEdit1);
    Control(ids::SpinEdit1).Enable(model_.SpinEdit1Enabled);
    Control(ids::SpinEdit1Arrows).Enable(model_.SpinEdit1Enabled);
    pushing_ = false;
}

void TfrmMenuDev::OnCommand(int id, int code) {
    if (pushing_) {
        return;
    }
    if (CancelOrHelp(id)) {
        return;
    }
    if (const int item = ItemOf(CaptionIds, id); item >= 0) {
        Pull();
        if (code == EN_SETFOCUS) {
            model_.CaptionEnter(item);
        } else if (code == EN_CHANGE) {
            model_.CaptionChange(item, Control(id).Text());
        } else if (code == EN_KILLFOCUS) {
            model_.CaptionExit(item);
        } else {
            return;
        }
        Push();
        return;
    }
    if (const int item = ItemOf(BrowseIds, id); item >= 0) {
        if (code == BN_CLICKED) {
            if (const std::optional<std::string> file = BrowseForFile(
                    Handle(), editor::MenuScriptFilter, Control(ScriptIds[item]).Text())) {
                Control(ScriptIds[item]).SetText(*file);
            }
        }
        return;
    }
    if (const int item = ItemOf(RadioIds, id); item >= 0) {
        if (code == BN_CLICKED) {
            ::SetFocus(Control(CaptionIds[item]).Handle());
        }
        return;
    }
    if (code != BN_CLICKED) {
        return;
    }
    switch (id) {
    case ids::CheckBox1:
        Pull();
        model_.CheckBox1Click(IsChecked(Control(ids::CheckBox1)));
        Push();
        break;
    case ids::Button1:
        Button1Click();
        break;
    default:
        break;
    }
}

void TfrmMenuDev::Button1Click() {
    Pull();
    Push();
    if (const std::optional<std::string> refusal = model_.Validate()) {
        ShowRefusal(*refusal);
        return;
    }
    Finish(true);
}

LRESULT TfrmMenuDev::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // The caption boxes are flat, in the colour of a menu.
    if (message == WM_CTLCOLOREDIT &&
        ItemOf(CaptionIds, ::GetDlgCtrlID(reinterpret_cast<HWND>(lParam))) >= 0) {
        auto* dc = reinterpret_cast<HDC>(wParam);
        ::SetBkColor(dc, ::GetSysColor(COLOR_MENU));
        ::SetTextColor(dc, ::GetSysColor(COLOR_MENUTEXT));
        return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_MENU));
    }
    return Dialog::HandleMessage(message, wParam, lParam);
}

void MenuButtonClick(CommandContext& context) {
    TfrmMenuDev form(context.loop, context.owner, context.document.MenuDialogOpening());
    if (form.ShowModal(context.owner)) {
        form.Model().ApplyOk(context.document);
    }
}

} // namespace qv::win32
