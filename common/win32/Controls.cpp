#include "common/win32/Controls.h"

#include <algorithm>

namespace qv::win32 {
namespace {

HWND CreateChild(HWND parent, int id, const char* className, DWORD style, DWORD exStyle = 0) {
    return ::CreateWindowExA(exStyle, className, "", WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0,
                             parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             ::GetModuleHandleA(nullptr), nullptr);
}

} // namespace

bool InitCommonControlClasses() {
    INITCOMMONCONTROLSEX classes{};
    classes.dwSize = sizeof(classes);
    classes.dwICC = ICC_STANDARD_CLASSES | ICC_ANIMATE_CLASS | ICC_LISTVIEW_CLASSES |
                    ICC_BAR_CLASSES | ICC_COOL_CLASSES | ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS |
                    ICC_DATE_CLASSES | ICC_TAB_CLASSES;
    return ::InitCommonControlsEx(&classes) != FALSE;
}

StatusBar StatusBar::Create(HWND parent, int id) {
    return StatusBar(CreateChild(parent, id, STATUSCLASSNAMEA, SBARS_SIZEGRIP));
}

void StatusBar::SetParts(std::span<const int> rightEdges) const {
    std::vector<int> edges(rightEdges.begin(), rightEdges.end());
    Send(SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

std::string StatusBar::PartText(int part) const {
    const auto length = LOWORD(Send(SB_GETTEXTLENGTHA, static_cast<WPARAM>(part)));
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    Send(SB_GETTEXTA, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text.data()));
    text.resize(length);
    return text;
}

int StatusBar::Height() const {
    const RECT rect = WindowRect();
    return rect.bottom - rect.top;
}

ToolBar ToolBar::Create(HWND parent, int id, HIMAGELIST images,
                        std::span<const ToolButton> buttons) {
    ToolBar bar(CreateChild(parent, id, TOOLBARCLASSNAMEA,
                            TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NORESIZE | CCS_NODIVIDER |
                                CCS_NOPARENTALIGN));
    if (!bar) {
        return bar;
    }
    bar.Send(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    bar.Send(TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS | TBSTYLE_EX_MIXEDBUTTONS);
    bar.Send(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    std::vector<TBBUTTON> items;
    items.reserve(buttons.size());
    for (const ToolButton& button : buttons) {
        TBBUTTON item{};
        item.iBitmap = button.style == BTNS_SEP ? 0 : button.image;
        item.idCommand = button.command;
        item.fsState = button.state;
        item.fsStyle = button.style;
        item.iString = -1;
        items.push_back(item);
    }
    bar.Send(TB_ADDBUTTONSA, items.size(), reinterpret_cast<LPARAM>(items.data()));
    bar.Send(TB_AUTOSIZE);
    return bar;
}

void ToolBar::SetButtonText(int command, const std::string& text) const {
    TBBUTTONINFOA info{};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_STYLE;
    Send(TB_GETBUTTONINFOA, static_cast<WPARAM>(command), reinterpret_cast<LPARAM>(&info));
    info.dwMask = TBIF_TEXT | TBIF_STYLE;
    info.fsStyle |= BTNS_SHOWTEXT | BTNS_AUTOSIZE;
    info.pszText = const_cast<char*>(text.c_str());
    Send(TB_SETBUTTONINFOA, static_cast<WPARAM>(command), reinterpret_cast<LPARAM>(&info));
    Send(TB_AUTOSIZE);
}

RECT ToolBar::ButtonScreenRect(int command) const {
    RECT rect{};
    Send(TB_GETRECT, static_cast<WPARAM>(command), reinterpret_cast<LPARAM>(&rect));
    ::MapWindowPoints(Handle(), nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

SIZE ToolBar::IdealSize() const {
    SIZE size{};
    Send(TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&size));
    return size;
}

bool ToolBar::TipText(std::span<const ToolButton> buttons, NMTTDISPINFOA& info) {
    const auto command = static_cast<int>(info.hdr.idFrom);
    for (const ToolButton& button : buttons) {
        if (button.command == command && button.style != BTNS_SEP && button.tip != nullptr) {
            info.lpszText = const_cast<char*>(button.tip);
            info.hinst = nullptr;
            return true;
        }
    }
    return false;
}

Rebar Rebar::Create(HWND parent, int id) {
    return Rebar(CreateChild(parent, id, REBARCLASSNAMEA,
                             RBS_VARHEIGHT | RBS_BANDBORDERS | CCS_NODIVIDER | WS_CLIPSIBLINGS |
                                 WS_CLIPCHILDREN,
                             WS_EX_TOOLWINDOW));
}

bool Rebar::AddBand(HWND child, int id, int minWidth, int height, bool breakBefore) const {
    REBARBANDINFOA band{};
    band.cbSize = sizeof(band);
    band.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_ID | RBBIM_STYLE | RBBIM_SIZE;
    band.fStyle = RBBS_CHILDEDGE | RBBS_GRIPPERALWAYS | (breakBefore ? RBBS_BREAK : 0);
    band.hwndChild = child;
    band.wID = static_cast<UINT>(id);
    band.cxMinChild = static_cast<UINT>(minWidth);
    band.cyMinChild = static_cast<UINT>(height);
    band.cx = static_cast<UINT>(minWidth);
    return Send(RB_INSERTBANDA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band)) != 0;
}

void Rebar::ShowBand(int id, bool shown) const {
    const int index = BandIndex(id);
    if (index >= 0) {
        Send(RB_SHOWBAND, static_cast<WPARAM>(index), shown ? TRUE : FALSE);
    }
}

bool Rebar::BandShown(int id) const {
    const int index = BandIndex(id);
    if (index < 0) {
        return false;
    }
    REBARBANDINFOA band{};
    band.cbSize = sizeof(band);
    band.fMask = RBBIM_STYLE;
    Send(RB_GETBANDINFOA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&band));
    return (band.fStyle & RBBS_HIDDEN) == 0;
}

ImageList::ImageList(int size, int capacity)
    : list_(::ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, capacity, capacity)) {}

int ImageList::Add(HICON icon) const {
    return list_ && icon != nullptr ? ::ImageList_AddIcon(list_.Get(), icon) : -1;
}

int ImageList::Count() const {
    return list_ ? ::ImageList_GetImageCount(list_.Get()) : 0;
}

void ImageList::Clear() const {
    if (list_) {
        ::ImageList_RemoveAll(list_.Get());
    }
}

int ListView::AddColumn(const std::string& caption, int width, int format) const {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.fmt = format;
    column.cx = width;
    column.pszText = const_cast<char*>(caption.c_str());
    return static_cast<int>(Send(LVM_INSERTCOLUMNA, static_cast<WPARAM>(ColumnCount()),
                                 reinterpret_cast<LPARAM>(&column)));
}

int ListView::ColumnCount() const {
    HWND header = reinterpret_cast<HWND>(Send(LVM_GETHEADER));
    return header != nullptr ? static_cast<int>(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

int ListView::InsertItem(int index, const std::string& text, int image, LPARAM data) const {
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_PARAM | (image != I_IMAGENONE ? LVIF_IMAGE : 0);
    item.iItem = index;
    item.pszText = const_cast<char*>(text.c_str());
    item.iImage = image;
    item.lParam = data;
    return static_cast<int>(Send(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

void ListView::SetItemText(int index, int column, const std::string& text) const {
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text.c_str());
    Send(LVM_SETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

std::string ListView::ItemText(int index, int column) const {
    // The list answers with as much as fits: grow the buffer until the text is shorter.
    std::string text(256, '\0');
    for (;;) {
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = text.data();
        item.cchTextMax = static_cast<int>(text.size());
        const auto copied = static_cast<std::size_t>(
            Send(LVM_GETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)));
        if (copied + 1 < text.size() || text.size() >= (1u << 24)) {
            text.resize(std::min(copied, text.size()));
            return text;
        }
        text.assign(text.size() * 4, '\0');
    }
}

void ListView::SetItemImage(int index, int image) const {
    LVITEMA item{};
    item.mask = LVIF_IMAGE;
    item.iItem = index;
    item.iImage = image;
    Send(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

int ListView::ItemImage(int index) const {
    LVITEMA item{};
    item.mask = LVIF_IMAGE;
    item.iItem = index;
    return Send(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)) ? item.iImage : I_IMAGENONE;
}

LPARAM ListView::ItemData(int index) const {
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = index;
    return Send(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)) ? item.lParam : 0;
}

std::vector<int> ListView::SelectedIndices() const {
    std::vector<int> indices;
    for (int index = NextItem(-1, LVNI_SELECTED); index >= 0;
         index = NextItem(index, LVNI_SELECTED)) {
        indices.push_back(index);
    }
    return indices;
}

void ListView::SetState(int index, UINT state, UINT mask) const {
    LVITEMA item{};
    item.state = state;
    item.stateMask = mask;
    Send(LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

void ListView::SetSelected(int index, bool selected) const {
    SetState(index, selected ? LVIS_SELECTED : 0, LVIS_SELECTED);
}

void ListView::SelectOnly(int index) const {
    SetSelected(-1, false);
    if (index >= 0) {
        SetState(index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        EnsureVisible(index);
    }
}

void ListView::SetFocused(int index) const {
    SetState(index, LVIS_FOCUSED, LVIS_FOCUSED);
}

bool ListView::IsChecked(int index) const {
    const auto state =
        static_cast<UINT>(Send(LVM_GETITEMSTATE, static_cast<WPARAM>(index), LVIS_STATEIMAGEMASK));
    return (state & LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2);
}

void ListView::SetChecked(int index, bool checked) const {
    SetState(index, INDEXTOSTATEIMAGEMASK(checked ? 2 : 1), LVIS_STATEIMAGEMASK);
}

void ListView::SetRedraw(bool redraw) const {
    Send(WM_SETREDRAW, redraw ? TRUE : FALSE);
    if (redraw) {
        Invalidate();
    }
}

std::optional<SYSTEMTIME> MonthCalendar::Selection() const {
    SYSTEMTIME date{};
    if (Send(MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&date)) == FALSE) {
        return std::nullopt;
    }
    return date;
}

int TabControl::AddTab(const std::string& caption) const {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(caption.c_str());
    return static_cast<int>(
        Send(TCM_INSERTITEMA, static_cast<WPARAM>(Count()), reinterpret_cast<LPARAM>(&item)));
}

RECT TabControl::PageRect() const {
    RECT rect = ClientRect();
    Send(TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&rect));
    ::MapWindowPoints(Handle(), ::GetParent(Handle()), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

} // namespace qv::win32
