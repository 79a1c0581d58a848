#include "FuzzCipher.h"

#include "language/CompiledScript.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    const qv::ReadResult result = qv::ReadCompiledScript(file, FuzzCipher());
    if (result.status == qv::ReadResult::Status::Ok) {
        if (result.lines.empty() || result.lines[0].find("Dev2378") == std::string::npos)
            std::abort();
    } else if (!result.lines.empty()) {
        std::abort();
    }
    return 0;
}
