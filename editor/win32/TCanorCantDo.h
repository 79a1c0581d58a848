#pragma once
// TCanorCantDo, "Enable & Disable": the ENABLE and DISABLE lines of the user's keys.
#include "common/win32/Form.h"
#include "editor/core/EnableDisableModel.h"
#include "editor/win32/CommandSeams.h"
#include "editor/win32/DialogSupport.h"

#include <optional>
#include <string_view>

namespace qv::win32 {

class TCanorCantDo : public CommandDialog {
  public:
    TCanorCantDo(MessageLoop& loop, HWND owner, std::optional<std::string_view> command);

    editor::EnableDisableModel& Model() { return model_; }

  protected:
    void OnCommand(int id, int code) override;

  private:
    void Pull();
    void Push();

    editor::EnableDisableModel model_;
};

std::optional<std::string> EnableDisable1Click(CommandContext& context);
void EditEnableDisable(CommandContext& context);

} // namespace qv::win32
