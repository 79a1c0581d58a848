#pragma once
// The user-control locks set by the NO, ENABLE and DISABLE lines.
#include <optional>
#include <string_view>

namespace qv::logic {

// What the progress window's Cancel and Next buttons carry for the locks.
struct LockState {
    bool CancelEnabled = true; // off: Cancel, F5, Enter and Escape do nothing, closing is refused
    int CancelTag = 0;         // 1: F8 is switched off
    bool NextEnabled = true;
};

enum class LockLine { No, Enable, Disable };

// The kind of a control line, from its upper-cased trimmed text; nothing for other lines.
std::optional<LockLine> LockLineKind(std::string_view upperLine);

// The state after one control line; every one of F5, F8 and QUIT found in the line acts.
LockState ApplyLockLine(LockState state, LockLine kind, std::string_view line);

// The same, taking the kind from the line itself; other lines leave the state as it is.
LockState ApplyLockLine(LockState state, std::string_view line);

// F8 opens the prompt check list only while this holds.
bool F8Works(const LockState& state);

// Closing the window (system menu, Windows shutting down or logging off) is refused.
bool CloseRefused(const LockState& state);

// The menu window hides "&Quit Script" and refuses its close box.
bool MenuQuitHidden(const LockState& state);

} // namespace qv::logic
