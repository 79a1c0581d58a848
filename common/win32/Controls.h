#pragma once
// Typed views of the standard and common controls: each is a thin, non-owning wrapper over the
// control's window with the calls a form makes on that kind. Get one from a form with
// form.Control<ListView>(ids::ListView1), or wrap any HWND. tests/MainWindowTest.cpp builds a
// main window (rebar, tool bars, list view, status bar, menu, accelerators) from them.
#include "common/win32/Owners.h"
#include "common/win32/Window.h"

#include <windows.h>

#include <commctrl.h>

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace qv::win32 {

// Registers the common control classes the wrappers and the control table use; a program calls
// it once before its first window.
bool InitCommonControlClasses();

// Push button, check box or radio button.
class Button : public Window {
  public:
    using Window::Window;
    bool Checked() const { return Send(BM_GETCHECK) == BST_CHECKED; }
    void SetChecked(bool checked) const {
        Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
    }
};

class Edit : public Window {
  public:
    using Window::Window;
    // 0 lifts the limit (as far as the system allows).
    void SetLimit(std::size_t characters) const { Send(EM_LIMITTEXT, characters); }
    void Select(int start, int end) const { Send(EM_SETSEL, start, end); }
    void SelectAll() const { Select(0, -1); }
    void SetReadOnly(bool readOnly) const { Send(EM_SETREADONLY, readOnly ? TRUE : FALSE); }
};

// A list of texts with one or more chosen: shared by the combo and list box wrappers, whose
// messages differ only in name (see ComboBoxMessages, ListBoxMessages).
template <typename Messages> class TextList : public Window {
  public:
    using Window::Window;
    // The new entry's index, or -1 when it could not be added.
    int Add(const std::string& text) const {
        return Normalise(Send(Messages::Add, 0, reinterpret_cast<LPARAM>(text.c_str())));
    }
    int Insert(int index, const std::string& text) const {
        return Normalise(Send(Messages::Insert, static_cast<WPARAM>(index),
                              reinterpret_cast<LPARAM>(text.c_str())));
    }
    void Delete(int index) const { Send(Messages::Delete, static_cast<WPARAM>(index)); }
    void Clear() const { Send(Messages::Reset); }
    int Count() const { return Normalise(Send(Messages::Count)); }
    // The chosen entry; -1 when there is none.
    int Selected() const { return Normalise(Send(Messages::GetSelection)); }
    void Select(int index) const { Send(Messages::SetSelection, static_cast<WPARAM>(index)); }
    std::string ItemText(int index) const {
        const LRESULT length = Send(Messages::TextLength, static_cast<WPARAM>(index));
        if (length < 0) {
            return {};
        }
        std::string text(static_cast<std::size_t>(length) + 1, '\0');
        const LRESULT copied =
            Send(Messages::Text, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
        text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
        return text;
    }
    // The first entry whose whole text equals `text`, ignoring case as the control does; -1.
    int Find(const std::string& text) const {
        return Normalise(Send(Messages::FindExact, static_cast<WPARAM>(-1),
                              reinterpret_cast<LPARAM>(text.c_str())));
    }
    void SetItemData(int index, LPARAM data) const {
        Send(Messages::SetData, static_cast<WPARAM>(index), data);
    }
    LPARAM ItemData(int index) const { return Send(Messages::GetData, static_cast<WPARAM>(index)); }
    // Replaces the entries with `texts`, drawing once.
    void SetItems(std::span<const std::string> texts) const {
        Send(WM_SETREDRAW, FALSE);
        Clear();
        for (const std::string& text : texts) {
            Add(text);
        }
        Send(WM_SETREDRAW, TRUE);
        Invalidate();
    }

  private:
    static int Normalise(LRESULT result) { return result < 0 ? -1 : static_cast<int>(result); }
};

struct ComboBoxMessages {
    static constexpr UINT Add = CB_ADDSTRING, Insert = CB_INSERTSTRING, Delete = CB_DELETESTRING,
                          Reset = CB_RESETCONTENT, Count = CB_GETCOUNT, GetSelection = CB_GETCURSEL,
                          SetSelection = CB_SETCURSEL, TextLength = CB_GETLBTEXTLEN,
                          Text = CB_GETLBTEXT, FindExact = CB_FINDSTRINGEXACT,
                          SetData = CB_SETITEMDATA, GetData = CB_GETITEMDATA;
};
struct ListBoxMessages {
    static constexpr UINT Add = LB_ADDSTRING, Insert = LB_INSERTSTRING, Delete = LB_DELETESTRING,
                          Reset = LB_RESETCONTENT, Count = LB_GETCOUNT, GetSelection = LB_GETCURSEL,
                          SetSelection = LB_SETCURSEL, TextLength = LB_GETTEXTLEN,
                          Text = LB_GETTEXT, FindExact = LB_FINDSTRINGEXACT,
                          SetData = LB_SETITEMDATA, GetData = LB_GETITEMDATA;
};

class ComboBox : public TextList<ComboBoxMessages> {
  public:
    using TextList::TextList;
    void ShowDropDown(bool shown) const { Send(CB_SHOWDROPDOWN, shown ? TRUE : FALSE); }
    bool DroppedDown() const { return Send(CB_GETDROPPEDSTATE) != FALSE; }
};

class ListBox : public TextList<ListBoxMessages> {
  public:
    using TextList::TextList;
    // For a list with several choices (LBS_EXTENDEDSEL, LBS_MULTIPLESEL).
    bool IsSelected(int index) const { return Send(LB_GETSEL, static_cast<WPARAM>(index)) > 0; }
    void SetSelected(int index, bool selected) const {
        Send(LB_SETSEL, selected ? TRUE : FALSE, index);
    }
    int TopIndex() const { return static_cast<int>(Send(LB_GETTOPINDEX)); }
};

// The spin arrows beside an edit box (its buddy), which hold a whole number in a range.
class UpDown : public Window {
  public:
    using Window::Window;
    void SetRange(int low, int high) const { Send(UDM_SETRANGE32, low, high); }
    void SetBuddy(HWND buddy) const { Send(UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy)); }
    void SetPosition(int position) const { Send(UDM_SETPOS32, 0, position); }
    // Absent when the buddy's text is no number in the range.
    std::optional<int> Position() const {
        BOOL failed = FALSE;
        const auto position =
            static_cast<int>(Send(UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed)));
        return failed ? std::nullopt : std::optional<int>(position);
    }
};

class ProgressBar : public Window {
  public:
    using Window::Window;
    void SetRange(int low, int high) const { Send(PBM_SETRANGE32, low, high); }
    void SetPosition(int position) const { Send(PBM_SETPOS, static_cast<WPARAM>(position)); }
    int Position() const { return static_cast<int>(Send(PBM_GETPOS)); }
};

// A status bar at the window's foot; Resize from the parent's WM_SIZE keeps it there.
class StatusBar : public Window {
  public:
    using Window::Window;
    static StatusBar Create(HWND parent, int id);
    // Part widths in pixels from the left; -1 for a last part that takes the rest.
    void SetParts(std::span<const int> rightEdges) const;
    void SetText(const std::string& text, int part = 0) const {
        Send(SB_SETTEXTA, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text.c_str()));
    }
    std::string PartText(int part = 0) const;
    void Resize() const { Send(WM_SIZE); }
    int Height() const;
};

// One button of a tool bar; a zero command with BTNS_SEP style is a separator.
struct ToolButton {
    int command;
    int image;       // index in the tool bar's image list, or I_IMAGENONE
    BYTE style;      // BTNS_BUTTON, BTNS_CHECK, BTNS_CHECKGROUP, BTNS_DROPDOWN, BTNS_SEP
    const char* tip; // the tool tip ("hint"); null for none
    BYTE state = TBSTATE_ENABLED;
};

// A tool bar, flat and without a divider, as a rebar band holds it. The tips come from
// TTN_GETDISPINFO, which the parent forwards to ToolBar::TipText.
class ToolBar : public Window {
  public:
    using Window::Window;
    static ToolBar Create(HWND parent, int id, HIMAGELIST images,
                          std::span<const ToolButton> buttons);
    void SetChecked(int command, bool checked) const {
        Send(TB_CHECKBUTTON, static_cast<WPARAM>(command), checked ? TRUE : FALSE);
    }
    bool IsChecked(int command) const {
        return Send(TB_ISBUTTONCHECKED, static_cast<WPARAM>(command)) != 0;
    }
    void SetEnabled(int command, bool enabled) const {
        Send(TB_ENABLEBUTTON, static_cast<WPARAM>(command), enabled ? TRUE : FALSE);
    }
    void SetButtonVisible(int command, bool visible) const {
        Send(TB_HIDEBUTTON, static_cast<WPARAM>(command), visible ? FALSE : TRUE);
    }
    // Text on a button (the drop-down command box shows its caption).
    void SetButtonText(int command, const std::string& text) const;
    // The button's rectangle in screen coordinates, where its drop-down menu opens.
    RECT ButtonScreenRect(int command) const;
    SIZE IdealSize() const;
    int ButtonCount() const { return static_cast<int>(Send(TB_BUTTONCOUNT)); }
    // The tip for a TTN_GETDISPINFOA notification, from the buttons the bar was made with.
    static bool TipText(std::span<const ToolButton> buttons, NMTTDISPINFOA& info);
};

// The band container that holds the tool bars side by side.
class Rebar : public Window {
  public:
    using Window::Window;
    static Rebar Create(HWND parent, int id);
    // Adds `child` as a band; `breakBefore` starts a new row.
    bool AddBand(HWND child, int id, int minWidth, int height, bool breakBefore = false) const;
    void ShowBand(int id, bool shown) const;
    bool BandShown(int id) const;
    int BandCount() const { return static_cast<int>(Send(RB_GETBANDCOUNT)); }
    int Height() const { return static_cast<int>(Send(RB_GETBARHEIGHT)); }
    void Resize() const { Send(WM_SIZE); }

  private:
    int BandIndex(int id) const {
        return static_cast<int>(Send(RB_IDTOINDEX, static_cast<WPARAM>(id)));
    }
};

// An image list of icons at one size, owned. The controls that show it only borrow it: it must
// outlive them, so a window holding one destroys itself first (Form::Destroy in the destructor
// of the class that owns the list).
class ImageList {
  public:
    ImageList() = default;
    ImageList(int size, int capacity);
    HIMAGELIST Handle() const { return list_.Get(); }
    explicit operator bool() const { return static_cast<bool>(list_); }
    // The new picture's index, or -1.
    int Add(HICON icon) const;
    int Count() const;
    void Clear() const;

  private:
    UniqueImageList list_;
};

// The list view in icon, small-icon, list or report (details) view. Rows are items with text
// in column 0 and sub-items beside it; an item may carry a picture and a number of its own.
class ListView : public Window {
  public:
    using Window::Window;

    // LV_VIEW_ICON, LV_VIEW_DETAILS, LV_VIEW_SMALLICON or LV_VIEW_LIST.
    void SetView(DWORD view) const { Send(LVM_SETVIEW, view); }
    DWORD View() const { return static_cast<DWORD>(Send(LVM_GETVIEW)); }
    void SetExtendedStyle(DWORD mask, DWORD style) const {
        Send(LVM_SETEXTENDEDLISTVIEWSTYLE, mask, style);
    }
    // LVSIL_NORMAL for the icon view, LVSIL_SMALL for the others. The list borrows it.
    void SetImageList(HIMAGELIST list, int which) const {
        Send(LVM_SETIMAGELIST, static_cast<WPARAM>(which), reinterpret_cast<LPARAM>(list));
    }

    int AddColumn(const std::string& caption, int width, int format = LVCFMT_LEFT) const;
    int ColumnCount() const;
    void SetColumnWidth(int column, int width) const {
        Send(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), width);
    }
    int ColumnWidth(int column) const {
        return static_cast<int>(Send(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column)));
    }

    // Inserts a row at `index` (Count() for the end); returns its index, or -1.
    int InsertItem(int index, const std::string& text, int image = I_IMAGENONE,
                   LPARAM data = 0) const;
    void SetItemText(int index, int column, const std::string& text) const;
    std::string ItemText(int index, int column = 0) const;
    void SetItemImage(int index, int image) const;
    int ItemImage(int index) const;
    LPARAM ItemData(int index) const;
    void DeleteItem(int index) const { Send(LVM_DELETEITEM, static_cast<WPARAM>(index)); }
    void Clear() const { Send(LVM_DELETEALLITEMS); }
    int Count() const { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }
    // Room for `count` rows before a long fill.
    void Reserve(int count) const { Send(LVM_SETITEMCOUNT, static_cast<WPARAM>(count)); }

    // The first selected row, or -1; every selected row in order.
    int SelectedIndex() const { return NextItem(-1, LVNI_SELECTED); }
    std::vector<int> SelectedIndices() const;
    int SelectedCount() const { return static_cast<int>(Send(LVM_GETSELECTEDCOUNT)); }
    void SetSelected(int index, bool selected) const;
    void SelectOnly(int index) const;
    int FocusedIndex() const { return NextItem(-1, LVNI_FOCUSED); }
    void SetFocused(int index) const;
    void EnsureVisible(int index) const {
        Send(LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
    }

    // Check boxes (LVS_EX_CHECKBOXES); index -1 sets every row.
    bool IsChecked(int index) const;
    void SetChecked(int index, bool checked) const;

    // No drawing while many rows change; the list draws once at the end.
    void SetRedraw(bool redraw) const;

  private:
    int NextItem(int start, UINT flags) const {
        return static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(start), flags));
    }
    void SetState(int index, UINT state, UINT mask) const;
};

class MonthCalendar : public Window {
  public:
    using Window::Window;
    std::optional<SYSTEMTIME> Selection() const;
    bool SetSelection(const SYSTEMTIME& date) const {
        return Send(MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&date)) != FALSE;
    }
};

// The tab strip of a tabbed dialog; the form shows the page of the selected tab.
class TabControl : public Window {
  public:
    using Window::Window;
    int AddTab(const std::string& caption) const;
    int Selected() const { return static_cast<int>(Send(TCM_GETCURSEL)); }
    void Select(int index) const { Send(TCM_SETCURSEL, static_cast<WPARAM>(index)); }
    int Count() const { return static_cast<int>(Send(TCM_GETITEMCOUNT)); }
    // The area below the tabs where a page goes, in the parent's client coordinates.
    RECT PageRect() const;
};

} // namespace qv::win32
