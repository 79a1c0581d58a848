#include "interpreter/win32/services/Win32Ini.h"

#include <windows.h>

namespace qv::win32 {

std::string Win32Ini::ReadIniString(const std::string& file, const std::string& section,
                                    const std::string& key) {
    // The call says a value was cut by filling the buffer up to its last two characters.
    for (DWORD size = 256; size <= (1u << 20); size *= 4) {
        std::string value(size, '\0');
        const DWORD length = ::GetPrivateProfileStringA(section.c_str(), key.c_str(), "",
                                                        value.data(), size, file.c_str());
        if (length + 1 < size) {
            value.resize(length);
            return value;
        }
    }
    return {};
}

void Win32Ini::WriteIniString(const std::string& file, const std::string& section,
                              const std::string& key, const std::string& value) {
    ::WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str());
}

} // namespace qv::win32
