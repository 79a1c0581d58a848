#include "interpreter/win32/Icons.h"

#include "common/win32/Dpi.h"
#include "resources/ResourceIds.h"

#include <shellapi.h>

#include <algorithm>

namespace qv::win32 {
namespace {

UniqueIcon LoadSized(int id, int size) {
    return UniqueIcon(
        static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id),
                                        IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

} // namespace

void ProgramPictures::Load(int dpi) {
    size_ = Scale(32, dpi);
    program_ = LoadSized(QV_ICON_PROGRAM, size_);
    for (int frame = 0; frame < ClockFrames; ++frame) {
        clock_[static_cast<std::size_t>(frame)] = LoadSized(QV_ICON_CLOCK_FIRST + frame, size_);
    }
    printer_ = LoadSized(QV_ICON_NET_PRINTER, size_);
    drive_ = LoadSized(QV_ICON_NET_DRIVE, size_);
}

HICON ProgramPictures::Clock(int frame) const {
    return clock_[static_cast<std::size_t>(std::clamp(frame, 0, ClockFrames - 1))].Get();
}

HICON ProgramPictures::Network(int index) const {
    return index == 0 ? printer_.Get() : drive_.Get();
}

HICON LoadProgramIcon(int cx, int cy) {
    // Shared: a window class keeps using it for the whole run.
    return static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr),
                                           MAKEINTRESOURCEA(QV_ICON_PROGRAM), IMAGE_ICON, cx, cy,
                                           LR_DEFAULTCOLOR | LR_SHARED));
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
