#include "editor/core/WindowTitleModel.h"

#include "editor/core/ScriptDocument.h"
#include "language/Grammar.h"
#include "language/Text.h"

#include <algorithm>

namespace qv::editor {

namespace {

struct WindowCommandText {
    Keyword keyword;
    std::string_view caption;
    std::string_view helpTopic;
    std::string_view editTitle; // the edit path's title, before the window title
};

const WindowCommandText& TextOf(WindowCommand command) {
    static const WindowCommandText texts[] = {
        {Keyword::Close, "Close Program", "Close_Program", "CLose "},
        {Keyword::Minimize, "Minimize Program", "Minimize_Program", "Minimize "},
        {Keyword::WaitForWindow, "Wait for Window", "Wait_for_Window", "Wait For Window "},
    };
    return texts[static_cast<int>(command)];
}

} // namespace

std::string_view WindowCommandCaption(WindowCommand command) {
    return TextOf(command).caption;
}

std::string_view WindowCommandHelpTopic(WindowCommand command) {
    return TextOf(command).helpTopic;
}

bool IsWaitForWindowLine(std::string_view command) {
    return Contains(UpperCase(command), KeywordText(Keyword::WaitForWindow));
}

WindowTitleModel::WindowTitleModel(WindowCommand command, WindowLister& windows)
    : command_(command), windows_(windows) {
    RefreshClick();
}

void WindowTitleModel::RefreshClick() {
    ListBox1 = windows_.TopLevelTitles();
    std::stable_sort(
        ListBox1.begin(), ListBox1.end(),
        [](const std::string& a, const std::string& b) { return UpperCase(a) < UpperCase(b); });
}

void WindowTitleModel::ListBox1Click(int index) {
    if (index >= 0 && index < static_cast<int>(ListBox1.size()))
        Edit1 = ListBox1[index];
}

void WindowTitleModel::FromLine(std::string_view command) {
    Edit1 = ParseArgumentLine(Trim(command)).argument;
}

bool WindowTitleModel::OkEnabled() const {
    return !Trim(Edit1).empty();
}

std::string WindowTitleModel::BuildLine() const {
    return BuildArgumentLine({TextOf(command_).keyword, Edit1});
}

void WindowTitleModel::ApplyOk(ScriptDocument& doc, DialogUse use) const {
    const std::string line = BuildLine();
    if (use == DialogUse::Add) {
        doc.AddLine(line);
        return;
    }
    doc.RewriteFocusedRow(line, std::string(TextOf(command_).editTitle) + Edit1);
    doc.RefreshLines();
}

} // namespace qv::editor
