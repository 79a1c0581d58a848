#pragma once
// TfrmRunLog, "Run Log": this machine's interpreter run log, the file qvrun.exe appends to,
// read-only and opened at its end, where the newest run is.
#include "common/win32/Form.h"

#include <string>

namespace qv::win32 {

inline constexpr const char* RunLogFrmTitle = "Run Log";

// What the editor says when the log is not there yet.
std::string NoRunLogText(const std::string& path);

class TfrmRunLog : public Dialog<bool> {
  public:
    TfrmRunLog(MessageLoop& loop, HWND owner, const std::string& path, std::string text);
    ~TfrmRunLog() override;

  protected:
    void OnCommand(int id, int code) override;
    void OnDpiApplied() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void Layout();
};

} // namespace qv::win32
