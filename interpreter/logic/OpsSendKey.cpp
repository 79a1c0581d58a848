#include "interpreter/logic/OpsSendKey.h"

#include "language/Text.h"

#include <algorithm>
#include <utility>

namespace qv::logic {

namespace {

bool IsExtendedKey(std::uint8_t key, std::uint32_t scan) {
    // Only keys of the extended cluster carry the flag; testing the scan code's low byte for
    // the bits 0xE0 instead flagged Alt, Shift and most letters, and Alt then arrived as the
    // right-hand Alt (AltGr on many layouts), typing characters instead of opening menus.
    const std::uint32_t prefix = scan >> 8;
    if (prefix == 0xE0 || prefix == 0xE1)
        return true;
    switch (key) {
    case 33: // Page Up
    case 34: // Page Down
    case 35: // End
    case 36: // Home
    case 37: // arrows
    case 38:
    case 39:
    case 40:
    case 44:  // Print Screen
    case 45:  // Insert
    case 46:  // Delete
    case 91:  // left Windows key
    case 92:  // right Windows key
    case 93:  // application key
    case 111: // numeric pad divide
    case 144: // Num Lock
    case 163: // right Ctrl
    case 165: // right Alt
        return true;
    default:
        return false;
    }
}

constexpr std::size_t MaxKeyText = 255;
constexpr std::size_t MaxTokenLength = 7;
constexpr std::uint8_t VkShift = 16;
constexpr std::uint8_t VkControl = 17;
constexpr std::uint8_t VkMenu = 18;

struct PendingModifiers {
    bool alt = false;
    bool ctrl = false;
    bool shift = false;
    bool ctrlAlt = false;
};

class KeySender {
  public:
    KeySender(const KeyboardLayout& layout, const std::function<void(const KeyEvent&)>& sink)
        : layout_(layout), sink_(sink) {}

    PendingModifiers pending;

    void Type(char c) {
        const auto value =
            layout_.vkKeyScan ? static_cast<std::uint16_t>(layout_.vkKeyScan(c)) : 0xFFFFu;
        Press(static_cast<std::uint16_t>(value));
    }

    void Press(std::uint16_t value) {
        const auto key = static_cast<std::uint8_t>(value & 0xFF);
        const unsigned shiftState = (value >> 8) & 0xFF;
        switch (shiftState) {
        case 2:
            pending.ctrl = true;
            break;
        case 3:
            pending.ctrl = pending.shift = true;
            break;
        case 6:
            pending.ctrlAlt = true;
            break;
        case 7:
            pending.ctrlAlt = pending.shift = true;
            break;
        default:
            break;
        }
        if (pending.alt)
            Event(VkMenu, false);
        if (pending.ctrl)
            Event(VkControl, false);
        if (pending.shift)
            Event(VkShift, false);
        if (pending.ctrlAlt) {
            Event(VkControl, false);
            Event(VkMenu, false);
        }
        const bool extraShift = ((shiftState & 1) != 0 && !pending.ctrl) || pending.shift;
        if (extraShift)
            Event(VkShift, false);
        Event(key, false);
        Event(key, true);
        if (extraShift)
            Event(VkShift, true);
        if (std::exchange(pending.shift, false))
            Event(VkShift, true);
        if (std::exchange(pending.ctrl, false))
            Event(VkControl, true);
        if (std::exchange(pending.alt, false))
            Event(VkMenu, true);
        if (std::exchange(pending.ctrlAlt, false)) {
            Event(VkControl, true);
            Event(VkMenu, true);
        }
    }

  private:
    void Event(std::uint8_t key, bool up) {
        const std::uint32_t scan = layout_.mapVirtualKey ? layout_.mapVirtualKey(key) : 0;
        KeyEvent event;
        event.virtualKey = key;
        event.scanCode = static_cast<std::uint8_t>(scan & 0xFF);
        event.flags =
            (up ? KeyEventKeyUp : 0) | (IsExtendedKey(key, scan) ? KeyEventExtendedKey : 0);
        if (sink_)
            sink_(event);
    }

    const KeyboardLayout& layout_;
    const std::function<void(const KeyEvent&)>& sink_;
};

} // namespace

const std::array<NamedKey, 38> TokenTable = {{
    {"CTRL", 17},  {"ALT", 18},    {"MENU", 18},   {"SHIFT", 16},  {"SPACE", 32}, {"F1", 112},
    {"F2", 113},   {"F3", 114},    {"F4", 115},    {"F5", 116},    {"HOME", 36},  {"PGUP", 33},
    {"L", 37},     {"F6", 117},    {"F7", 118},    {"F8", 119},    {"F9", 120},   {"F10", 121},
    {"F11", 122},  {"F12", 123},   {"INSERT", 45}, {"DELETE", 46}, {"DEL", 46},   {"END", 35},
    {"PGDN", 34},  {"R", 39},      {"TAB", 9},     {"ENTER", 13},  {"BKSP", 8},   {"PRTSC", 44},
    {"SHIFT", 16}, {"ESCAPE", 27}, {"ESC", 27},    {"UP", 38},     {"DOWN", 40},  {"LEFT", 37},
    {"RIGHT", 39}, {"DN", 40},
}};

SendKeysLine ParseSendKeysLine(std::string_view line) {
    const SendKeysFields fields = ParseSendKeys(line);
    return {fields.title, fields.keys.substr(0, MaxKeyText)};
}

std::optional<std::uint8_t> LookUpToken(std::string_view token) {
    const std::string upper = UpperCase(token);
    for (const NamedKey& key : TokenTable)
        if (key.token == upper)
            return key.virtualKey;
    return std::nullopt;
}

SendResult SendKeyText(std::string_view keyText, const KeyboardLayout& layout, bool tokensOnly,
                       const std::function<void(const KeyEvent&)>& sink) {
    SendResult outcome;
    if (keyText.empty()) {
        outcome.result = -1;
        return outcome;
    }
    KeySender sender(layout, sink);
    for (std::size_t i = 0; i < keyText.size(); ++i) {
        const char c = keyText[i];
        if (!tokensOnly && c == '@') {
            sender.pending.alt = true;
        } else if (!tokensOnly && c == '^') {
            sender.pending.ctrl = true;
        } else if (!tokensOnly && c == '~') {
            sender.pending.shift = true;
        } else if (c == '{' && keyText.size() > 1) {
            const std::size_t close = keyText.find('}', i + 1);
            if (close == std::string_view::npos || close - i - 1 > MaxTokenLength) {
                outcome.fault = std::string(NoClosingBracketsFault);
                return outcome;
            }
            const std::string_view token = keyText.substr(i + 1, close - i - 1);
            const std::optional<std::uint8_t> key = LookUpToken(token);
            if (!key) {
                outcome.fault = std::string(InvalidTokenFault);
                return outcome;
            }
            // Written in lower case, a modifier's name presses the key itself.
            if (Contains(token, "ALT"))
                sender.pending.alt = true;
            else if (Contains(token, "CTRL"))
                sender.pending.ctrl = true;
            else if (Contains(token, "SHIFT"))
                sender.pending.shift = true;
            else
                sender.Press(*key);
            i = close;
        } else if (c == '}' && keyText.size() > 1) {
            outcome.fault = std::string(InvalidTokenFault);
            return outcome;
        } else {
            sender.Type(c);
        }
    }
    return outcome;
}

std::optional<std::string> KeyTextFault(std::string_view keyText, bool tokensOnly) {
    return SendKeyText(keyText, KeyboardLayout{}, tokensOnly, nullptr).fault;
}

std::size_t KeyCount(std::string_view keyText, bool tokensOnly) {
    std::size_t keys = 0;
    SendKeyText(keyText, KeyboardLayout{}, tokensOnly, [&keys](const KeyEvent& event) {
        const bool modifier = event.virtualKey == VkShift || event.virtualKey == VkControl ||
                              event.virtualKey == VkMenu;
        if ((event.flags & KeyEventKeyUp) != 0 && !modifier)
            ++keys;
    });
    return keys;
}

std::string SendKeysLogText(std::string_view line) {
    const SendKeysLine request = ParseSendKeysLine(line);
    const std::size_t keys = KeyCount(request.keys);
    return "SENDKEYS \"" + request.caption + "\", " + std::to_string(keys) +
           (keys == 1 ? " key" : " keys");
}

std::string SendKeysFaultEntry(std::string_view fault, const EntrySource& source) {
    return FormatErrorEntry(std::string(fault) + std::string(InScriptFileSuffix), source);
}

} // namespace qv::logic
