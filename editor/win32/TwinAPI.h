#pragma once
// TwinAPI, in its captions "Close Program", "Minimize Program" and "Wait for Window": the CLOSE,
// MINIMIZE and WAIT FOR WINDOW lines, the title typed or chosen from the list of windows.
#include "common/win32/Form.h"
#include "editor/core/WindowTitleModel.h"
#include "editor/win32/CommandSeams.h"
#include "editor/win32/DialogSupport.h"

#include <optional>
#include <string_view>

namespace qv::win32 {

class TwinAPI : public CommandDialog {
  public:
    TwinAPI(MessageLoop& loop, HWND owner, editor::WindowCommand command,
            editor::WindowLister& windows, std::optional<std::string_view> command_line);

    editor::WindowTitleModel& Model() { return model_; }

  protected:
    void OnCommand(int id, int code) override;

  private:
    void FillList();
    void Push();

    editor::WindowTitleModel model_;
    bool pushing_ = false;
};

std::optional<std::string> WaitforWindow1Click(CommandContext& context);
std::optional<std::string> CloseProgram1Click(CommandContext& context);
std::optional<std::string> MinimizeProgram1Click(CommandContext& context);
void EditCloseScript(CommandContext& context);
void EditMinimizeScript(CommandContext& context);

} // namespace qv::win32
