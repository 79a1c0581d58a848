#include "interpreter/core/WindowsList.h"

namespace qv::interp {

namespace {

constexpr std::size_t MaxTitleLength = 255;

} // namespace

std::uintptr_t TWindowsList::Handles(std::size_t index) const {
    return index < handles_.size() ? handles_[index] : 0;
}

void TWindowsList::Fill(bool visibleOnly) {
    WindowList.clear();
    handles_.clear();
    for (const WindowEntry& window : port_.TopLevelWindows(visibleOnly)) {
        if (window.title.empty() && !AcceptEmptyNames)
            continue;
        WindowList.push_back(window.title.substr(0, MaxTitleLength));
        handles_.push_back(window.handle);
    }
}

} // namespace qv::interp
