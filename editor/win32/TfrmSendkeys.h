#pragma once
// TfrmSendkeys, "Sendkeys to Program": the SENDKEYS line, a window title and the keys to send.
#include "common/win32/Form.h"
#include "editor/core/SendKeysModel.h"
#include "editor/win32/CommandSeams.h"
#include "editor/win32/DialogSupport.h"

#include <optional>
#include <string_view>

namespace qv::win32 {

class TfrmSendkeys : public CommandDialog {
  public:
    TfrmSendkeys(MessageLoop& loop, HWND owner, editor::WindowLister& windows,
                 std::optional<std::string_view> command);

    editor::SendKeysModel& Model() { return model_; }

  protected:
    void OnCommand(int id, int code) override;
    void OnActivated() override;

  private:
    void FillList();
    void Pull();
    void Button1Click();

    editor::SendKeysModel model_;
    bool activated_ = false;
};

std::optional<std::string> SendkeystoProgram1Click(CommandContext& context);
void EditSendkeys(CommandContext& context);

} // namespace qv::win32
