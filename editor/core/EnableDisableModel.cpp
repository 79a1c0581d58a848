#include "editor/core/EnableDisableModel.h"

#include "editor/core/RowKinds.h"
#include "editor/core/ScriptDocument.h"
#include "language/Grammar.h"
#include "language/Text.h"

namespace qv::editor {

void EnableDisableModel::FromLine(std::string_view command) {
    const std::string line = Trim(command);
    // The word is found anywhere, so a bare DISABLE (no key, no blank) opens as Disable.
    Enable = Contains(UpperCase(line), Trim(KeywordText(Keyword::Enable)));
    const LockFields keys = ParseLock(line);
    F5 = keys.f5;
    F8 = keys.f8;
    QUIT = keys.quit;
}

std::string EnableDisableModel::BuildLine() const {
    return BuildLock({Enable ? Keyword::Enable : Keyword::Disable, F5, F8, QUIT});
}

void EnableDisableModel::ApplyOk(ScriptDocument& doc, DialogUse use) const {
    const std::string line = BuildLine();
    if (use == DialogUse::Add) {
        doc.AddLine(line);
        return;
    }
    const BuiltInIcon icon = Enable ? BuiltInIcon::Enable : BuiltInIcon::Disable;
    doc.SetFocusedRowIcon({IconRequest::Kind::BuiltIn, "", static_cast<int>(icon)});
    doc.RewriteFocusedRow(line, ProperCase(line));
    doc.RefreshLines();
}

} // namespace qv::editor
