#include "editor/win32/TfrmSendkeys.h"

#include "editor/win32/ControlIds.h"
#include "editor/win32/DialogSupport.h"

namespace qv::win32 {
namespace {

constexpr ControlSpec SendkeysControls[] = {
    {ids::Label2, ControlKind::Label, 12, 15, 40, 16, "Title : "},
    {ids::Listbox1, ControlKind::ComboBox, 56, 12, 274, 200, nullptr},
    {ids::GroupBox1, ControlKind::GroupBox, 12, 44, 318, 128, " What you want to Send. "},
    {ids::Memo1, ControlKind::Edit, 22, 64, 298, 98, "",
     ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL, false, WS_EX_CLIENTEDGE},
    {ids::Edit1, ControlKind::Edit, 22, 64, 298, 22, "", 0, true},
    {ids::Button1, ControlKind::DefaultButton, 12, 184, 75, 25, "&OK", WS_GROUP},
    {ids::RefreshButton, ControlKind::Button, 93, 184, 75, 25, "&Refresh"},
    {ids::Button2, ControlKind::Button, 174, 184, 75, 25, "Cance&l"},
    {ids::cmdHelp, ControlKind::Button, 255, 184, 75, 25, "&Help"},
};

FormSpec SendkeysSpec() {
    return CommandDialogSpec(ids::SendkeysClass, editor::SendKeysCaption, 342, 219,
                             SendkeysControls, ids::Listbox1);
}

// The keys' lines as the box shows them: CR LF between lines.
std::string BoxLines(const std::string& text) {
    std::string shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) {
            shown += '\r';
        }
        shown += text[i];
    }
    return shown;
}

} // namespace

TfrmSendkeys::TfrmSendkeys(MessageLoop& loop, HWND owner, editor::WindowLister& windows,
                           std::optional<std::string_view> command)
    : CommandDialog(loop, SendkeysSpec(), owner, editor::SendKeysHelpTopic), model_(windows) {
    if (!IsAlive()) {
        return;
    }
    Edit(Control(ids::Memo1).Handle()).SetLimit(0);
    if (command) {
        model_.FromLine(*command);
    }
    FillList();
    Control(ids::Listbox1).SetText(model_.Listbox1);
    Control(ids::Memo1).SetText(BoxLines(model_.Memo1));
    Control(ids::Edit1).SetText(model_.Edit1);
}

void TfrmSendkeys::FillList() {
    const ComboBox list(Control(ids::Listbox1).Handle());
    const std::string typed = list.Text();
    list.Clear();
    for (const std::string& title : model_.Listbox1Items) {
        list.Add(title);
    }
    list.SetText(typed);
}

void TfrmSendkeys::Pull() {
    model_.Listbox1 = Control(ids::Listbox1).Text();
    model_.Memo1 = Control(ids::Memo1).Text();
}

void TfrmSendkeys::OnActivated() {
    Dialog::OnActivated();
    if (activated_) {
        return;
    }
    activated_ = true;
    Pull();
    const bool keys = model_.FormActivate() == editor::SendKeysModel::Focus::Keys;
    ::SetFocus(Control(keys ? ids::Memo1 : ids::Listbox1).Handle());
}

void TfrmSendkeys::Button1Click() {
    Pull();
    const std::optional<std::string> refusal = model_.Button1Click();
    Control(ids::Edit1).SetText(model_.Edit1);
    if (refusal) {
        ShowRefusal(*refusal);
        return;
    }
    Finish(true);
}

void TfrmSendkeys::OnCommand(int id, int code) {
    if (CancelOrHelp(id)) {
        return;
    }
    if (code != BN_CLICKED) {
        return;
    }
    switch (id) {
    case ids::RefreshButton:
        model_.RefreshClick();
        FillList();
        break;
    case ids::Button1:
        Button1Click();
        break;
    default:
        break;
    }
}

std::optional<std::string> SendkeystoProgram1Click(CommandContext& context) {
    Win32WindowLister windows;
    return AddThrough<TfrmSendkeys>(context, windows);
}

void EditSendkeys(CommandContext& context) {
    Win32WindowLister windows;
    EditThrough<TfrmSendkeys>(context, windows);
}

} // namespace qv::win32
