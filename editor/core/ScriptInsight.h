#pragma once
// What the editor knows of a script before any user runs it: the lines the interpreter would
// report, found with the interpreter's own check rules while the script is written, and the
// what-if run of the script as it stands, through the real interpreter core with a host that
// changes nothing.
#include "editor/core/ScriptDocument.h"
#include "interpreter/core/Host.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace qv::editor {

// A line of the script text (as Save writes it) that the interpreter would report.
struct ScriptProblem {
    int line = 0;        // 1-based
    int row = -1;        // the row holding it; -1 for a line of the menu block
    std::string message; // the check's own text ("Invalid Command (200)")
    std::string text;    // the line
};

// "Line 4: Invalid Command (200): 'bogus line'", as the problem list shows a problem.
std::string ProblemListText(const ScriptProblem& problem);

// Keeps each line's verdict by its text, so that checking again after an edit looks only at
// lines it has not seen: a script of thousands of rows is checked whole at every change.
class ScriptChecker {
  public:
    // Checks the document's menu block and rows as they stand; true when the set of rows with a
    // problem, or a row's problem, changed.
    bool Check(const ScriptDocument& document);
    // The problem of row `index` at the last check; null for a row without one and the end row.
    const std::string* RowProblem(std::size_t index) const;
    // Every problem of the last check, in line order.
    std::vector<ScriptProblem> Problems(const ScriptDocument& document) const;
    std::size_t ProblemCount() const { return problemCount_; }

  private:
    using Verdict = std::optional<std::string>;
    const Verdict* Lookup(const std::string& line);

    std::unordered_map<std::string, Verdict> known_;
    std::vector<const Verdict*> block_; // the menu block's lines
    std::vector<const Verdict*> rows_;  // the rows before the end row
    std::size_t problemCount_ = 0;
};

// The fields of the "What if..." dialog.
inline constexpr std::array<const char*, 3> WhatIfAnswers = {"Yes", "No", "Cancel"};
inline constexpr const char* MenuDefaultEntry = "The menu's own";
inline constexpr int WhatIfMenuEntries = 9;

struct WhatIfFields {
    std::string moment; // "YYYY-MM-DD HH:MM"
    std::string user;
    std::string computer;
    int answer = 0;    // index into WhatIfAnswers
    int menuEntry = 0; // 0: the menu's own default entry; else 1 to 9
};

WhatIfFields WhatIfDefaults(const interp::DateTime& now, std::string user, std::string computer);
// Why the fields cannot run; nothing when they can.
std::optional<std::string> CheckWhatIfFields(const WhatIfFields& fields);

// The what-if run of the script as Save would write and compile it now, saved or not, under
// the name of its compiled file: one line per command, then the error report, exactly as
// "qvtool run" prints it for the saved file. Scripts it calls are read from disk, and so are
// this machine's once-a-day records when `thisMachinesRunOnceRecords` asks for them; nothing is
// written. The fields must have passed CheckWhatIfFields.
std::string WhatIfReport(const ScriptDocument& document, const WhatIfFields& fields,
                         bool thisMachinesRunOnceRecords = false);

} // namespace qv::editor
