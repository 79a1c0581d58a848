#include "common/win32/Icons.h"

#include "resources/ResourceIds.h"

#include <shellapi.h>

#include <algorithm>

namespace qv::win32 {

UniqueIcon LoadIconResource(int id, int size) {
    return UniqueIcon(
        static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id),
                                        IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

HICON LoadProgramIcon(int cx, int cy) {
    return static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr),
                                           MAKEINTRESOURCEA(QV_ICON_PROGRAM), IMAGE_ICON, cx, cy,
                                           LR_DEFAULTCOLOR | LR_SHARED));
}

HICON ProgramClassIcon() {
    return LoadProgramIcon(::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON));
}

UniqueIcon AssociatedIcon(const std::string& path) {
    SHFILEINFOA info{};
    if (::SHGetFileInfoA(path.c_str(), 0, &info, sizeof(info), SHGFI_ICON | SHGFI_LARGEICON) != 0 &&
        info.hIcon != nullptr) {
        return UniqueIcon(info.hIcon);
    }
    return UniqueIcon();
}

UniqueIcon IconFromFile(const std::string& path, int index) {
    HICON icon = ::ExtractIconA(::GetModuleHandleA(nullptr), path.c_str(),
                                static_cast<UINT>(std::max(index, 0)));
    // ExtractIcon answers 1 for a file that is no icon source at all.
    if (icon == reinterpret_cast<HICON>(1)) {
        return UniqueIcon();
    }
    return UniqueIcon(icon);
}

} // namespace qv::win32
