#pragma once
// Key events into the system's input stream, the current layout's key codes, and the optional
// outside keystroke library.
#include "common/win32/Owners.h"
#include "interpreter/core/Services.h"

namespace qv::win32 {

inline constexpr const char* KeyLibraryName = "FW32SNDKEY.Dll";

class Win32Keyboard : public interp::KeyboardPort {
  public:
    void SendKeyEvents(const std::vector<logic::KeyEvent>& events) override;
    std::int16_t KeyScan(char c) override;
    std::uint32_t ScanCodeOf(std::uint32_t virtualKey) override;
    bool LoadKeyLibrary() override;
    int CallKeyLibrary(const std::string& keyText) override;

  private:
    // The library's entry takes a length-prefixed text of at most 255 characters.
    using KeyFunction = int (*)(const unsigned char* keyText);

    bool libraryTried_ = false;
    UniqueModule library_;
    KeyFunction send_ = nullptr;
};

} // namespace qv::win32
