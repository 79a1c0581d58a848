#pragma once
// TfrmError: the "Error Log" dialog that shows the run's error report at its end.
#include "common/win32/Form.h"

#include <string>

namespace qv::win32 {

inline constexpr const char* ErrorFrmTitle = "Error Log";
inline constexpr int ErrorFrmClientWidth = 409;
inline constexpr int ErrorFrmClientHeight = 345;

class TfrmError : public Form {
  public:
    // Created hidden, centred on the screen, with `text` in Edit1.
    TfrmError(MessageLoop& loop, HWND owner, const std::string& text);

    // Shows the dialog and returns when it has been closed (or the application ends).
    // `blocked` (the progress window) takes no input meanwhile.
    void ShowModal(HWND blocked);

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

} // namespace qv::win32
