#pragma once
// Forms declare their controls as a table in 96-DPI client pixels; the table is turned into
// child windows, and laid out again when the window moves to a monitor of another DPI.
#include <windows.h>

#include <span>

namespace qv::win32 {

enum class ControlKind {
    Button,        // push button
    DefaultButton, // push button drawn as the default one
    Label,         // static text, left aligned, word-wrapped
    OwnerDrawn,    // static the form paints itself on WM_DRAWITEM (pictures, drawn labels)
    Edit,          // edit box; add ES_* styles for multi-line or read-only
    Animation,     // animation control
    ListBox,       // list box
    GroupBox,      // frame with a caption
    RadioButton,   // radio button
    CheckBox,      // check box
    TextView,      // read-only view of a long text (RegisterTextViewClass first)
    ComboBox,      // combo box with an edit field; its height includes the dropped list
    DropDownList,  // combo box that only chooses from its list
    ListView,      // list view (icons, report); add LVS_* styles
    UpDown,        // spin arrows for the control created just before it (its buddy)
    ProgressBar,   // progress bar
    MonthCalendar, // month calendar
    TabControl,    // tab strip of a tabbed dialog
};

struct ControlSpec {
    int id;
    ControlKind kind;
    int left, top, width, height; // 96-DPI pixels in the parent's client area
    const char* caption;
    DWORD style = 0; // added to the kind's own styles
    bool hidden = false;
    DWORD exStyle = 0;
};

// Creates the controls of `specs` in table order (which is also the tab order) at `dpi`, with
// `font` on each. Returns false when any control could not be created.
bool CreateControls(HWND parent, std::span<const ControlSpec> specs, int dpi, HFONT font);

// Places one control at a 96-DPI rectangle.
void PlaceControl(HWND parent, int id, int left, int top, int width, int height, int dpi);

// Places every control of `specs` at its table rectangle (after a DPI change).
void LayoutControls(HWND parent, std::span<const ControlSpec> specs, int dpi);

// Gives every child of `parent` the font.
void SetChildFonts(HWND parent, HFONT font);

} // namespace qv::win32
