#include "interpreter/win32/services/Win32Ini.h"

#include "interpreter/win32/services/UserData.h"

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

bool Win32Ini::WriteIniString(const std::string& file, const std::string& section,
                              const std::string& key, const std::string& value) {
    // A file named without a folder lies in the Windows folder, which always exists.
    if (file.find('\\') != std::string::npos) {
        CreateFolderLevels(file);
    }
    return ::WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(),
                                        file.c_str()) != FALSE;
}

std::string Win32Ini::UserDataFolder() {
    return win32::UserDataFolder();
}

} // namespace qv::win32
