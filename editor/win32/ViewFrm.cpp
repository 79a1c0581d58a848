#include "editor/win32/ViewFrm.h"

#include "common/win32/Dpi.h"
#include "editor/win32/CompileFrm.h"
#include "editor/win32/ControlIds.h"
#include "language/Text.h"

#include <shellapi.h>

#include <algorithm>

namespace qv::win32 {
namespace {

constexpr ControlSpec Controls[] = {
    {ids::ListView1, ControlKind::ListView, 0, 0, 0, 0, "",
     LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS | LVS_AUTOARRANGE | LVS_SHAREIMAGELISTS, false,
     WS_EX_CLIENTEDGE},
    {ids::Memo1, ControlKind::Edit, 0, 0, 0, 0, "",
     ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | ES_NOHIDESEL | WS_VSCROLL |
         WS_HSCROLL,
     true, WS_EX_CLIENTEDGE},
};

constexpr int DesignWidth = 640;
constexpr int DesignHeight = 420;
constexpr int TitleWidth = 160;
constexpr int CommandWidth = 415;
constexpr int TextHeight = 12;
// Posted at the first activation, so that the tip dialog opens once the start-up is done.
constexpr UINT FirstActivationMessage = WM_APP + 1;

} // namespace

TfrmView::TfrmView(MessageLoop& loop, HWND owner, std::string argument)
    : Form(loop,
           {.className = ids::ViewFrmClass,
            .title = std::string(editor::InitialWindowTitle).c_str(),
            .style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
            .exStyle = WS_EX_ACCEPTFILES,
            .width = DesignWidth,
            .height = DesignHeight,
            .controls = Controls,
            .initialFocus = ids::ListView1,
            .placement = Placement::CentreOnScreen,
            .icon = EditorClassIcon()},
           owner),
      argument_(std::move(argument)), settings_(RegistryKey(HKEY_CURRENT_USER, DeveloperKeyPath)),
      document_(
          editor::DocumentPorts{services_, services_, services_, icons_, services_, *this, *this}) {
    if (!IsAlive()) {
        return;
    }
    services_.SetClipboardOwner(Handle());
    // Whoever made the marker file, the editor removes it at start.
    ::DeleteFileA((ProgramFolder() + "~ok.tmp").c_str());
    win98_ = settings_.ReadWin98();

    icons_.CreateLists(Scale(32, Dpi()), Scale(16, Dpi()));
    ListView list = List();
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER | LVS_EX_LABELTIP,
                          LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER | LVS_EX_LABELTIP);
    list.SetImageList(icons_.Large(), LVSIL_NORMAL);
    list.SetImageList(icons_.Small(), LVSIL_SMALL);
    list.AddColumn("Title", Scale(TitleWidth, Dpi()));
    list.AddColumn("Command Line", Scale(CommandWidth, Dpi()));
    list.AddColumn("Order", 0);
    // A row the interpreter would report carries overlay 1, which the list asks for.
    list.Send(LVM_SETCALLBACKMASK, LVIS_OVERLAYMASK);

    textFont_.Reset(::CreateFontA(-Scale(TextHeight, Dpi()), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                                  FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Arial"));
    Edit memo = Control<Edit>(ids::Memo1);
    memo.Send(WM_SETFONT, reinterpret_cast<WPARAM>(textFont_.Get()), FALSE);
    memo.SetLimit(0);

    BuildMenus();
    RowsChanged();
    MenuChanged();
}

TfrmView::~TfrmView() {
    // The controls go before the image lists and menus they show.
    ::SetMenu(Handle(), nullptr);
    Destroy();
}

ListView TfrmView::List() const {
    return Control<ListView>(ids::ListView1);
}

void TfrmView::Start(int showCommand) {
    if (argument_ == editor::InstallSwitch) {
        if (const ActionHandler install = MainWindowSeams().install) {
            CommandContext context = Context();
            install(context);
        }
    }
    const ViewSettings settings = settings_.Load();
    showTips_ = settings.showTips;
    document_.SetRecentFiles(settings.recentFiles);
    BuildBars(settings);
    ApplySettings(settings);

    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    ::GetWindowPlacement(Handle(), &placement);
    // A stored frame is used only where it is still on a screen.
    if (settings.frame && ::MonitorFromRect(&*settings.frame, MONITOR_DEFAULTTONULL) != nullptr) {
        placement.rcNormalPosition = *settings.frame;
        placement.flags = 0;
        placement.showCmd = settings.maximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
        if (showCommand == SW_SHOWMINNOACTIVE || showCommand == SW_SHOWMINIMIZED ||
            showCommand == SW_MINIMIZE) {
            placement.showCmd = showCommand;
        }
        ::SetWindowPlacement(Handle(), &placement);
    } else {
        Place();
        ::ShowWindow(Handle(), showCommand == SW_HIDE ? SW_SHOWNORMAL : showCommand);
    }
    Layout();
    ::UpdateWindow(Handle());
    Loop().ProcessMessages();

    ReportLoad(document_.StartupLoad(argument_, settings.currentFile));
    UpdateRecentMenu();
    SetView(settings.view);
    ::SetFocus(settings.view == ScriptView::Text ? Control(ids::Memo1).Handle() : List().Handle());
    started_ = true;
    NoteFirstActivation();
}

void TfrmView::ApplySettings(const ViewSettings& settings) {
    Menu menu(menuBar_.Get());
    menu.SetChecked(ids::ShowMainToolbar1, settings.showMainToolbar);
    menu.SetChecked(ids::ShowMenuToolbar1, settings.showMenuToolbar);
    rebar_.ShowBand(ids::ToolBar1, settings.showMainToolbar);
    rebar_.ShowBand(ids::ToolBar2, settings.showMenuToolbar);
    mainBar_.SetButtonVisible(ids::Paste1, settings.pasteVisible);
}

ViewSettings TfrmView::CurrentSettings() const {
    ViewSettings settings;
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (::GetWindowPlacement(Handle(), &placement) != FALSE) {
        settings.frame = placement.rcNormalPosition;
        settings.maximized = placement.showCmd == SW_SHOWMAXIMIZED ||
                             (placement.showCmd == SW_SHOWMINIMIZED &&
                              (placement.flags & WPF_RESTORETOMAXIMIZED) != 0);
    }
    settings.currentFile = document_.State().CurrentFile;
    settings.view = view_;
    const Menu menu(menuBar_.Get());
    settings.showMainToolbar = menu.IsChecked(ids::ShowMainToolbar1);
    settings.showMenuToolbar = menu.IsChecked(ids::ShowMenuToolbar1);
    settings.pasteVisible =
        (mainBar_.Send(TB_GETSTATE, static_cast<WPARAM>(ids::Paste1)) & TBSTATE_HIDDEN) == 0;
    settings.showTips = showTips_;
    settings.recentFiles = document_.Recent().Paths();
    for (int index = 0; index < rebar_.BandCount(); ++index) {
        REBARBANDINFOA band{};
        band.cbSize = sizeof(band);
        band.fMask = RBBIM_ID | RBBIM_STYLE;
        rebar_.Send(RB_GETBANDINFOA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&band));
        settings.bandOrder.push_back(static_cast<int>(band.wID));
        if (index > 0 && (band.fStyle & RBBS_BREAK) != 0) {
            settings.bandsOnTwoRows = true;
        }
    }
    return settings;
}

void TfrmView::Layout() {
    if (!rebar_ || !status_) {
        return;
    }
    rebar_.Resize();
    status_.Resize();
    const RECT client = Self().ClientRect();
    const RECT bars = rebar_.WindowRect();
    const RECT foot = status_.WindowRect();
    const int top = bars.bottom - bars.top;
    const int bottom = client.bottom - (foot.bottom - foot.top);
    const int height = std::max(0, bottom - top);
    List().Move(0, top, client.right, height);
    Control(ids::Memo1).Move(0, top, client.right, height);
}

// ---- The document, mirrored ----

void TfrmView::RowsChanged() {
    services_.ForgetPaths();
    icons_.Flush();
    ListView list = List();
    if (reinterpret_cast<HIMAGELIST>(list.Send(LVM_GETIMAGELIST, LVSIL_NORMAL)) != icons_.Large() ||
        reinterpret_cast<HIMAGELIST>(list.Send(LVM_GETIMAGELIST, LVSIL_SMALL)) != icons_.Small()) {
        list.SetImageList(icons_.Large(), LVSIL_NORMAL);
        list.SetImageList(icons_.Small(), LVSIL_SMALL);
    }
    const auto& rows = document_.Rows();
    list.Send(LVM_SETITEMCOUNT, rows.size(), LVSICF_NOSCROLL);
    LVITEMA none{};
    none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    list.Send(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].Selected) {
            list.SetSelected(static_cast<int>(i), true);
        }
    }
    const int focused = document_.FocusedRow();
    if (focused >= 0) {
        list.SetFocused(focused);
        list.EnsureVisible(focused);
    }
    CheckRows();
    list.Invalidate();
}

void TfrmView::PullSelection() {
    const ListView list = List();
    const int count = static_cast<int>(document_.Rows().size());
    for (int i = 0; i < count; ++i) {
        document_.SetRowSelected(i, false);
    }
    for (int i =
             static_cast<int>(list.Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
         i >= 0 && i < count;
         i = static_cast<int>(list.Send(LVM_GETNEXTITEM, static_cast<WPARAM>(i), LVNI_SELECTED))) {
        document_.SetRowSelected(i, true);
    }
    document_.SetFocusedRow(list.FocusedIndex());
}

void TfrmView::FillDisplayInfo(NMLVDISPINFOA& info) {
    LVITEMA& item = info.item;
    const auto& rows = document_.Rows();
    if (item.iItem < 0 || static_cast<std::size_t>(item.iItem) >= rows.size()) {
        return;
    }
    const editor::ScriptRow& row = rows[static_cast<std::size_t>(item.iItem)];
    if ((item.mask & LVIF_TEXT) != 0 && item.pszText != nullptr && item.cchTextMax > 0) {
        switch (item.iSubItem) {
        case 0:
            cellText_ = row.Title;
            break;
        case 1:
            cellText_ = row.Command;
            break;
        default:
            cellText_ = std::to_string(row.Order);
            break;
        }
        const std::size_t length =
            std::min(cellText_.size(), static_cast<std::size_t>(item.cchTextMax - 1));
        cellText_.copy(item.pszText, length);
        item.pszText[length] = '\0';
    }
    if ((item.mask & LVIF_IMAGE) != 0) {
        item.iImage = row.Icon >= 0 ? row.Icon : I_IMAGENONE;
    }
    if ((item.mask & LVIF_STATE) != 0 && (item.stateMask & LVIS_OVERLAYMASK) != 0) {
        const bool problem = checker_.RowProblem(static_cast<std::size_t>(item.iItem)) != nullptr;
        item.state = (item.state & ~LVIS_OVERLAYMASK) | (problem ? INDEXTOOVERLAYMASK(1) : 0);
    }
}

void TfrmView::TitleChanged() {
    Self().SetText(document_.WindowTitle());
}

void TfrmView::SelectorsChanged() {
    static constexpr int Items[] = {ids::InternetConnect1, ids::InternetDisconnect1, ids::UserName1,
                                    ids::ComputerName1, ids::Common1};
    const Menu menu(menuBar_.Get());
    for (std::size_t s = 0; s < editor::SelectorCount; ++s) {
        menu.SetChecked(Items[s], document_.SelectorChecked(static_cast<editor::Selector>(s)));
    }
}

void TfrmView::MenuChanged() {
    if (menuBand_) {
        const editor::DocumentState& state = document_.State();
        ComboBox selector = menuBand_->Selector();
        selector.SetItems(state.MenuCaptions);
        selector.Select(state.CurrentMenu);
    }
    UpdateCommandStates();
}

// The box is filled only while it is on show: a long script's text costs it a layout that the
// list views never need.
void TfrmView::SetScriptText(const std::vector<std::string>& lines) {
    if (!textShown_) {
        heldText_ = lines;
        return;
    }
    heldText_.reset();
    std::string text;
    std::size_t size = 0;
    for (const std::string& line : lines) {
        size += line.size() + 2;
    }
    text.reserve(size);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            text += "\r\n";
        }
        text += lines[i];
    }
    Control(ids::Memo1).SetText(text);
}

std::vector<std::string> TfrmView::ScriptText() {
    if (heldText_) {
        return *heldText_;
    }
    return SplitLines(Control(ids::Memo1).Text());
}

std::string TfrmView::CompileSavedScript(const std::string& sourcePath) {
    Loop().ProcessMessages();
    TfrmCompile compiler(Loop(), Handle(), sourcePath);
    if (!compiler.IsAlive()) {
        return "The Compiler window could not be opened, so " + CompiledPathFor(sourcePath) +
               " was not written.";
    }
    return compiler.ShowModal(Handle());
}

// ---- Views ----

void TfrmView::SetView(ScriptView view) {
    view_ = view;
    const bool text = view == ScriptView::Text;
    if (text) {
        PullSelection();
        textShown_ = true;
        if (document_.State().TextViewActive && heldText_) {
            SetScriptText(*heldText_);
        }
        document_.EnterTextView();
    } else {
        if (document_.State().TextViewActive) {
            ReportLoad(document_.LeaveTextView());
        }
        textShown_ = false;
    }
    ListView list = List();
    if (!text) {
        list.SetView(view == ScriptView::Icon ? LV_VIEW_ICON : LV_VIEW_DETAILS);
        if (view == ScriptView::Icon) {
            list.Send(LVM_ARRANGE, LVA_DEFAULT);
        }
    }
    const bool listHadFocus = ::GetFocus() == list.Handle();
    list.SetVisible(!text);
    Control(ids::Memo1).SetVisible(text);
    if (text && listHadFocus) {
        ::SetFocus(Control(ids::Memo1).Handle());
    } else if (!text && ::GetFocus() == Control(ids::Memo1).Handle()) {
        ::SetFocus(list.Handle());
    }

    const int command = view == ScriptView::Icon   ? ids::IconView1
                        : view == ScriptView::List ? ids::ListView2
                                                   : ids::TextView1;
    Menu(menuBar_.Get()).SetRadio(ids::IconView1, ids::TextView1, command);
    for (const int button : {ids::IconView1, ids::ListView2, ids::TextView1}) {
        mainBar_.SetChecked(button, button == command);
    }
    // The text box takes Del itself; the list's Delete has no place there.
    ShowDeleteCommand(!text);
    UpdateCommandStates();
}

void TfrmView::ReportLoad(const editor::LoadReport& report) {
    if (report.Clean()) {
        SetStatus("");
        ShowRowProblem();
        return;
    }
    std::string text = report.problems.front();
    if (report.problems.size() > 1) {
        text += "  (and " + std::to_string(report.problems.size() - 1) + " more)";
    }
    SetStatus(text);
}

void TfrmView::SetStatus(const std::string& text) {
    problemShown_ = false;
    if (status_) {
        status_.SetText(text);
    }
}

// ---- Messages ----

bool TfrmView::PreviewMessage(MSG& message) {
    // Enter in the list acts as a double-click.
    if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN &&
        message.hwnd == List().Handle()) {
        ListView1DblClick();
        return true;
    }
    return false;
}

void TfrmView::OnActivated() {
    Form::OnActivated();
    activated_ = true;
    NoteFirstActivation();
}

// The first activation's work waits for the start-up load, which it shows its dialogs over.
void TfrmView::NoteFirstActivation() {
    if (activated_ && started_ && !firstActivationPosted_) {
        firstActivationPosted_ = true;
        Self().Post(FirstActivationMessage);
    }
}

void TfrmView::OnClose() {
    // Not while a dialog of the window's own is up: it runs inside one of the window's handlers.
    if (closing_ || !::IsWindowEnabled(Handle()) || !SavePrompt()) {
        return;
    }
    closing_ = true;
    settings_.Save(CurrentSettings());
    Destroy();
    Loop().Quit(0);
}

LRESULT TfrmView::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        Layout();
        return 0;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->idFrom == static_cast<UINT_PTR>(ids::ListView1)) {
            switch (header->code) {
            case LVN_GETDISPINFOA:
                FillDisplayInfo(*reinterpret_cast<NMLVDISPINFOA*>(lParam));
                return 0;
            case NM_DBLCLK:
                ListView1DblClick();
                return 0;
            case NM_CUSTOMDRAW:
                return ListCustomDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(lParam));
            case LVN_ITEMCHANGED:
                if ((reinterpret_cast<NMLISTVIEW*>(lParam)->uChanged & LVIF_STATE) != 0) {
                    ShowRowProblem();
                }
                return 0;
            default:
                break;
            }
        }
        switch (header->code) {
        case TTN_GETDISPINFOA:
            if (!ToolBar::TipText(MainButtonSpecs(), *reinterpret_cast<NMTTDISPINFOA*>(lParam))) {
                ToolBar::TipText(MenuBand::ButtonSpecs(),
                                 *reinterpret_cast<NMTTDISPINFOA*>(lParam));
            }
            return 0;
        case TBN_DROPDOWN:
            if (reinterpret_cast<NMTOOLBARA*>(lParam)->iItem == ids::CommandBox) {
                ShowBoxMenu();
            }
            return TBDDRET_DEFAULT;
        case RBN_HEIGHTCHANGE:
            Layout();
            return 0;
        default:
            return Form::HandleMessage(message, wParam, lParam);
        }
    }
    case WM_CONTEXTMENU:
        if (reinterpret_cast<HWND>(wParam) == List().Handle()) {
            POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            if (lParam == -1) {
                RECT item{LVIR_BOUNDS, 0, 0, 0};
                const int focused = List().FocusedIndex();
                if (focused < 0 || List().Send(LVM_GETITEMRECT, static_cast<WPARAM>(focused),
                                               reinterpret_cast<LPARAM>(&item)) == FALSE) {
                    item = RECT{};
                }
                point = {item.left, item.bottom};
                ::ClientToScreen(List().Handle(), &point);
            }
            PullSelection();
            UpdateCommandStates();
            if (const int command = Menu(contextMenu_.Get()).Popup(0).Track(Handle(), point)) {
                OnCommand(command, 0);
            }
            return 0;
        }
        return Form::HandleMessage(message, wParam, lParam);
    case WM_DROPFILES:
        FilesDropped(reinterpret_cast<HDROP>(wParam));
        return 0;
    case FirstActivationMessage:
        FirstActivation();
        return 0;
    case WM_QUERYENDSESSION:
        return SavePrompt() ? TRUE : FALSE;
    case WM_ENDSESSION:
        if (wParam != FALSE) {
            settings_.Save(CurrentSettings());
        }
        return 0;
    default:
        return Form::HandleMessage(message, wParam, lParam);
    }
}

} // namespace qv::win32
