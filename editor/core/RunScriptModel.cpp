#include "editor/core/RunScriptModel.h"

#include "editor/core/RowKinds.h"
#include "editor/core/ScriptDocument.h"
#include "language/Grammar.h"
#include "language/Text.h"

namespace qv::editor {

void RunScriptModel::FromLine(std::string_view command) {
    FileName = Trim(ParseRun(Trim(command)).path);
}

std::string RunScriptModel::BuildLine() const {
    return BuildRun({FileName});
}

bool RunScriptModel::ApplyOk(ScriptDocument& doc, DialogUse use) const {
    if (Trim(FileName).empty())
        return false;
    const std::string line = BuildLine();
    if (use == DialogUse::Add)
        doc.AddLine(line);
    else
        doc.RewriteFocusedRow(line, RowTitle(RowKind::Run, line));
    return true;
}

} // namespace qv::editor
