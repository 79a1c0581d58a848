#include "common/win32/ControlTable.h"

#include "common/win32/Dpi.h"
#include "common/win32/TextView.h"

#include <commctrl.h>

namespace qv::win32 {
namespace {

struct KindClass {
    const char* className;
    DWORD style;
};

KindClass ClassOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::Button:
        return {"BUTTON", BS_PUSHBUTTON | WS_TABSTOP};
    case ControlKind::DefaultButton:
        return {"BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP};
    case ControlKind::Label:
        return {"STATIC", SS_LEFT | SS_NOPREFIX};
    case ControlKind::OwnerDrawn:
        return {"STATIC", SS_OWNERDRAW};
    case ControlKind::Edit:
        return {"EDIT", WS_TABSTOP};
    case ControlKind::Animation:
        return {ANIMATE_CLASSA, 0};
    case ControlKind::ListBox:
        return {"LISTBOX", WS_TABSTOP | LBS_NOTIFY};
    case ControlKind::GroupBox:
        return {"BUTTON", BS_GROUPBOX};
    case ControlKind::RadioButton:
        return {"BUTTON", BS_AUTORADIOBUTTON | WS_TABSTOP};
    case ControlKind::CheckBox:
        return {"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP};
    case ControlKind::TextView:
        return {TextViewClass, WS_TABSTOP};
    case ControlKind::ComboBox:
        return {WC_COMBOBOXA, CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP};
    case ControlKind::DropDownList:
        return {WC_COMBOBOXA, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP};
    case ControlKind::ListView:
        return {WC_LISTVIEWA, LVS_SHOWSELALWAYS | WS_TABSTOP};
    case ControlKind::UpDown:
        // Placed by the table like any control, not glued to its buddy.
        return {UPDOWN_CLASSA, UDS_SETBUDDYINT | UDS_AUTOBUDDY | UDS_ARROWKEYS};
    case ControlKind::ProgressBar:
        return {PROGRESS_CLASSA, 0};
    case ControlKind::MonthCalendar:
        return {MONTHCAL_CLASSA, WS_TABSTOP};
    case ControlKind::TabControl:
        return {WC_TABCONTROLA, WS_TABSTOP | WS_CLIPSIBLINGS};
    }
    return {"STATIC", 0};
}

} // namespace

bool CreateControls(HWND parent, std::span<const ControlSpec> specs, int dpi, HFONT font) {
    bool all = true;
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    for (const ControlSpec& spec : specs) {
        const KindClass kind = ClassOf(spec.kind);
        DWORD style = WS_CHILD | kind.style | spec.style;
        if (!spec.hidden) {
            style |= WS_VISIBLE;
        }
        HWND control = ::CreateWindowExA(
            spec.exStyle, kind.className, spec.caption != nullptr ? spec.caption : "", style,
            Scale(spec.left, dpi), Scale(spec.top, dpi), Scale(spec.width, dpi),
            Scale(spec.height, dpi), parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)),
            instance, nullptr);
        if (control == nullptr) {
            all = false;
            continue;
        }
        if (font != nullptr) {
            ::SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        }
    }
    return all;
}

void PlaceControl(HWND parent, int id, int left, int top, int width, int height, int dpi) {
    HWND control = ::GetDlgItem(parent, id);
    if (control != nullptr) {
        ::SetWindowPos(control, nullptr, Scale(left, dpi), Scale(top, dpi), Scale(width, dpi),
                       Scale(height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void LayoutControls(HWND parent, std::span<const ControlSpec> specs, int dpi) {
    for (const ControlSpec& spec : specs) {
        PlaceControl(parent, spec.id, spec.left, spec.top, spec.width, spec.height, dpi);
    }
}

void SetChildFonts(HWND parent, HFONT font) {
    for (HWND child = ::GetWindow(parent, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        ::SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
}

} // namespace qv::win32
