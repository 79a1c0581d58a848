#include "interpreter/win32/services/Win32Services.h"

#include "common/win32/WindowBase.h"
#include "interpreter/win32/ControlIds.h"
#include "interpreter/win32/dialogs/MenuFrm.h"
#include "interpreter/win32/dialogs/ReplaceFrm.h"

namespace qv::win32 {

// A message-only window: it keeps the timer off the desktop's window list.
class Win32Services::MenuTimerWindow : public WindowBase {
  public:
    explicit MenuTimerWindow(std::function<void()>& handler) : handler_(handler) {
        RegisterWindowClass(ids::MenuTimerClass, nullptr, nullptr);
        CreateWindowOf(ids::MenuTimerClass, "", 0, 0, 0, 0, 0, 0, HWND_MESSAGE);
    }
    ~MenuTimerWindow() override { Destroy(); }

    void Start(int intervalMs) {
        ::SetTimer(Handle(), TimerId, static_cast<UINT>(intervalMs > 0 ? intervalMs : 1), nullptr);
    }
    void Stop() { ::KillTimer(Handle(), TimerId); }

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_TIMER && wParam == TimerId) {
            if (handler_) {
                handler_();
            }
            return 0;
        }
        return Default(message, wParam, lParam);
    }

  private:
    static constexpr UINT_PTR TimerId = 1;
    std::function<void()>& handler_;
};

Win32Services::Win32Services(MessageLoop& loop, HWND progressWindow, MachineCalls machine)
    : loop_(loop), progressWindow_(progressWindow), files_([this] { return OwnerWindow(); }),
      launcher_([this] { return OwnerWindow(); }), settings_(std::move(machine)),
      menuTimer_(std::make_unique<MenuTimerWindow>(menuTimerHandler_)) {}

HWND Win32Services::OwnerWindow() const {
    return ::IsWindow(progressWindow_) ? progressWindow_ : nullptr;
}

Win32Services::~Win32Services() {
    menuTimer_->Stop();
}

bool Win32Services::ShowMenu(logic::MenuModel& menu, bool quitHidden, bool promptMode) {
    HWND owner = OwnerWindow();
    TfrmMenu form(loop_, owner, menu, quitHidden, promptMode);
    if (!form.IsAlive()) {
        // No window to ask with: the default entry runs, as when the time-out runs out.
        return true;
    }
    shownMenu_ = &form;
    const bool ok = form.ShowModal(owner);
    shownMenu_ = nullptr;
    return ok;
}

void Win32Services::RefreshMenu(const logic::MenuModel&) {
    if (shownMenu_ != nullptr) {
        shownMenu_->Refresh();
    }
}

void Win32Services::CloseMenu() {
    if (shownMenu_ != nullptr) {
        shownMenu_->CloseWithOk();
    }
}

void Win32Services::StartMenuTimer(int intervalMs) {
    menuTimer_->Start(intervalMs);
}

void Win32Services::StopMenuTimer() {
    menuTimer_->Stop();
}

interp::WindowPoint Win32Services::ProgressWindowPosition() {
    RECT rect{};
    if (!::GetWindowRect(progressWindow_, &rect)) {
        return {};
    }
    return {rect.left, rect.top};
}

logic::ReplaceAnswer Win32Services::AskReplace(const logic::ReplaceQuestion& question) {
    HWND owner = OwnerWindow();
    TfrmReplace form(loop_, owner, question);
    return form.ShowModal(owner);
}

} // namespace qv::win32
