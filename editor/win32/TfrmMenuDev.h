#pragma once
// TfrmMenuDev, "Menu Developer": the menu a main script offers at run time, nine items of a
// caption and the script it runs, and the time-out after which the first item starts.
#include "common/win32/Form.h"
#include "editor/core/MenuLayoutModel.h"
#include "editor/win32/CommandSeams.h"
#include "editor/win32/DialogSupport.h"

namespace qv::win32 {

class TfrmMenuDev : public CommandDialog {
  public:
    TfrmMenuDev(MessageLoop& loop, HWND owner, const editor::MenuDialogValues& opening);

    editor::MenuLayoutModel& Model() { return model_; }

  protected:
    void OnCommand(int id, int code) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void Pull();
    void Push();
    void Button1Click();

    editor::MenuLayoutModel model_;
    bool pushing_ = false;
};

// The main window's menu button and a MENU SHOW row: the dialog over the document's menu
// entries; OK gives the document the new entries.
void MenuButtonClick(CommandContext& context);

} // namespace qv::win32
