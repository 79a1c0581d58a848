#include "interpreter/win32/services/UserData.h"

#include <windows.h>

#include <shlobj.h>

namespace qv::win32 {

std::string UserDataFolder() {
    char folder[MAX_PATH] = {};
    if (FAILED(::SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0,
                                  folder)) ||
        folder[0] == '\0') {
        return {};
    }
    return std::string(folder) + "\\Quorvel\\";
}

void CreateFolderLevels(const std::string& filePath) {
    // From the top down, past the drive root (or the \\server\share of a network path).
    std::size_t from = filePath.rfind("\\\\", 0) == 0 ? filePath.find('\\', 2) : 2;
    if (from == std::string::npos) {
        return;
    }
    for (std::size_t slash = filePath.find('\\', from + 1); slash != std::string::npos;
         slash = filePath.find('\\', slash + 1)) {
        ::CreateDirectoryA(filePath.substr(0, slash).c_str(), nullptr);
    }
}

} // namespace qv::win32
