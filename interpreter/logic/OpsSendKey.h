#pragma once
// SENDKEYS and TSendKey's built-in sender: the line's two items, the key-text language and the
// key events it produces on a given keyboard layout.
#include "interpreter/logic/OpsEntry.h"
#include "language/Grammar.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv::logic {

struct SendKeysLine {
    std::string caption; // part of the target window's title, matched in any case
    std::string keys;    // the key text, at most 255 characters
};

// The two items of a trimmed SENDKEYS line; a missing item is empty.
SendKeysLine ParseSendKeysLine(std::string_view line);

struct NamedKey {
    std::string_view token;
    std::uint8_t virtualKey;
};

// The named keys in the order they are tried (SHIFT stands twice).
extern const std::array<NamedKey, 38> TokenTable;

// The virtual key of a token, compared upper-cased; first match wins.
std::optional<std::uint8_t> LookUpToken(std::string_view token);

inline constexpr std::string_view InvalidTokenFault = "Invalid token";
inline constexpr std::string_view NoClosingBracketsFault = "No Closing brackets";
// The target is not where the keys would go, so none is sent: a password must not reach
// whatever window happens to be in front, nor vanish into an elevated program.
inline constexpr std::string_view NotInFrontFault = "Window not in front";
inline constexpr std::string_view HigherLevelFault = "Window runs with higher rights";

inline constexpr std::uint32_t KeyEventExtendedKey = 1;
inline constexpr std::uint32_t KeyEventKeyUp = 2;

// One synthesised keyboard event, as keybd_event takes it.
struct KeyEvent {
    std::uint8_t virtualKey = 0;
    std::uint8_t scanCode = 0;
    std::uint32_t flags = 0; // KeyEventKeyUp, KeyEventExtendedKey
    bool operator==(const KeyEvent&) const = default;
};

// The current keyboard layout's answers.
struct KeyboardLayout {
    // VkKeyScan: key code in the low byte, shift state in the high byte (-1: no such key).
    std::function<std::int16_t(char)> vkKeyScan;
    // MapVirtualKey to a scan code.
    std::function<std::uint32_t(std::uint32_t)> mapVirtualKey;
};

struct SendResult {
    int result = 0;                   // 0 after sending, -1 for an empty key text
    std::optional<std::string> fault; // "Invalid token" or "No Closing brackets"
};

// Reads the key text and hands each event to `sink` as it is made, so the keys before a fault
// are sent. With `tokensOnly`, "@", "^" and "~" are typed instead of acting as modifiers.
SendResult SendKeyText(std::string_view keyText, const KeyboardLayout& layout, bool tokensOnly,
                       const std::function<void(const KeyEvent&)>& sink);

// The fault the key text meets, without sending anything.
std::optional<std::string> KeyTextFault(std::string_view keyText, bool tokensOnly = false);

// The keys a key text types: each character and each named key that is no modifier, up to a
// fault; the modifier marks and names add none.
std::size_t KeyCount(std::string_view keyText, bool tokensOnly = false);

// A SENDKEYS line as the run log shows it: the window and how many keys, never the keys
// themselves, which may be a password (SENDKEYS "Logon", 9 keys).
std::string SendKeysLogText(std::string_view line);

// The report entry of a faulty key text: the fault + " In Script File : " + the usual layout.
std::string SendKeysFaultEntry(std::string_view fault, const EntrySource& source);

} // namespace qv::logic
