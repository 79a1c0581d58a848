#include "language/CompiledScript.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const std::string plain = qv::LegacyDecode(line);
    if (plain.size() != (size ? size - 1 : 0))
        std::abort();
    const qv::LineList elements = qv::SplitScript(plain);
    if (elements.empty())
        std::abort();
    const qv::HeaderCheckResult check = qv::CheckHeader(elements);
    if (check.status == qv::HeaderStatus::NewerVersion && check.version <= qv::ScriptFormatVersion)
        std::abort();
    return 0;
}
