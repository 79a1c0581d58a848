#include "editor/core/SendKeysModel.h"

#include "editor/core/ScriptDocument.h"
#include "interpreter/logic/OpsSendKey.h"
#include "language/Grammar.h"
#include "language/Text.h"

namespace qv::editor {

SendKeysModel::SendKeysModel(WindowLister& windows) : windows_(windows) {
    RefreshClick();
}

void SendKeysModel::RefreshClick() {
    Listbox1Items = windows_.TopLevelTitles();
}

void SendKeysModel::FromLine(std::string_view command) {
    const SendKeysFields fields = ParseSendKeys(Trim(command));
    Listbox1 = fields.title;
    Memo1 = fields.keys;
    Edit1 = fields.keys;
}

std::optional<std::string> SendKeysModel::Button1Click() {
    Edit1.clear();
    ForEachLine(Memo1, [this](std::string_view line) { Edit1 += line; });
    // What the interpreter will send: the keys as it reads them back from the line.
    const std::string keys = logic::ParseSendKeysLine(BuildLine()).keys;
    if (keys.size() < Edit1.size())
        return "The keys are longer than " + std::to_string(keys.size()) +
               " characters: the rest would not be sent.";
    return logic::KeyTextFault(keys);
}

std::string SendKeysModel::BuildLine() const {
    return BuildSendKeys({Listbox1, Edit1});
}

void SendKeysModel::ApplyOk(ScriptDocument& doc, DialogUse use) const {
    if (use == DialogUse::Add) {
        doc.AddLine(BuildLine());
        return;
    }
    doc.RewriteFocusedRow(BuildLine(), std::string(SendKeysTitle));
}

} // namespace qv::editor
