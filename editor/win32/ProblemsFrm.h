#pragma once
// TfrmProblems, "Check Script": every line of the script that the interpreter would report,
// with its line number. Choosing one (Go To, a double-click or Enter) ends the dialog with that
// problem's index, and the main window focuses its row.
#include "common/win32/Form.h"
#include "editor/core/ScriptInsight.h"

#include <optional>
#include <vector>

namespace qv::win32 {

inline constexpr const char* ProblemsFrmTitle = "Check Script";

class TfrmProblems : public Dialog<std::optional<std::size_t>> {
  public:
    TfrmProblems(MessageLoop& loop, HWND owner, const std::vector<editor::ScriptProblem>& problems);
    ~TfrmProblems() override;

  protected:
    void OnCommand(int id, int code) override;

  private:
    void GoToClick();
};

// The line above the list: how many lines the interpreter would report.
std::string ProblemSummary(std::size_t count);

} // namespace qv::win32
