#pragma once
// The qvtool commands, with their streams passed in so that tests can run them in-process.
#include <iosfwd>
#include <string>
#include <vector>

namespace qv {

enum ExitCode : int {
    ExitOk = 0,
    ExitProblems = 1,     // check: the script has lines the interpreter would report
    ExitInvalidFile = 2,  // decompile: not a compiled script in either form
    ExitNewerVersion = 3, // decompile: written by a later version
    ExitUsage = 64,
    ExitNoInput = 66,
    ExitCannotWrite = 73,
};

int RunQvTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace qv
