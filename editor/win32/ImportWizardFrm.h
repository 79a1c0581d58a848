#pragma once
// TfrmMain, the import wizard "Quorvel Lite - Gathermoor": the start-up entries of the Startup
// folders and the Run keys to mark, and Finish, which moves the marked ones into the script.
// Every decision is the model's (editor/core/ImportWizard.h); the window copies its texts into
// the list and forwards the double-clicks and typed characters.
#include "common/win32/Form.h"
#include "editor/core/ImportWizard.h"

namespace qv::win32 {

class TfrmMain : public Dialog<bool> {
  public:
    // Centred over `owner`; Finish adds the imported lines to `document`. The result is true
    // (Yes) when Finish ended the wizard.
    TfrmMain(MessageLoop& loop, HWND owner, editor::InstallPorts ports,
             editor::ScriptDocument& document);
    ~TfrmMain() override;

    const editor::ImportWizard& Model() const { return model_; }

  protected:
    void OnCommand(int id, int code) override;
    bool PreviewMessage(MSG& message) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void FormCreate();
    void ListBox1DblClick();
    void ListBox1KeyPress(char key);
    void cmdFinishClick();
    void cmdHelpClick();
    // The model's selection taken from the list, which the user or a driver may have moved.
    void PullSelection();
    void ShowEntry(bool changed);

    editor::ImportWizard model_;
    editor::ScriptDocument& document_;
};

} // namespace qv::win32
