#include "interpreter/logic/OpsSendKey.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

// A layout that knows every printable character, so the whole language is reached.
static qv::logic::KeyboardLayout Layout() {
    qv::logic::KeyboardLayout layout;
    layout.vkKeyScan = [](char c) -> std::int16_t {
        const auto u = static_cast<unsigned char>(c);
        if (u < 32 || u == 127)
            return -1;
        return static_cast<std::int16_t>(((u % 7) << 8) | (u & 0x7F));
    };
    layout.mapVirtualKey = [](std::uint32_t vk) -> std::uint32_t { return (vk * 37) & 0xE0FF; };
    return layout;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    static const qv::logic::KeyboardLayout layout = Layout();
    const bool tokensOnly = data[0] & 1;
    const std::string_view keys(reinterpret_cast<const char*>(data + 1), size - 1);
    std::size_t down = 0, up = 0;
    const qv::logic::SendResult result =
        qv::logic::SendKeyText(keys, layout, tokensOnly, [&](const qv::logic::KeyEvent& event) {
            (event.flags & qv::logic::KeyEventKeyUp ? up : down)++;
        });
    // Every key pressed is released again, fault or not.
    if (down != up)
        std::abort();
    if (result.fault.has_value() != qv::logic::KeyTextFault(keys, tokensOnly).has_value())
        std::abort();
    return 0;
}
