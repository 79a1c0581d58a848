#pragma once

#include <windows.h>

#include <string>

namespace qv::win32 {

// The system's own text for an error code, without its line end; empty when it has none.
inline std::string SystemText(DWORD code) {
    char* text = nullptr;
    ::FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                         FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = text != nullptr ? text : "";
    if (text != nullptr) {
        ::LocalFree(text);
    }
    while (!message.empty() &&
           (message.back() == '\n' || message.back() == '\r' || message.back() == ' ')) {
        message.pop_back();
    }
    return message;
}

// The system's text for an error code, or "Error N." when it has none.
inline std::string SystemErrorText(DWORD code) {
    std::string message = SystemText(code);
    return message.empty() ? "Error " + std::to_string(code) + "." : message;
}

} // namespace qv::win32
