#pragma once
// TfrmPrompt: the "Prompt On" check list of the script lines still to run.
#include "common/win32/Form.h"

#include <optional>
#include <string>
#include <vector>

namespace qv::win32 {

inline constexpr const char* PromptFrmTitle = "Prompt On";
inline constexpr int PromptFrmWidth = 333; // outer size
inline constexpr int PromptFrmHeight = 269;
inline constexpr int PromptFrmStripHeight = 37;

// The checked state of every entry when closed with "&Run"; nothing when cancelled or closed.
using PromptResult = std::optional<std::vector<bool>>;

class TfrmPrompt : public Dialog<PromptResult> {
  public:
    // Created hidden, centred on the screen, one unchecked entry per line.
    TfrmPrompt(MessageLoop& loop, HWND owner, const std::vector<std::string>& entries);

  protected:
    void OnCommand(int id, int code) override;
    void OnActivated() override;
    void OnDpiApplied() override { Layout(); }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void Layout();
};

} // namespace qv::win32
