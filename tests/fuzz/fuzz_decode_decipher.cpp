#include "FuzzCipher.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string bytes = qv::DecodeText(text);
    if (bytes.size() > size)
        std::abort();
    const std::string plain = FuzzCipher().DecryptString(bytes);
    if (!plain.empty() && plain.size() > bytes.size() - 17) // a seed block and a byte of padding
        std::abort();
    // Whatever deciphers must encipher and decipher back to itself.
    if (!plain.empty() && FuzzCipher().DecryptString(FuzzCipher().EncryptString(plain, 7)) != plain)
        std::abort();
    if (qv::DecodeText(qv::EncodeText(text)) != text)
        std::abort();
    return 0;
}
