#pragma once
// TfrmConfigRun, "Run Dialog": the LOAD and LOAD AND WAIT lines. The model decides everything;
// the form copies its fields to the controls after each handler and back before it.
#include "common/win32/Form.h"
#include "editor/core/RunProgramModel.h"
#include "editor/win32/CommandSeams.h"
#include "editor/win32/DialogSupport.h"

#include <optional>
#include <string>
#include <string_view>

namespace qv::win32 {

class TfrmConfigRun : public CommandDialog {
  public:
    // Created hidden over `owner`; filled from `command` when a row is edited.
    TfrmConfigRun(MessageLoop& loop, HWND owner, editor::LinkReader& links,
                  std::optional<std::string_view> command);

    editor::RunProgramModel& Model() { return model_; }

  protected:
    void OnCommand(int id, int code) override;
    void OnActivated() override;

  private:
    void Pull();
    void Push();
    void Button1Click();

    editor::RunProgramModel model_;
    bool pushing_ = false;
    bool activated_ = false;
};

// Launch1Click: the add path; the line on OK.
std::optional<std::string> Launch1Click(CommandContext& context);
// EditRunProgram: the focused LOAD row rewritten on OK.
void EditRunProgram(CommandContext& context);

} // namespace qv::win32
