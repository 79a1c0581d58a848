#pragma once
// TfrmDate, "Date Selector": the DATE line, a day chosen on a month calendar or "Goto Today".
#include "common/win32/Form.h"
#include "editor/core/DateModel.h"
#include "editor/win32/CommandSeams.h"
#include "editor/win32/DialogSupport.h"

#include <optional>
#include <string>
#include <string_view>

namespace qv::win32 {

// The editing machine's calendar and its locale's formats.
class Win32Dates : public editor::DatePort {
  public:
    logic::CivilDate Today() override;
    std::string ShortDateFormat() override;
    std::string LongMonthName(int month) override;
};

class TfrmDate : public CommandDialog {
  public:
    TfrmDate(MessageLoop& loop, HWND owner, editor::DatePort& dates,
             std::optional<std::string_view> command);

    editor::DateModel& Model() { return model_; }
    // Why an edited row's date cannot be shown; the dialog is then not to be opened.
    const std::optional<std::string>& Refusal() const { return refusal_; }

  protected:
    void OnCommand(int id, int code) override;
    void OnActivated() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void Push();

    editor::DateModel model_;
    std::optional<std::string> refusal_;
    bool pushing_ = false;
};

std::optional<std::string> ChangeSystemDate2Click(CommandContext& context);
void EditDate(CommandContext& context);

} // namespace qv::win32
