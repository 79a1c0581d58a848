#include "tools/qvtool/Commands.h"

#include <exception>
#include <iostream>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    try {
        return qv::RunQvTool(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
    } catch (const std::exception& e) {
        std::cerr << "qvtool: " << e.what() << "\n";
        return 70;
    }
}
