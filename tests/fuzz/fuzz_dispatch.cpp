#include "interpreter/whatif/WhatIf.h"
#include "language/CompiledScript.h"
#include "language/Diamond.h"
#include "language/Text.h"

#include <cstdint>
#include <sstream>
#include <string_view>

// Every command's argument parsing and handler, through the real runner and dispatch with the
// what-if host: the input's lines become a compiled script that runs without a user.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const qv::TDiamond* cipher = new qv::TDiamond(qv::ScriptKey);
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    qv::whatif::Options options;
    options.script = "C:\\FUZZ\\SCRIPT.QVC";
    options.at = {2026, 12, 9, 8, 0, 0, 0, 3};
    options.virtualLimitMs = 60 * 1000;
    options.scriptBytes = qv::CompileScriptText(qv::SplitLines(text), *cipher);
    std::ostringstream out;
    qv::whatif::RunWhatIf(options, out);
    return 0;
}
