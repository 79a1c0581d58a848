#include "editor/core/FileCommandModel.h"

#include "editor/core/DialogApply.h"
#include "language/Grammar.h"
#include "language/Text.h"

namespace qv::editor {

std::string_view FileCommandCaption(FileCommandMode mode) {
    switch (mode) {
    case FileCommandMode::Rename:
        return "Rename";
    case FileCommandMode::Delete:
        return "Delete";
    case FileCommandMode::Copy:
        break;
    }
    return "Copy";
}

std::string_view FileCommandHelpTopic(FileCommandMode mode) {
    switch (mode) {
    case FileCommandMode::Rename:
        return "Rename_Files";
    case FileCommandMode::Delete:
        return "Delete_Files";
    case FileCommandMode::Copy:
        break;
    }
    return "Copy_Files";
}

FileCommandModel::FileCommandModel(FileCommandMode mode, PathProbe& paths)
    : mode_(mode), paths_(paths) {
    if (mode_ == FileCommandMode::Copy)
        return;
    BtnMoreVisible = false;
    if (mode_ == FileCommandMode::Delete) {
        Height = DeleteHeight;
        ButtonTop = DeleteButtonTop;
    }
}

std::string FileCommandModel::GroupBox1Caption() const {
    return mode_ == FileCommandMode::Delete ? "Delete File(s)" : "Source : ";
}

void FileCommandModel::btnMoreClick() {
    if (BtnMoreCaption != MoreCaption) {
        BtnMoreCaption = MoreCaption;
        Height = LessHeight;
        return;
    }
    BtnMoreCaption = LessCaption;
    Height = MoreHeight;
}

void FileCommandModel::Checkbox2Click() {
    Overwrite = OverwriteChoice::DoNotOverwrite;
    CheckBox3 = false;
}

void FileCommandModel::Checkbox3Click(bool checked) {
    CheckBox3 = checked;
    // Confirming makes no sense when nothing is overwritten: /DNO and /CIE never go together.
    if (checked && Overwrite == OverwriteChoice::DoNotOverwrite)
        Overwrite = OverwriteChoice::All;
}

void FileCommandModel::RadioButton2Click() {
    SourceDirectory = true;
    RadioButton4Click();
    RadioButton5Enabled = false;
}

void FileCommandModel::RadioButton3Click() {
    SourceDirectory = false;
    RadioButton5Enabled = true;
}

void FileCommandModel::RadioButton4Click() {
    DestinationDirectory = true;
}

void FileCommandModel::RadioButton5Click() {
    if (RadioButton5Enabled)
        DestinationDirectory = false;
}

void FileCommandModel::FormClick() {
    const bool sourceComplete = !SourceText().empty();
    Button1Enabled = sourceComplete && (!GroupBox2Visible() || !DestinationText().empty());
}

void FileCommandModel::DEdit2Exit() {
    if (mode_ == FileCommandMode::Copy && !DEdit2.empty() && DEdit2.back() != '\\')
        DEdit2 += '\\';
}

void FileCommandModel::FromLine(std::string_view command) {
    const std::string line = Trim(command);
    std::string source;
    std::string destination;
    switch (mode_) {
    case FileCommandMode::Copy: {
        const CopyFields fields = ParseCopy(line);
        source = fields.source;
        destination = fields.destination;
        // In the order the switches are read, each through its control's handler, so the
        // interlocks apply as a user's clicks would.
        const CopySwitches& on = fields.switches;
        if (on.doNotOverwrite)
            Checkbox2Click();
        if (on.onlyNewer)
            Checkbox1Click();
        if (on.confirmIfExists)
            Checkbox3Click(true);
        CheckBox4 = on.noSubfolders;
        CheckBox5 = on.overwriteReadOnly;
        if (on.doNotOverwrite || on.onlyNewer || on.confirmIfExists || on.noSubfolders ||
            on.overwriteReadOnly) {
            Height = MoreHeight;
            BtnMoreCaption = LessCaption;
        }
        BtnMoreVisible = true;
        break;
    }
    case FileCommandMode::Rename: {
        const RenameFields fields = ParseRename(line);
        source = fields.oldName;
        destination = fields.newName;
        break;
    }
    case FileCommandMode::Delete:
        source = ParseDel(line).paths;
        break;
    }
    const bool folder = mode_ == FileCommandMode::Delete
                            ? paths_.IsFolder(source)
                            : !paths_.IsFile(source) && paths_.IsFolder(source);
    if (folder) {
        DEdit1 = source;
        RadioButton2Click();
    } else {
        Edit1 = source;
        RadioButton3Click();
    }
    Edit2 = destination;
    DEdit2 = destination;
    Button1Enabled = true;
}

std::string FileCommandModel::BuildLine() const {
    const std::string source = LowerCase(SourceText());
    const std::string destination = LowerCase(DestinationText());
    switch (mode_) {
    case FileCommandMode::Rename:
        return BuildRename({source, destination, true});
    case FileCommandMode::Delete:
        return BuildDel({source});
    case FileCommandMode::Copy:
        break;
    }
    CopyFields fields;
    fields.source = source;
    fields.destination = destination;
    fields.hasSeparator = true;
    fields.switches.onlyNewer = Overwrite == OverwriteChoice::OnlyNewer;
    fields.switches.doNotOverwrite = Overwrite == OverwriteChoice::DoNotOverwrite;
    fields.switches.confirmIfExists = CheckBox3;
    fields.switches.noSubfolders = CheckBox4;
    fields.switches.overwriteReadOnly = CheckBox5;
    return BuildCopy(fields);
}

void FileCommandModel::ApplyOk(ScriptDocument& doc, DialogUse use) const {
    ApplyLineKeepingTitle(doc, use, BuildLine());
}

} // namespace qv::editor
