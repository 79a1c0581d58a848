#include "interpreter/win32/services/Win32Keyboard.h"

#include "common/win32/ProgramFolder.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace qv::win32 {

void Win32Keyboard::SendKeyEvents(const std::vector<logic::KeyEvent>& events) {
    std::vector<INPUT> inputs(events.size());
    for (std::size_t i = 0; i < events.size(); ++i) {
        INPUT& input = inputs[i];
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = events[i].virtualKey;
        input.ki.wScan = events[i].scanCode;
        // The event's flag bits are the system's own (1 extended, 2 key up).
        input.ki.dwFlags = events[i].flags & (KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP);
    }
    if (!inputs.empty()) {
        ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    }
}

std::int16_t Win32Keyboard::KeyScan(char c) {
    return static_cast<std::int16_t>(::VkKeyScanA(c));
}

std::uint32_t Win32Keyboard::ScanCodeOf(std::uint32_t virtualKey) {
    return ::MapVirtualKeyA(virtualKey, 0);
}

bool Win32Keyboard::LoadKeyLibrary() {
    if (!libraryTried_) {
        libraryTried_ = true;
        // By its full path beside the program: a bare name would be looked for in folders a
        // user may write to. Its own dependencies come from its folder or the system's.
        const std::string path = ProgramFolder() + KeyLibraryName;
        library_.Reset(
            ::LoadLibraryExA(path.c_str(), nullptr,
                             LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32));
        if (library_) {
            send_ = reinterpret_cast<KeyFunction>(
                reinterpret_cast<void*>(::GetProcAddress(library_.Get(), MAKEINTRESOURCEA(1))));
            if (send_ == nullptr) {
                library_.Reset();
            }
        }
    }
    return send_ != nullptr;
}

int Win32Keyboard::CallKeyLibrary(const std::string& keyText) {
    if (!LoadKeyLibrary()) {
        return -1;
    }
    std::array<unsigned char, 256> text{};
    const std::size_t length = std::min<std::size_t>(keyText.size(), 255);
    text[0] = static_cast<unsigned char>(length);
    std::memcpy(text.data() + 1, keyText.data(), length);
    return send_(text.data());
}

} // namespace qv::win32
