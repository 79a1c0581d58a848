#pragma once
// TfrmWhatIf, "What if...": the moment, user and computer of a logon, the answer to the
// prompts and the menu entry chosen, and the report of the what-if run of the script as it
// stands in the editor. Nothing is started, copied or changed.
#include "common/win32/Form.h"
#include "editor/core/ScriptInsight.h"

namespace qv::win32 {

inline constexpr const char* WhatIfFrmTitle = "What if...";

class TfrmWhatIf : public Dialog<bool> {
  public:
    // Opens with `fields` and their report shown.
    // The interpreter's run-once records of this machine are read, never written.
    TfrmWhatIf(MessageLoop& loop, HWND owner, const editor::ScriptDocument& document,
               const editor::WhatIfFields& fields);
    ~TfrmWhatIf() override;

    editor::WhatIfFields Fields() const;

  protected:
    void OnCommand(int id, int code) override;

  private:
    void RunClick();

    const editor::ScriptDocument& document_;
};

} // namespace qv::win32
