#pragma once
// TSendKey: types a key text into the window that has the focus, with the built-in sender or,
// when UseDll is on and the library loads, the outside keystroke library. Keys go only to a
// target that is in front and not above the interpreter's own integrity level.
#include "interpreter/core/Services.h"

#include <cstdint>
#include <optional>
#include <string>

namespace qv::interp {

class TSendKey {
  public:
    explicit TSendKey(KeyboardPort& keyboard, WindowListPort& windows)
        : keyboard_(keyboard), windows_(windows) {}

    // Off in the interpreter.
    bool UseDll = false;
    // Shared by all instances; off in the interpreter: "@", "^" and "~" act as modifiers.
    static inline bool TokensOnly = false;

    struct Result {
        int value = 0; // 0 after sending, -1 for an empty key text
        // "Invalid token", "No Closing brackets", or why the target takes no keys.
        std::optional<std::string> fault;
    };

    // Makes a valid window the foreground window, then Send; sends nothing to a window that
    // stays behind another or runs at a higher integrity level.
    Result SendKeysTo(const std::string& keyText, std::uintptr_t window);
    // Types the key text as one burst of events (the keys before a fault included).
    Result Send(const std::string& keyText);

  private:
    KeyboardPort& keyboard_;
    WindowListPort& windows_;
    bool libraryTried_ = false;
    bool libraryLoaded_ = false;
};

} // namespace qv::interp
