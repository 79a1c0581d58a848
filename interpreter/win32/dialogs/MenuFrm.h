#pragma once
// TfrmMenu: the start-up menu of up to nine entries with its time-out text, shown modally over
// the menu model.
#include "common/win32/Form.h"
#include "interpreter/logic/CtlMenu.h"

namespace qv::win32 {

inline constexpr const char* MenuFrmTitle = "Menu";
inline constexpr int MenuFrmClientWidth = 282;
inline constexpr int MenuFrmClientHeight = 227;

// True for "&Ok" (or CloseWithOk), false for "&Quit Script" or the close box.
class TfrmMenu : public Dialog<bool> {
  public:
    // Created hidden, centred on the screen, showing the model's entries and time-out text.
    // Without `quitHidden` "&Quit Script" is there and the close box counts as it.
    TfrmMenu(MessageLoop& loop, HWND owner, logic::MenuModel& menu, bool quitHidden,
             bool promptMode);

    // Shows the model's texts again.
    void Refresh();
    void CloseWithOk() { Finish(true); }

  protected:
    void OnCommand(int id, int code) override;
    bool PreviewMessage(MSG& message) override;
    void OnDpiApplied() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void ShowTimeOut();

    logic::MenuModel& menu_;
    bool quitHidden_;
    bool promptMode_;
    UniqueFont groupFont_;
};

} // namespace qv::win32
