#include "common/win32/Menu.h"

#include <vector>

namespace qv::win32 {

bool Menu::AppendPopup(UniqueMenu popup, const std::string& caption) const {
    if (!::AppendMenuA(handle_, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup.Get()),
                       caption.c_str())) {
        return false;
    }
    popup.Release();
    return true;
}

std::string Menu::Caption(int command) const {
    const int length =
        ::GetMenuStringA(handle_, static_cast<UINT>(command), nullptr, 0, MF_BYCOMMAND);
    if (length <= 0) {
        return {};
    }
    std::string caption(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = ::GetMenuStringA(handle_, static_cast<UINT>(command), caption.data(),
                                        length + 1, MF_BYCOMMAND);
    caption.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return caption;
}

int Menu::Track(HWND owner, POINT screenPoint) const {
    // The owner must be in front, or the menu does not close when the user clicks elsewhere.
    ::SetForegroundWindow(owner);
    const BOOL command =
        ::TrackPopupMenu(handle_, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_RIGHTBUTTON,
                         screenPoint.x, screenPoint.y, 0, owner, nullptr);
    ::PostMessageA(owner, WM_NULL, 0, 0);
    return static_cast<int>(command);
}

UniqueMenu CreateMenuBar() {
    return UniqueMenu(::CreateMenu());
}

UniqueMenu CreatePopupMenu() {
    return UniqueMenu(::CreatePopupMenu());
}

Accelerators::Accelerators(MessageLoop& loop, HWND window, std::span<const AcceleratorKey> keys)
    : loop_(loop), window_(window) {
    std::vector<ACCEL> table;
    table.reserve(keys.size());
    for (const AcceleratorKey& key : keys) {
        table.push_back({static_cast<BYTE>(key.modifiers | FVIRTKEY), key.key, key.command});
    }
    if (!table.empty()) {
        table_.Reset(::CreateAcceleratorTableA(table.data(), static_cast<int>(table.size())));
    }
    loop_.AddFilter(this, true);
}

Accelerators::~Accelerators() {
    loop_.RemoveFilter(this);
}

bool Accelerators::PreTranslate(MSG& message) {
    if (!enabled_ || !table_ || !::IsWindow(window_) ||
        (message.hwnd != window_ && !::IsChild(window_, message.hwnd))) {
        return false;
    }
    // A disabled window (a modal dialog is up over it) takes no keys.
    if (!::IsWindowEnabled(window_)) {
        return false;
    }
    return ::TranslateAcceleratorA(window_, table_.Get(), &message) != 0;
}

} // namespace qv::win32
