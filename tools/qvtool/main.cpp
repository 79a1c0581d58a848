#include "tools/qvtool/Commands.h"

#include <exception>
#include <iostream>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    // Texts such as the error report carry their own CR LF; text mode would double the CR.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::ios::sync_with_stdio(false);
    try {
        return qv::RunQvTool(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
    } catch (const std::exception& e) {
        std::cerr << "qvtool: " << e.what() << "\n";
        return 70;
    }
}
