#pragma once
// TfrmPrompt: the "Prompt On" check list of the script lines still to run.
#include "common/win32/ControlTable.h"
#include "common/win32/MessageLoop.h"
#include "common/win32/ModalWindow.h"
#include "common/win32/Owners.h"
#include "common/win32/WindowBase.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace qv::win32 {

inline constexpr const char* PromptFrmTitle = "Prompt On";
inline constexpr int PromptFrmWidth = 333; // outer size
inline constexpr int PromptFrmHeight = 269;
inline constexpr int PromptFrmStripHeight = 37;

class TfrmPrompt : public WindowBase, private MessageFilter {
  public:
    // Created hidden, centred on the screen, one unchecked entry per line.
    TfrmPrompt(MessageLoop& loop, HWND owner, const std::vector<std::string>& entries);
    ~TfrmPrompt() override;

    // The checked state of every entry when closed with "&Run"; nothing when cancelled or
    // closed. `blocked` (the progress window) takes no input meanwhile.
    std::optional<std::vector<bool>> ShowModal(HWND blocked);

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    bool PreTranslate(MSG& message) override;
    void Layout();
    void CheckAll(bool checked);
    void Finish(bool run);

    MessageLoop& loop_;
    HWND owner_;
    BlockedWindow blocked_;
    int dpi_ = 96;
    UniqueFont font_;
    std::size_t count_ = 0;
    std::optional<std::vector<bool>> result_;
};

} // namespace qv::win32
