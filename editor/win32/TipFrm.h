#pragma once
// TfrmTip, "Tip of the Day": one tip of "Tips.tod" at a time, from a random one on. Its result
// is the state of its "Show the Tips window next time" check box. Double-clicking the picture,
// the heading and "Did you know ...." in that order reveals &Save and &Delete, which edit the
// tips file.
#include "common/win32/Form.h"

#include <string>
#include <vector>

namespace qv::win32 {

inline constexpr const char* TipFrmTitle = "Tip of the Day";
inline constexpr const char* TipsFileName = "Tips.tod";
inline constexpr const char* NoTipsText =
    "No tips were found: the file Tips.tod is missing beside the program, or it is empty.";

// The tips of a file's text: one per line, blank lines left out.
std::vector<std::string> ParseTips(const std::string& text);

class TfrmTip : public Dialog<bool> {
  public:
    // Centred over `owner`; `showTips` ticks the check box; `tipsPath` is the tips file.
    TfrmTip(MessageLoop& loop, HWND owner, bool showTips, std::string tipsPath);
    ~TfrmTip() override;

    int CurrentTip() const { return current_; }

  protected:
    void OnCommand(int id, int code) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnDpiApplied() override;

  private:
    void ShowTip(int index);
    void NextClick();
    void SaveClick();
    void DeleteClick();
    bool WriteTips();
    void NoteDoubleClick(int id);
    void MakeFonts();

    std::string tipsPath_;
    std::vector<std::string> tips_;
    int current_ = -1;
    std::size_t gesture_ = 0;
    UniqueFont headingFont_;
    UniqueFont boldFont_;
};

} // namespace qv::win32
