#include "editor/core/MenuLayoutModel.h"

#include "language/Text.h"

#include <algorithm>

namespace qv::editor {

namespace {

bool IsItem(int item) {
    return item >= 0 && item < MenuDialogItems;
}

} // namespace

std::string MenuScriptName(std::string_view caption) {
    std::string name(caption);
    for (char mark : std::string_view("\\/:*?\"<>|")) {
        for (std::size_t at = name.find(mark); at != std::string::npos; at = name.find(mark))
            name.erase(at, 2);
    }
    return Trim(std::string_view(name).substr(0, 255)) + ".qvs";
}

MenuLayoutModel::MenuLayoutModel(const MenuDialogValues& opening) {
    for (int item = 0; item < MenuDialogItems; ++item) {
        CaptionChange(item, opening.captions[item]);
        Script[item] = opening.scripts[item];
    }
    if (opening.timeoutChecked) {
        CheckBox1Click(true);
        SetSpinEdit1(opening.timeoutSeconds);
    }
}

void MenuLayoutModel::CaptionEnter(int item) {
    if (IsItem(item))
        CheckedItem = item;
}

void MenuLayoutModel::CaptionChange(int item, std::string text) {
    if (!IsItem(item))
        return;
    Edit[item] = std::move(text);
    ScriptEnabled[item] = !Edit[item].empty();
}

void MenuLayoutModel::CaptionExit(int item) {
    if (IsItem(item) && !Edit[item].empty() && Script[item].empty())
        Script[item] = MenuScriptName(Edit[item]);
}

void MenuLayoutModel::CheckBox1Click(bool checked) {
    CheckBox1 = checked;
    SpinEdit1Enabled = checked;
}

void MenuLayoutModel::SetSpinEdit1(int seconds) {
    SpinEdit1 = std::clamp(seconds, MinimumMenuTimeout, MaximumMenuTimeout);
}

std::optional<std::string> MenuLayoutModel::Validate() const {
    for (int item = 0; item < MenuDialogItems; ++item)
        if (Edit[item].find(',') != std::string::npos)
            return "The caption \"" + Edit[item] +
                   "\" holds a comma: a menu caption cannot hold one.";
    return std::nullopt;
}

MenuDialogValues MenuLayoutModel::Values() const {
    MenuDialogValues values;
    for (int item = 0; item < MenuDialogItems; ++item) {
        values.captions[item] = Edit[item];
        values.scripts[item] =
            !Edit[item].empty() && Script[item].empty() ? MenuScriptName(Edit[item]) : Script[item];
    }
    values.timeoutChecked = CheckBox1;
    values.timeoutSeconds = SpinEdit1;
    return values;
}

} // namespace qv::editor
