#pragma once

#include <windows.h>

#include <string>

namespace qv::win32 {

// The full path of the running program; empty when it cannot be read.
inline std::string ProgramPath() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        if (path.size() >= 32768) {
            return {};
        }
        path.resize(path.size() * 2);
    }
}

// The folder of the running program, with its closing backslash; empty when it cannot be read.
inline std::string ProgramFolder() {
    const std::string path = ProgramPath();
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

} // namespace qv::win32
