#include "editor/core/DialogApply.h"

#include "editor/core/ScriptDocument.h"

namespace qv::editor {

void ApplyLineKeepingTitle(ScriptDocument& doc, DialogUse use, std::string_view line) {
    if (use == DialogUse::Add) {
        doc.AddLine(line);
        return;
    }
    const int focused = doc.FocusedRow();
    if (focused >= 0 && focused < static_cast<int>(doc.CommandCount()))
        doc.RewriteFocusedRow(line, doc.Rows()[focused].Title);
}

} // namespace qv::editor
