#pragma once
// TfrmMenu: the start-up menu of up to nine entries with its time-out text, shown modally over
// the menu model.
#include "common/win32/MessageLoop.h"
#include "common/win32/ModalWindow.h"
#include "common/win32/Owners.h"
#include "common/win32/WindowBase.h"
#include "interpreter/logic/CtlMenu.h"

namespace qv::win32 {

inline constexpr const char* MenuFrmTitle = "Menu";
inline constexpr int MenuFrmClientWidth = 282;
inline constexpr int MenuFrmClientHeight = 227;

class TfrmMenu : public WindowBase, private MessageFilter {
  public:
    // Created hidden, centred on the screen, showing the model's entries and time-out text.
    // Without `quitHidden` "&Quit Script" is there and the close box counts as it.
    TfrmMenu(MessageLoop& loop, HWND owner, logic::MenuModel& menu, bool quitHidden,
             bool promptMode);
    ~TfrmMenu() override;

    // True for "&Ok" (or CloseWithOk), false for "&Quit Script" or the close box. `blocked`
    // takes no input meanwhile.
    bool ShowModal(HWND blocked);
    // Shows the model's texts again.
    void Refresh();
    void CloseWithOk() { Finish(true); }

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    bool PreTranslate(MSG& message) override;
    void Finish(bool ok);
    void ShowTimeOut();

    MessageLoop& loop_;
    logic::MenuModel& menu_;
    bool quitHidden_;
    bool promptMode_;
    BlockedWindow blocked_;
    int dpi_ = 96;
    UniqueFont font_;
    UniqueFont groupFont_;
    bool ok_ = false;
};

} // namespace qv::win32
