#pragma once
// TfrmAbout: the product's name, its version and picture, and OK.
#include "common/win32/Form.h"

namespace qv::win32 {

inline constexpr const char* AboutFrmTitle = "About Quorvel Developer";

class TfrmAbout : public Dialog<bool> {
  public:
    TfrmAbout(MessageLoop& loop, HWND owner);
    ~TfrmAbout() override;

  protected:
    void OnCommand(int id, int code) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnDpiApplied() override;

  private:
    UniqueFont productFont_;
};

} // namespace qv::win32
