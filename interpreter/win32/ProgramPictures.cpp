#include "interpreter/win32/ProgramPictures.h"

#include "common/win32/Dpi.h"
#include "common/win32/Icons.h"
#include "resources/ResourceIds.h"

#include <algorithm>

namespace qv::win32 {

void ProgramPictures::Load(int dpi) {
    size_ = Scale(32, dpi);
    program_ = LoadIconResource(QV_ICON_PROGRAM, size_);
    for (int frame = 0; frame < ClockFrames; ++frame) {
        clock_[static_cast<std::size_t>(frame)] =
            LoadIconResource(QV_ICON_CLOCK_FIRST + frame, size_);
    }
    printer_ = LoadIconResource(QV_ICON_NET_PRINTER, size_);
    drive_ = LoadIconResource(QV_ICON_NET_DRIVE, size_);
}

HICON ProgramPictures::Clock(int frame) const {
    return clock_[static_cast<std::size_t>(std::clamp(frame, 0, ClockFrames - 1))].Get();
}

HICON ProgramPictures::Network(int index) const {
    return index == 0 ? printer_.Get() : drive_.Get();
}

} // namespace qv::win32
