#include "common/win32/Dpi.h"
#include "editor/win32/ControlIds.h"
#include "editor/win32/ViewFrm.h"

#include <algorithm>

namespace qv::win32 {
namespace {

// Pictures of the tool bars' image list, in the order of the tool-bar icons in the resources.
enum ToolImage {
    ImgNew,
    ImgOpen,
    ImgSave,
    ImgRun,
    ImgCut,
    ImgCopy,
    ImgPaste,
    ImgIcons,
    ImgList,
    ImgText,
    ImgMenu,
    ToolImageCount
};
constexpr int FirstToolIcon = 100;

constexpr ToolButton MainButtons[] = {
    {ids::New1, ImgNew, BTNS_BUTTON, "New"},
    {ids::Open1, ImgOpen, BTNS_BUTTON, "Open"},
    {ids::Save1, ImgSave, BTNS_BUTTON, "Save & Compile"},
    {0, 0, BTNS_SEP, nullptr},
    {ids::CommandBox, I_IMAGENONE, BTNS_DROPDOWN | BTNS_SHOWTEXT | BTNS_AUTOSIZE, nullptr},
    {0, 0, BTNS_SEP, nullptr},
    {ids::Run1, ImgRun, BTNS_BUTTON, "Run"},
    {0, 0, BTNS_SEP, nullptr},
    {ids::Cut1, ImgCut, BTNS_BUTTON, "Cut"},
    {ids::Copy1, ImgCopy, BTNS_BUTTON, "Copy"},
    {ids::Paste1, ImgPaste, BTNS_BUTTON, "Paste"},
    {0, 0, BTNS_SEP, nullptr},
    {ids::IconView1, ImgIcons, BTNS_CHECKGROUP, "Icon View"},
    {ids::ListView2, ImgList, BTNS_CHECKGROUP, "List View", TBSTATE_ENABLED | TBSTATE_CHECKED},
    {ids::TextView1, ImgText, BTNS_CHECKGROUP, "Text View"},
};

constexpr AcceleratorKey ListKeys[] = {
    {FCONTROL, 'N', ids::New1},         {FCONTROL, 'O', ids::Open1},  {FCONTROL, 'S', ids::Save1},
    {FCONTROL, 'Z', ids::UndoChanges1}, {0, VK_F9, ids::Run1},        {FCONTROL, 'X', ids::Cut1},
    {FCONTROL, 'C', ids::Copy1},        {FCONTROL, 'V', ids::Paste1}, {0, VK_F1, ids::Help1},
    {0, VK_F7, ids::CheckScript1},      {0, VK_F10, ids::WhatIf1},    {0, VK_DELETE, ids::Delete1},
};
// The text view: the same without Del, which the text box takes itself.
constexpr std::span<const AcceleratorKey> TextKeys(ListKeys, std::size(ListKeys) - 1);

enum class Captions { EditMenu, ContextMenu, CommandBox };

const char* CaptionOf(const AddCommand& command, Captions which) {
    switch (which) {
    case Captions::EditMenu:
        return command.menuCaption;
    case Captions::ContextMenu:
        return command.contextCaption;
    case Captions::CommandBox:
        return command.boxCaption;
    }
    return command.menuCaption;
}

// The Add commands as one of the three menus shows them; "Prompt" holds its three entries.
UniqueMenu AddMenu(Captions which) {
    UniqueMenu menu = CreatePopupMenu();
    UniqueMenu prompt;
    for (const AddCommand& command : AddCommands()) {
        if (command.hidden) {
            continue;
        }
        if (command.inPromptMenu) {
            if (!prompt) {
                prompt = CreatePopupMenu();
            }
            Menu(prompt.Get()).AppendItem(command.id, CaptionOf(command, which));
            // The submenu goes in after its last entry, in the place of the three.
            if (command.id == ids::Off1) {
                Menu(menu.Get()).AppendPopup(std::move(prompt), "Prompt");
            }
            continue;
        }
        Menu(menu.Get()).AppendItem(command.id, CaptionOf(command, which));
    }
    return menu;
}

} // namespace

std::span<const ToolButton> TfrmView::MainButtonSpecs() {
    return MainButtons;
}

void TfrmView::BuildMenus() {
    UniqueMenu file = CreatePopupMenu();
    fileMenu_ = Menu(file.Get());
    fileMenu_.AppendItem(ids::New1, "&New\tCtrl+N");
    fileMenu_.AppendItem(ids::Open1, "&Open...\tCtrl+O");
    fileMenu_.AppendItem(ids::SaveAs1, "Save &As...");
    fileMenu_.AppendItem(ids::Save1, "&Save\tCtrl+S");
    fileMenu_.AppendSeparator();
    fileMenu_.AppendItem(ids::CreateShortcut1, "&Create Shortcut");
    fileMenu_.AppendItem(ids::ImportWizard1, "&Import Wizard...");
    fileMenu_.AppendSeparator();
    fileMenu_.AppendItem(ids::UserName1, "&User Name");
    fileMenu_.AppendItem(ids::ComputerName1, "Computer &Name");
    fileMenu_.AppendItem(ids::Common1, "&Common");
    fileMenu_.AppendItem(ids::InternetConnect1, "Internet Connect");
    fileMenu_.AppendItem(ids::InternetDisconnect1, "Internet Disconnect");
    fileMenu_.AppendSeparator();
    fileMenu_.AppendItem(ids::Exit1, "E&xit");

    UniqueMenu edit = CreatePopupMenu();
    editMenu_ = Menu(edit.Get());
    editMenu_.AppendItem(ids::UndoChanges1, "Undo Changes\tCtrl+Z");
    editMenu_.AppendSeparator();
    editMenu_.AppendPopup(AddMenu(Captions::EditMenu), "&Add");
    editMenu_.AppendItem(ids::Run1, "&Run\tF9");
    editMenu_.AppendItem(ids::CheckScript1, "Chec&k Script...\tF7");
    editMenu_.AppendItem(ids::WhatIf1, "&What if...\tF10");
    editMenu_.AppendSeparator();
    editMenu_.AppendItem(ids::Cut1, "&Cut\tCtrl+X");
    editMenu_.AppendItem(ids::Copy1, "C&opy\tCtrl+C");
    editMenu_.AppendItem(ids::Paste1, "&Paste\tCtrl+V");

    UniqueMenu view = CreatePopupMenu();
    Menu viewMenu(view.Get());
    viewMenu.AppendItem(ids::ShowMainToolbar1, "Show Main Toolbar");
    viewMenu.AppendItem(ids::ShowMenuToolbar1, "Show Menu Toolbar");
    viewMenu.AppendSeparator();
    viewMenu.AppendItem(ids::IconView1, "Icon View");
    viewMenu.AppendItem(ids::ListView2, "List View");
    viewMenu.AppendItem(ids::TextView1, "Text View");
    viewMenu.AppendSeparator();
    viewMenu.AppendItem(ids::ViewRunLog1, "View Run &Log...");
    viewMenu.AppendItem(ids::Options1, "&Options...");

    UniqueMenu help = CreatePopupMenu();
    Menu helpMenu(help.Get());
    helpMenu.AppendItem(ids::Help1, "&Help\tF1");
    helpMenu.AppendItem(ids::TipoftheDay1, "&Tip of the Day...");
    helpMenu.AppendSeparator();
    helpMenu.AppendItem(ids::About1, "&About...");

    menuBar_ = CreateMenuBar();
    Menu bar(menuBar_.Get());
    bar.AppendPopup(std::move(file), "&File");
    bar.AppendPopup(std::move(edit), "&Edit");
    bar.AppendPopup(std::move(view), "&View");
    bar.AppendPopup(std::move(help), "&Help");
    ::SetMenu(Handle(), menuBar_.Get());

    // The list's context menu is the first entry of a bar, as TrackPopupMenu wants a pop-up.
    UniqueMenu context = CreatePopupMenu();
    Menu contextMenu(context.Get());
    contextMenu.AppendItem(ids::RestoretoOriginalLocation1, "&Restore to Original Location");
    contextMenu.AppendSeparator();
    contextMenu.AppendPopup(AddMenu(Captions::ContextMenu), "&Add");
    contextMenu.AppendSeparator();
    contextMenu.AppendItem(ids::Cut1, "&Cut\tCtrl+X");
    contextMenu.AppendItem(ids::Copy1, "C&opy\tCtrl+C");
    contextMenu.AppendItem(ids::Paste1, "&Paste\tCtrl+V");
    contextMenu.AppendItem(ids::Delete1, "&Delete\tDel");
    contextMenu_ = CreateMenuBar();
    Menu(contextMenu_.Get()).AppendPopup(std::move(context), "");

    ShowDeleteCommand(true);
}

void TfrmView::ShowDeleteCommand(bool shown) {
    if (shown != deleteShown_) {
        if (shown) {
            editMenu_.AppendItem(ids::Delete1, "&Delete\tDel");
        } else {
            editMenu_.Remove(ids::Delete1);
        }
        deleteShown_ = shown;
    }
    accelerators_.reset();
    accelerators_.emplace(Loop(), Handle(),
                          shown ? std::span<const AcceleratorKey>(ListKeys) : TextKeys);
}

void TfrmView::BuildBars(const ViewSettings& settings) {
    const int size = Scale(16, Dpi());
    toolImages_ = ImageList(size, ToolImageCount);
    for (int i = 0; i < ToolImageCount; ++i) {
        const UniqueIcon icon(static_cast<HICON>(
            ::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(FirstToolIcon + i),
                         IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
        if (toolImages_.Add(icon.Get()) < 0) {
            ::ImageList_SetImageCount(toolImages_.Handle(), static_cast<UINT>(i + 1));
        }
    }
    rebar_ = Rebar::Create(Handle(), ids::CoolBar1);
    mainBar_ = ToolBar::Create(rebar_.Handle(), ids::ToolBar1, toolImages_.Handle(), MainButtons);
    mainBar_.Send(WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
    // The command box's caption beside its (absent) picture, not below it.
    ::SetWindowLongPtrA(mainBar_.Handle(), GWL_STYLE,
                        ::GetWindowLongPtrA(mainBar_.Handle(), GWL_STYLE) | TBSTYLE_LIST);
    mainBar_.SetButtonText(ids::CommandBox, boxCaption_);
    menuBand_ = std::make_unique<MenuBand>(rebar_.Handle(), Handle(), toolImages_.Handle(), ImgMenu,
                                           Dpi(), Font());
    const SIZE mainSize = mainBar_.IdealSize();
    const SIZE menuSize = menuBand_->IdealSize();
    const int height = std::max(mainSize.cy, menuSize.cy);

    static constexpr int Bands[] = {ids::ToolBar1, ids::ToolBar2};
    std::vector<int> order = settings.bandOrder;
    if (order.size() != std::size(Bands) ||
        !std::is_permutation(order.begin(), order.end(), std::begin(Bands))) {
        order.assign(std::begin(Bands), std::end(Bands));
    }
    for (std::size_t i = 0; i < order.size(); ++i) {
        const bool second = i > 0 && settings.bandsOnTwoRows;
        if (order[i] == ids::ToolBar1) {
            rebar_.AddBand(mainBar_.Handle(), ids::ToolBar1, mainSize.cx, height, second);
        } else {
            rebar_.AddBand(menuBand_->Handle(), ids::ToolBar2, menuSize.cx, height, second);
        }
    }
    status_ = StatusBar::Create(Handle(), ids::StatusBar1);
    MenuChanged();
    Layout();
}

void TfrmView::UpdateRecentMenu() {
    // Everything after "E&xit" is the recent-file list.
    int exitPosition = -1;
    for (int position = 0; position < fileMenu_.Count(); ++position) {
        if (::GetMenuItemID(fileMenu_.Handle(), position) == static_cast<UINT>(ids::Exit1)) {
            exitPosition = position;
        }
    }
    while (exitPosition >= 0 && fileMenu_.Count() > exitPosition + 1) {
        ::DeleteMenu(fileMenu_.Handle(), static_cast<UINT>(exitPosition + 1), MF_BYPOSITION);
    }
    const std::vector<std::string>& paths = document_.Recent().Paths();
    if (paths.empty()) {
        return;
    }
    fileMenu_.AppendSeparator();
    for (std::size_t i = 0; i < paths.size(); ++i) {
        std::string caption = "&";
        caption += std::to_string(i + 1);
        caption += ' ';
        for (const char c : paths[i]) {
            // "&&" keeps an ampersand in a path from becoming an accelerator.
            caption += c;
            if (c == '&') {
                caption += '&';
            }
        }
        fileMenu_.AppendItem(ids::Recent1 + static_cast<int>(i), caption);
    }
}

void TfrmView::UpdateCommandStates() {
    if (!menuBar_) {
        return;
    }
    const editor::DocumentState& state = document_.State();
    const bool text = state.TextViewActive;
    const WindowSeams& seams = MainWindowSeams();
    const Menu bar(menuBar_.Get());
    const Menu context = Menu(contextMenu_.Get()).Popup(0);
    for (const AddCommand& command : AddCommands()) {
        const bool enabled = command.handler != nullptr && !command.hidden;
        bar.SetEnabled(command.id, enabled);
        context.SetEnabled(command.id, enabled);
    }
    // The "&Add" submenus: third in the Edit menu, third in the context menu.
    ::EnableMenuItem(editMenu_.Handle(), 2, MF_BYPOSITION | (text ? MF_GRAYED : MF_ENABLED));
    ::EnableMenuItem(context.Handle(), 2, MF_BYPOSITION | (text ? MF_GRAYED : MF_ENABLED));
    bar.SetEnabled(ids::ImportWizard1, seams.importWizard != nullptr);
    bar.SetEnabled(ids::Options1, seams.options != nullptr);
    context.SetEnabled(ids::RestoretoOriginalLocation1, seams.restoreToOriginalLocation != nullptr);
    if (mainBar_) {
        mainBar_.SetEnabled(ids::CommandBox, !text);
    }
    if (menuBand_) {
        const bool menuDialog = RowEditHandlerFor(editor::RowEditor::MenuDialog) != nullptr;
        menuBand_->Buttons().SetEnabled(ids::MenuButton, menuDialog && !text && state.MenuEditing &&
                                                             state.CurrentMenu == 0);
        menuBand_->Selector().Enable(!text);
    }
}

void TfrmView::ShowBoxMenu() {
    UniqueMenu bar = CreateMenuBar();
    Menu(bar.Get()).AppendPopup(AddMenu(Captions::CommandBox), "");
    const Menu box = Menu(bar.Get()).Popup(0);
    for (const AddCommand& command : AddCommands()) {
        box.SetEnabled(command.id, command.handler != nullptr);
    }
    const RECT button = mainBar_.ButtonScreenRect(ids::CommandBox);
    const int chosen = box.Track(Handle(), POINT{button.left, button.bottom});
    if (const AddCommand* command = FindAddCommand(chosen)) {
        boxCaption_ = command->boxCaption;
        mainBar_.SetButtonText(ids::CommandBox, boxCaption_);
        Layout();
        RunAddCommand(*command);
    }
}

} // namespace qv::win32
