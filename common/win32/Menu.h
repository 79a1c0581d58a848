#pragma once
// Menus (a window's menu bar, its pop-ups, a context menu) and keyboard accelerators.
#include "common/win32/MessageLoop.h"
#include "common/win32/Owners.h"

#include <windows.h>

#include <span>
#include <string>

namespace qv::win32 {

// A non-owning view of a menu; MenuBar() and PopupMenu() make owned ones.
class Menu {
  public:
    Menu() = default;
    explicit Menu(HMENU handle) : handle_(handle) {}
    HMENU Handle() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

    // Entries are appended; a caption may name its shortcut after a tab ("&Save\tCtrl+S").
    bool AppendItem(int command, const std::string& caption) const {
        return ::AppendMenuA(handle_, MF_STRING, static_cast<UINT_PTR>(command), caption.c_str()) !=
               FALSE;
    }
    bool AppendSeparator() const {
        return ::AppendMenuA(handle_, MF_SEPARATOR, 0, nullptr) != FALSE;
    }
    // Appends `popup` as a submenu; the menu owns it from then on.
    bool AppendPopup(UniqueMenu popup, const std::string& caption) const;

    void SetChecked(int command, bool checked) const {
        ::CheckMenuItem(handle_, static_cast<UINT>(command),
                        MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
    }
    bool IsChecked(int command) const {
        return (::GetMenuState(handle_, static_cast<UINT>(command), MF_BYCOMMAND) & MF_CHECKED) !=
               0;
    }
    // One of a group gets the radio mark (the three views).
    void SetRadio(int first, int last, int chosen) const {
        ::CheckMenuRadioItem(handle_, static_cast<UINT>(first), static_cast<UINT>(last),
                             static_cast<UINT>(chosen), MF_BYCOMMAND);
    }
    void SetEnabled(int command, bool enabled) const {
        ::EnableMenuItem(handle_, static_cast<UINT>(command),
                         MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    }
    bool IsEnabled(int command) const {
        return (::GetMenuState(handle_, static_cast<UINT>(command), MF_BYCOMMAND) &
                (MF_GRAYED | MF_DISABLED)) == 0;
    }
    void SetCaption(int command, const std::string& caption) const {
        ::ModifyMenuA(handle_, static_cast<UINT>(command), MF_BYCOMMAND | MF_STRING,
                      static_cast<UINT_PTR>(command), caption.c_str());
    }
    std::string Caption(int command) const;
    bool Remove(int command) const {
        return ::RemoveMenu(handle_, static_cast<UINT>(command), MF_BYCOMMAND) != FALSE;
    }
    int Count() const { return ::GetMenuItemCount(handle_); }
    // The submenu at `position`, or an empty view.
    Menu Popup(int position) const { return Menu(::GetSubMenu(handle_, position)); }

    // Shows a pop-up menu at a screen point and returns the chosen command (0 for none). The
    // command is returned, not posted, so the caller acts on it directly.
    int Track(HWND owner, POINT screenPoint) const;

  private:
    HMENU handle_ = nullptr;
};

UniqueMenu CreateMenuBar();
UniqueMenu CreatePopupMenu();

// A key that gives a command whatever control has the focus (Ctrl+S, F9, Del).
struct AcceleratorKey {
    BYTE modifiers; // FCONTROL, FSHIFT, FALT (FVIRTKEY is added)
    WORD key;       // a virtual key: 'S', VK_F9, VK_DELETE
    WORD command;
};

// A window's accelerator table: while it lives, the message loop turns its keys into
// WM_COMMAND messages to the window (with 1 in the high word, as the system marks them).
class Accelerators : private MessageFilter {
  public:
    Accelerators(MessageLoop& loop, HWND window, std::span<const AcceleratorKey> keys);
    ~Accelerators() override;
    Accelerators(const Accelerators&) = delete;
    Accelerators& operator=(const Accelerators&) = delete;

    explicit operator bool() const { return static_cast<bool>(table_); }
    // Switched off while the window edits text in place (the text view takes Del itself).
    void SetEnabled(bool enabled) { enabled_ = enabled; }

  private:
    bool PreTranslate(MSG& message) override;

    MessageLoop& loop_;
    HWND window_;
    UniqueAccelerators table_;
    bool enabled_ = true;
};

} // namespace qv::win32
