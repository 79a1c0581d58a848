#pragma once
// TSelWindow, "Locate Quorvel Window": the LOCATE line that places the interpreter's window.
#include "common/win32/Form.h"
#include "editor/core/LocateModel.h"
#include "editor/win32/CommandSeams.h"
#include "editor/win32/DialogSupport.h"

#include <optional>
#include <string_view>

namespace qv::win32 {

class TSelWindow : public CommandDialog {
  public:
    TSelWindow(MessageLoop& loop, HWND owner, std::optional<std::string_view> command);

    editor::LocateModel& Model() { return model_; }

  protected:
    void OnCommand(int id, int code) override;

  private:
    void Push();

    editor::LocateModel model_;
};

std::optional<std::string> ScriptWindowPosition1Click(CommandContext& context);
void EditLocate(CommandContext& context);

} // namespace qv::win32
