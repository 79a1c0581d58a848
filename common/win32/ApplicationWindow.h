#pragma once
// The hidden window that stands for the application: it carries the application's title and
// owns the program's windows. Owned windows get no task-bar button, so a program whose owner
// stays hidden shows none.
#include "common/win32/WindowBase.h"

namespace qv::win32 {

class ApplicationWindow : public WindowBase {
  public:
    ApplicationWindow(const char* title, HICON icon) {
        RegisterWindowClass(ClassName, icon, nullptr);
        CreateWindowOf(ClassName, title, WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 0, 0, 0,
                       nullptr);
    }
    ~ApplicationWindow() override { Destroy(); }

    static constexpr const char* ClassName = "TQvApplication";
};

} // namespace qv::win32
