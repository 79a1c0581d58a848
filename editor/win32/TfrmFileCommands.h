#pragma once
// TfrmFileCommands: the COPY, RENAME and DEL lines in the modes "Copy", "Rename" and "Delete".
// The model lays the form out (caption, groups, shown boxes, height, button row) and decides
// every rule; the form copies its fields to the controls after each handler and back before it.
#include "common/win32/Form.h"
#include "editor/core/FileCommandModel.h"
#include "editor/win32/CommandSeams.h"
#include "editor/win32/DialogSupport.h"

#include <optional>
#include <string>
#include <string_view>

namespace qv::win32 {

class TfrmFileCommands : public CommandDialog {
  public:
    // Created hidden over `owner` in `mode`; filled from `command` when a row is edited.
    TfrmFileCommands(MessageLoop& loop, HWND owner, editor::FileCommandMode mode,
                     editor::PathProbe& paths, std::optional<std::string_view> command);

    editor::FileCommandModel& Model() { return model_; }

  protected:
    void OnCommand(int id, int code) override;
    void OnDpiApplied() override { Push(); }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void Pull();
    void Push();
    void Browse(int box);

    editor::FileCommandModel model_;
    bool pushing_ = false;
};

// Copy2Click, Rename1Click, DeleteFile1Click: the add paths; the line on OK.
std::optional<std::string> Copy2Click(CommandContext& context);
std::optional<std::string> Rename1Click(CommandContext& context);
std::optional<std::string> DeleteFile1Click(CommandContext& context);
// EditCopy, EditRename, EditDelete: the focused row's command rewritten on OK, its title kept.
void EditCopy(CommandContext& context);
void EditRename(CommandContext& context);
void EditDelete(CommandContext& context);

} // namespace qv::win32
