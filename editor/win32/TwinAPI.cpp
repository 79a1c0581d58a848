#include "editor/win32/TwinAPI.h"

#include "editor/win32/ControlIds.h"
#include "editor/win32/DialogSupport.h"

namespace qv::win32 {
namespace {

using editor::WindowCommand;

constexpr ControlSpec WinApiControls[] = {
    {ids::Label2, ControlKind::Label, 12, 15, 40, 16, "Title : "},
    {ids::Edit1, ControlKind::Edit, 56, 12, 274, 22, "", ES_AUTOHSCROLL, false, WS_EX_CLIENTEDGE},
    {ids::GroupBox1, ControlKind::GroupBox, 12, 44, 318, 206, " Window List "},
    {ids::ListBox1, ControlKind::ListBox, 22, 64, 298, 176, nullptr,
     WS_VSCROLL | LBS_NOINTEGRALHEIGHT, false, WS_EX_CLIENTEDGE},
    {ids::Button1, ControlKind::DefaultButton, 12, 262, 75, 25, "&OK", WS_GROUP},
    {ids::RefreshButton, ControlKind::Button, 93, 262, 75, 25, "&Refresh"},
    {ids::Button2, ControlKind::Button, 174, 262, 75, 25, "Cance&l"},
    {ids::cmdHelp, ControlKind::Button, 255, 262, 75, 25, "&Help"},
};

FormSpec WinApiSpec(WindowCommand command) {
    return CommandDialogSpec(ids::WinApiClass, editor::WindowCommandCaption(command), 342, 297,
                             WinApiControls, ids::Edit1);
}

} // namespace

TwinAPI::TwinAPI(MessageLoop& loop, HWND owner, WindowCommand command,
                 editor::WindowLister& windows, std::optional<std::string_view> command_line)
    : CommandDialog(loop, WinApiSpec(command), owner, editor::WindowCommandHelpTopic(command)),
      model_(command, windows) {
    if (!IsAlive()) {
        return;
    }
    if (command_line) {
        model_.FromLine(*command_line);
    }
    FillList();
    Push();
}

void TwinAPI::FillList() {
    const ListBox list(Control(ids::ListBox1).Handle());
    list.Clear();
    for (const std::string& title : model_.ListBox1) {
        list.Add(title);
    }
}

void TwinAPI::Push() {
    pushing_ = true;
    ShowText(Control(ids::Edit1), model_.Edit1);
    Control(ids::Button1).Enable(model_.OkEnabled());
    pushing_ = false;
}

void TwinAPI::OnCommand(int id, int code) {
    if (pushing_) {
        return;
    }
    if (CancelOrHelp(id)) {
        return;
    }
    switch (id) {
    case ids::Edit1:
        if (code == EN_CHANGE) {
            model_.Edit1 = Control(ids::Edit1).Text();
            Push();
        }
        break;
    case ids::ListBox1:
        if (code == LBN_SELCHANGE) {
            model_.ListBox1Click(ListBox(Control(ids::ListBox1).Handle()).Selected());
            Push();
        }
        break;
    case ids::RefreshButton:
        model_.RefreshClick();
        FillList();
        break;
    case ids::Button1:
        if (model_.OkEnabled()) {
            Finish(true);
        }
        break;
    default:
        break;
    }
}

std::optional<std::string> WaitforWindow1Click(CommandContext& context) {
    Win32WindowLister windows;
    return AddThrough<TwinAPI>(context, WindowCommand::WaitForWindow, windows);
}
std::optional<std::string> CloseProgram1Click(CommandContext& context) {
    Win32WindowLister windows;
    return AddThrough<TwinAPI>(context, WindowCommand::Close, windows);
}
std::optional<std::string> MinimizeProgram1Click(CommandContext& context) {
    Win32WindowLister windows;
    return AddThrough<TwinAPI>(context, WindowCommand::Minimize, windows);
}
void EditCloseScript(CommandContext& context) {
    Win32WindowLister windows;
    EditThrough<TwinAPI>(context, WindowCommand::Close, windows);
}
void EditMinimizeScript(CommandContext& context) {
    Win32WindowLister windows;
    EditThrough<TwinAPI>(context, WindowCommand::Minimize, windows);
}

} // namespace qv::win32
