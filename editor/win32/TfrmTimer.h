#pragma once
// TfrmTimer, "Timer": the WAIT line, its seconds from 0.5 to 60.0 in steps of 0.5.
#include "common/win32/Form.h"
#include "editor/core/TimerModel.h"
#include "editor/win32/CommandSeams.h"
#include "editor/win32/DialogSupport.h"

#include <optional>
#include <string_view>

namespace qv::win32 {

class TfrmTimer : public CommandDialog {
  public:
    TfrmTimer(MessageLoop& loop, HWND owner, std::optional<std::string_view> command);

    editor::TimerModel& Model() { return model_; }

  protected:
    void OnCommand(int id, int code) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    // The typed value, as the spin box takes it when it is left or OK is pressed.
    void Pull();
    void Push();

    editor::TimerModel model_;
};

std::optional<std::string> Wait1Click(CommandContext& context);
// EditWait: the timer for a WAIT or WAIT FOR LOAD row, the window dialog for WAIT FOR WINDOW.
void EditWait(CommandContext& context);

} // namespace qv::win32
