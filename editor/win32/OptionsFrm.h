#pragma once
// TfrmOptions, "Options": the start-up Run values of the interpreter and the internet add-in,
// the file associations, the recent-file list and the shaded title bar on the "General" page;
// the add-in's explanation, start-up box and Load and Unload buttons on the "Netlyre" page. The
// decisions are the model's (editor/core/Options.h, FileTypes.h).
#include "common/win32/Form.h"
#include "common/win32/Owners.h"
#include "editor/core/Options.h"

namespace qv::win32 {

class TfrmOptions : public Dialog<bool> {
  public:
    // Centred on the screen; Clear empties the recent files of `document`. The result is true
    // when OK closed the dialog.
    TfrmOptions(MessageLoop& loop, HWND owner, editor::InstallPorts ports,
                editor::ScriptDocument& document);
    ~TfrmOptions() override;

    // The page shown: 0 "General", 1 "Netlyre".
    void ShowPage(int page);

  protected:
    void OnCommand(int id, int code) override;
    bool PreviewMessage(MSG& message) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void FormCreate();
    void PageColour();
    void OKClick();
    void SetFileClick();
    void ClearListClick();
    void LoadClick();
    void UnloadINTClick();
    void Timer1Timer();
    void HelpClick();

    editor::InstallPorts ports_;
    editor::OptionsModel model_;
    editor::ScriptDocument& document_;
    COLORREF pageColour_ = 0;
    UniqueBrush pageBrush_;
};

} // namespace qv::win32
