#include "editor/core/LocateModel.h"

#include "editor/core/DialogApply.h"
#include "language/Grammar.h"
#include "language/Text.h"

namespace qv::editor {

void LocateModel::ChooseVertical(VerticalChoice choice, std::string_view word) {
    VerticalButton = choice;
    Vertical = word;
    OtherButton = WindowChoice::None;
}

void LocateModel::ChooseHorizontal(HorizontalChoice choice, std::string_view word) {
    HorizontalButton = choice;
    Horizontal = word;
    OtherButton = WindowChoice::None;
}

void LocateModel::ChooseWindow(WindowChoice choice, std::string_view word) {
    OtherButton = choice;
    Vertical = word;
    Horizontal.clear();
    VerticalButton = VerticalChoice::None;
    HorizontalButton = HorizontalChoice::None;
}

void LocateModel::FromLine(std::string_view command) {
    const std::optional<Placement> placement = ParseLocate(Trim(command));
    if (!placement)
        return;
    switch (*placement) {
    case Placement::TopCenter:
        RadioButton1Click();
        RadioButton5Click();
        break;
    case Placement::BottomCenter:
        RadioButton3Click();
        RadioButton5Click();
        break;
    case Placement::CenterLeft:
        RadioButton2Click();
        RadioButton6Click();
        break;
    case Placement::CenterRight:
        RadioButton2Click();
        RadioButton4Click();
        break;
    case Placement::Center:
        RadioButton2Click();
        RadioButton5Click();
        break;
    case Placement::TopLeft:
        RadioButton1Click();
        RadioButton6Click();
        break;
    case Placement::TopRight:
        RadioButton1Click();
        RadioButton4Click();
        break;
    case Placement::BottomRight:
        RadioButton3Click();
        RadioButton4Click();
        break;
    case Placement::BottomLeft:
        RadioButton3Click();
        RadioButton6Click();
        break;
    case Placement::Mini:
        RadioButton9Click();
        break;
    case Placement::Hide:
        RadioButton7Click();
        break;
    case Placement::Show:
        RadioButton8Click();
        break;
    }
}

bool LocateModel::OkEnabled() const {
    return OtherButton != WindowChoice::None ||
           (VerticalButton != VerticalChoice::None && HorizontalButton != HorizontalChoice::None);
}

std::string LocateModel::BuildLine() const {
    return BuildLocate(Vertical, Horizontal);
}

void LocateModel::ApplyOk(ScriptDocument& doc, DialogUse use) const {
    ApplyLineKeepingTitle(doc, use, BuildLine());
}

} // namespace qv::editor
