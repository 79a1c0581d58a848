#include "editor/win32/TfrmFileCommands.h"

#include "editor/core/ScriptDocument.h"
#include "editor/win32/ControlIds.h"
#include "editor/win32/DialogSupport.h"

#include <array>

namespace qv::win32 {
namespace {

using editor::FileCommandMode;
using editor::OverwriteChoice;

constexpr int OuterWidth = 408;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;
// The three buttons' row where the form places them: under both groups.
constexpr int ButtonTop = 120;
constexpr int Button1Left = 152;
constexpr int ButtonStep = 82;

static_assert(ids::Edit1Browse == ids::Edit1 + 1 && ids::Edit2Browse == ids::Edit2 + 1 &&
              ids::DEdit1Browse == ids::DEdit1 + 1 && ids::DEdit2Browse == ids::DEdit2 + 1);

constexpr DWORD BoxStyle = ES_AUTOHSCROLL | WS_GROUP;

// Each box with its browse button sits where the other of its pair does; one of each pair shows.
constexpr ControlSpec FileCommandControls[] = {
    {ids::GroupBox1, ControlKind::GroupBox, 8, 4, 384, 50, "Source : "},
    {ids::RadioButton3, ControlKind::RadioButton, 18, 24, 56, 18, "File", WS_GROUP},
    {ids::RadioButton2, ControlKind::RadioButton, 76, 24, 82, 18, "Directory"},
    {ids::Edit1, ControlKind::Edit, 160, 22, 196, 22, "", BoxStyle, false, WS_EX_CLIENTEDGE},
    {ids::Edit1Browse, ControlKind::Button, 360, 22, 26, 22, "..."},
    {ids::DEdit1, ControlKind::Edit, 160, 22, 196, 22, "", BoxStyle, true, WS_EX_CLIENTEDGE},
    {ids::DEdit1Browse, ControlKind::Button, 360, 22, 26, 22, "...", 0, true},
    {ids::GroupBox2, ControlKind::GroupBox, 8, 60, 384, 50, "Destination : "},
    {ids::RadioButton5, ControlKind::RadioButton, 18, 80, 56, 18, "File", WS_GROUP},
    {ids::RadioButton4, ControlKind::RadioButton, 76, 80, 82, 18, "Directory"},
    {ids::Edit2, ControlKind::Edit, 160, 78, 196, 22, "", BoxStyle, false, WS_EX_CLIENTEDGE},
    {ids::Edit2Browse, ControlKind::Button, 360, 78, 26, 22, "..."},
    {ids::DEdit2, ControlKind::Edit, 160, 78, 196, 22, "", BoxStyle, true, WS_EX_CLIENTEDGE},
    {ids::DEdit2Browse, ControlKind::Button, 360, 78, 26, 22, "...", 0, true},
    {ids::btnMore, ControlKind::Button, 8, ButtonTop, 100, ButtonHeight, "&Advanced >>"},
    {ids::Button1, ControlKind::DefaultButton, Button1Left, ButtonTop, ButtonWidth, ButtonHeight,
     "&Ok", WS_DISABLED},
    {ids::Button2, ControlKind::Button, Button1Left + ButtonStep, ButtonTop, ButtonWidth,
     ButtonHeight, "Cance&l"},
    {ids::cmdHelp, ControlKind::Button, Button1Left + 2 * ButtonStep, ButtonTop, ButtonWidth,
     ButtonHeight, "&Help"},
    // The advanced area, below the window's edge until "&Advanced >>" makes it taller.
    {ids::RadioButton1, ControlKind::RadioButton, 18, 160, 170, 18, "Overwrite All", WS_GROUP},
    {ids::Checkbox1, ControlKind::RadioButton, 18, 180, 170, 18, "Overwrite only if newer."},
    {ids::Checkbox2, ControlKind::RadioButton, 18, 200, 170, 18, "Do not overwrite"},
    {ids::CheckBox3, ControlKind::CheckBox, 200, 160, 192, 18, "Confirm if they Exist", WS_GROUP},
    {ids::CheckBox4, ControlKind::CheckBox, 200, 180, 192, 18, "Do not copy the Subdirectories"},
    {ids::CheckBox5, ControlKind::CheckBox, 200, 200, 192, 18, "Overwite Read Only Files"},
};

struct OverwriteButton {
    int id;
    OverwriteChoice choice;
};
constexpr std::array<OverwriteButton, 3> OverwriteButtons = {{
    {ids::RadioButton1, OverwriteChoice::All},
    {ids::Checkbox1, OverwriteChoice::OnlyNewer},
    {ids::Checkbox2, OverwriteChoice::DoNotOverwrite},
}};

FormSpec FileCommandsSpec(FileCommandMode mode) {
    FormSpec spec =
        CommandDialogSpec(ids::FileCommandsClass, editor::FileCommandCaption(mode), OuterWidth,
                          editor::LessHeight, FileCommandControls, ids::Edit1);
    spec.outerSize = true;
    return spec;
}

} // namespace

TfrmFileCommands::TfrmFileCommands(MessageLoop& loop, HWND owner, FileCommandMode mode,
                                   editor::PathProbe& paths,
                                   std::optional<std::string_view> command)
    : CommandDialog(loop, FileCommandsSpec(mode), owner, editor::FileCommandHelpTopic(mode)),
      model_(mode, paths) {
    if (!IsAlive()) {
        return;
    }
    if (command) {
        model_.FromLine(*command);
    }
    Push();
    Place();
}

void TfrmFileCommands::Pull() {
    model_.Edit1 = Control(ids::Edit1).Text();
    model_.DEdit1 = Control(ids::DEdit1).Text();
    model_.Edit2 = Control(ids::Edit2).Text();
    model_.DEdit2 = Control(ids::DEdit2).Text();
    model_.CheckBox3 = IsChecked(Control(ids::CheckBox3));
    model_.CheckBox4 = IsChecked(Control(ids::CheckBox4));
    model_.CheckBox5 = IsChecked(Control(ids::CheckBox5));
}

void TfrmFileCommands::Push() {
    pushing_ = true;
    ShowText(Self(), model_.Caption());
    ShowText(Control(ids::GroupBox1), model_.GroupBox1Caption());
    for (const int id : {ids::GroupBox2, ids::RadioButton5, ids::RadioButton4}) {
        Control(id).SetVisible(model_.GroupBox2Visible());
    }
    ShowCheck(Control(ids::RadioButton2), model_.SourceDirectory);
    ShowCheck(Control(ids::RadioButton3), !model_.SourceDirectory);
    ShowCheck(Control(ids::RadioButton4), model_.DestinationDirectory);
    ShowCheck(Control(ids::RadioButton5), !model_.DestinationDirectory);
    Control(ids::RadioButton5).Enable(model_.RadioButton5Enabled);

    ShowText(Control(ids::Edit1), model_.Edit1);
    ShowText(Control(ids::DEdit1), model_.DEdit1);
    ShowText(Control(ids::Edit2), model_.Edit2);
    ShowText(Control(ids::DEdit2), model_.DEdit2);
    const bool destination = model_.GroupBox2Visible();
    const auto show = [this](int box, int browse, bool shown) {
        Control(box).SetVisible(shown);
        Control(browse).SetVisible(shown);
    };
    show(ids::Edit1, ids::Edit1Browse, !model_.SourceDirectory);
    show(ids::DEdit1, ids::DEdit1Browse, model_.SourceDirectory);
    show(ids::Edit2, ids::Edit2Browse, destination && !model_.DestinationDirectory);
    show(ids::DEdit2, ids::DEdit2Browse, destination && model_.DestinationDirectory);

    Control(ids::btnMore).SetVisible(model_.BtnMoreVisible);
    ShowText(Control(ids::btnMore), model_.BtnMoreCaption);
    for (const OverwriteButton& button : OverwriteButtons) {
        ShowCheck(Control(button.id), model_.Overwrite == button.choice);
    }
    ShowCheck(Control(ids::CheckBox3), model_.CheckBox3);
    ShowCheck(Control(ids::CheckBox4), model_.CheckBox4);
    ShowCheck(Control(ids::CheckBox5), model_.CheckBox5);
    Control(ids::Button1).Enable(model_.Button1Enabled);

    const int top = model_.ButtonTop.value_or(ButtonTop);
    int left = Button1Left;
    for (const int id : {ids::Button1, ids::Button2, ids::cmdHelp}) {
        PlaceControl(Handle(), id, left, top, ButtonWidth, ButtonHeight, Dpi());
        left += ButtonStep;
    }
    ApplySize(Spec().width, model_.Height);
    pushing_ = false;
}

void TfrmFileCommands::Browse(int box) {
    const bool folder = box == ids::DEdit1 || box == ids::DEdit2;
    Pull();
    const std::string current = Control(box).Text();
    const std::optional<std::string> chosen =
        folder ? BrowseForFolder(Handle(), box == ids::DEdit1 ? "Source : " : "Destination : ")
               : BrowseForFile(Handle(), "All files (*.*)|*.*", current);
    if (!chosen) {
        return;
    }
    Control(box).SetText(*chosen);
    if (box == ids::DEdit2) {
        Pull();
        model_.DEdit2AfterDialog();
        model_.FormClick();
        Push();
    }
}

void TfrmFileCommands::OnCommand(int id, int code) {
    if (pushing_) {
        return;
    }
    if (CancelOrHelp(id)) {
        return;
    }
    const bool click = code == BN_CLICKED;
    const auto handle = [this](auto&& handler) {
        Pull();
        handler();
        Push();
    };
    switch (id) {
    case ids::Edit1:
    case ids::Edit2:
    case ids::DEdit1:
    case ids::DEdit2:
        if (code == EN_CHANGE) {
            handle([this] { model_.FormClick(); });
        } else if (code == EN_KILLFOCUS && id == ids::DEdit2) {
            handle([this] { model_.DEdit2Exit(); });
        }
        return;
    case ids::Edit1Browse:
    case ids::Edit2Browse:
    case ids::DEdit1Browse:
    case ids::DEdit2Browse:
        if (click) {
            Browse(id - 1); // each browse button follows its box
        }
        return;
    default:
        break;
    }
    if (!click) {
        return;
    }
    switch (id) {
    case ids::RadioButton2:
        handle([this] {
            model_.RadioButton2Click();
            model_.FormClick();
        });
        break;
    case ids::RadioButton3:
        handle([this] {
            model_.RadioButton3Click();
            model_.FormClick();
        });
        break;
    case ids::RadioButton4:
        handle([this] {
            model_.RadioButton4Click();
            model_.FormClick();
        });
        break;
    case ids::RadioButton5:
        handle([this] {
            model_.RadioButton5Click();
            model_.FormClick();
        });
        break;
    case ids::RadioButton1:
        handle([this] { model_.RadioButton1Click(); });
        break;
    case ids::Checkbox1:
        handle([this] { model_.Checkbox1Click(); });
        break;
    case ids::Checkbox2:
        handle([this] { model_.Checkbox2Click(); });
        break;
    case ids::CheckBox3:
        handle([this] { model_.Checkbox3Click(model_.CheckBox3); });
        break;
    case ids::btnMore:
        handle([this] { model_.btnMoreClick(); });
        break;
    case ids::Button1:
        handle([this] { model_.Button1Click(); });
        if (model_.Button1Enabled) {
            Finish(true);
        }
        break;
    default:
        break;
    }
}

LRESULT TfrmFileCommands::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // A click on the background checks the boxes again, as every change does.
    if (message == WM_LBUTTONDOWN && !pushing_) {
        Pull();
        model_.FormClick();
        Push();
    }
    return Dialog::HandleMessage(message, wParam, lParam);
}

std::optional<std::string> Copy2Click(CommandContext& context) {
    Win32PathProbe paths;
    return AddThrough<TfrmFileCommands>(context, FileCommandMode::Copy, paths);
}
std::optional<std::string> Rename1Click(CommandContext& context) {
    Win32PathProbe paths;
    return AddThrough<TfrmFileCommands>(context, FileCommandMode::Rename, paths);
}
std::optional<std::string> DeleteFile1Click(CommandContext& context) {
    Win32PathProbe paths;
    return AddThrough<TfrmFileCommands>(context, FileCommandMode::Delete, paths);
}
void EditCopy(CommandContext& context) {
    Win32PathProbe paths;
    EditThrough<TfrmFileCommands>(context, FileCommandMode::Copy, paths);
}
void EditRename(CommandContext& context) {
    Win32PathProbe paths;
    EditThrough<TfrmFileCommands>(context, FileCommandMode::Rename, paths);
}
void EditDelete(CommandContext& context) {
    Win32PathProbe paths;
    EditThrough<TfrmFileCommands>(context, FileCommandMode::Delete, paths);
}

} // namespace qv::win32
