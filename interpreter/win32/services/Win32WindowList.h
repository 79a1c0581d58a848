#pragma once
// The window list over the real desktop: top-level windows in z-order, posted system commands,
// bringing a window to the front, and whether a window would take keys sent to it.
#include "interpreter/core/Services.h"

namespace qv::win32 {

class Win32WindowList : public interp::WindowListPort {
  public:
    std::vector<interp::WindowEntry> TopLevelWindows(bool visibleOnly) override;
    void PostSysCommand(std::uintptr_t handle, std::uint32_t command) override;
    bool BringWindowToFront(std::uintptr_t handle) override;
    bool IsForeground(std::uintptr_t handle) override;
    bool RunsAboveOwnLevel(std::uintptr_t handle) override;
};

} // namespace qv::win32
