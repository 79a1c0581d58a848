#include "editor/core/DesktopModel.h"

#include "editor/core/DialogApply.h"
#include "language/Grammar.h"
#include "language/Text.h"

#include <utility>

namespace qv::editor {

void DesktopModel::Edit1Change(std::string text) {
    Edit1 = std::move(text);
    Button1Enabled = !Edit1.empty();
    if (!Edit1.empty() && paths_.IsFile(Edit1)) {
        Preview = Edit1;
        RandomHere = true;
    }
}

void DesktopModel::CheckBox1Click(bool checked) {
    CheckBox1 = checked;
    if (!checked) {
        RadioButton1Enabled = false;
        RadioButton2Enabled = false;
        return;
    }
    RadioButton1Enabled = !Edit1.empty();
    RandomHere = RadioButton1Enabled;
    RadioButton2Enabled = true;
}

void DesktopModel::Button1Click() {
    if (saved_) {
        wallpaper_.ShowWallpaper(*saved_);
        saved_.reset();
        Button1Caption = TryCaption;
        return;
    }
    saved_ = wallpaper_.SavedWallpaper().substr(0, 255);
    wallpaper_.ShowWallpaper(Edit1);
    Button1Caption = ReturnCaption;
}

void DesktopModel::FormClose() {
    if (saved_)
        Button1Click();
}

void DesktopModel::FromLine(std::string_view command) {
    const DesktopFields fields = ParseDesktop(Trim(command));
    if (!fields.random) {
        Edit1Change(Trim(fields.path));
        return;
    }
    // Without a folder the line means the Windows folder: the file box stays empty rather than
    // showing "{RANDOM}" as a file name.
    RandomHere = false;
    Edit1Change(Trim(fields.path));
    if (!Edit1.empty())
        RandomHere = true;
    CheckBox1Click(true);
}

DesktopFields DesktopModel::Fields() const {
    DesktopFields fields;
    fields.random = CheckBox1;
    if (!CheckBox1) {
        fields.path = LowerCase(Edit1);
    } else if (RandomHere) {
        const std::size_t cut = Edit1.find_last_of("\\:");
        if (cut != std::string::npos)
            fields.path = LowerCase(std::string_view(Edit1).substr(0, cut + 1));
    }
    return fields;
}

bool DesktopModel::OkEnabled() const {
    const DesktopFields fields = Fields();
    return fields.random || !Trim(fields.path).empty();
}

std::string DesktopModel::BuildLine() const {
    return BuildDesktop(Fields());
}

void DesktopModel::ApplyOk(ScriptDocument& doc, DialogUse use) const {
    ApplyLineKeepingTitle(doc, use, BuildLine());
}

} // namespace qv::editor
