#pragma once
// TfrmError: the "Error Log" dialog that shows the run's error report at its end.
#include "common/win32/ControlTable.h"
#include "common/win32/MessageLoop.h"
#include "common/win32/ModalWindow.h"
#include "common/win32/Owners.h"
#include "common/win32/WindowBase.h"

#include <string>

namespace qv::win32 {

inline constexpr const char* ErrorFrmTitle = "Error Log";
inline constexpr int ErrorFrmClientWidth = 409;
inline constexpr int ErrorFrmClientHeight = 345;

class TfrmError : public WindowBase, private MessageFilter {
  public:
    // Created hidden, centred on the screen, with `text` in Edit1.
    TfrmError(MessageLoop& loop, HWND owner, const std::string& text);
    ~TfrmError() override;

    // Shows the dialog and returns when it has been closed (or the application ends).
    // `blocked` (the progress window) takes no input meanwhile.
    void ShowModal(HWND blocked);

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    bool PreTranslate(MSG& message) override;
    void ApplyDpi(int dpi, bool centre);

    MessageLoop& loop_;
    HWND owner_;
    BlockedWindow blocked_;
    int dpi_ = 96;
    UniqueFont font_;
    bool longReport_ = false;
};

} // namespace qv::win32
