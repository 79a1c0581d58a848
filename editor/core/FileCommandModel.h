#pragma once
// The file-command dialog (TfrmFileCommands) in its three modes Copy, Rename and Delete: the
// COPY, RENAME and DEL lines. The Win32 dialog lays itself out from Caption, the group captions,
// the Visible and Enabled fields, Height and ButtonTop, copies the box texts and choices back
// before each handler and to its controls after it, and on OK calls Button1Click and ApplyOk.
#include "editor/core/DialogPorts.h"

#include <optional>
#include <string>
#include <string_view>

namespace qv::editor {

class ScriptDocument;

enum class FileCommandMode { Copy, Rename, Delete };

// Window heights in pixels: Delete mode, the advanced area hidden, the advanced area shown.
inline constexpr int DeleteHeight = 143;
inline constexpr int LessHeight = 204;
inline constexpr int MoreHeight = 268;
// Delete mode moves the three buttons up to this top.
inline constexpr int DeleteButtonTop = 84;
inline constexpr std::string_view MoreCaption = "&Advanced >>";
inline constexpr std::string_view LessCaption = "<< &Less";

std::string_view FileCommandCaption(FileCommandMode mode);
std::string_view FileCommandHelpTopic(FileCommandMode mode);

// The radio group of the overwrite rule: RadioButton1, Checkbox1, Checkbox2.
enum class OverwriteChoice { All, OnlyNewer, DoNotOverwrite };

class FileCommandModel {
  public:
    // FormCreate in the given mode.
    FileCommandModel(FileCommandMode mode, PathProbe& paths);

    FileCommandMode Mode() const { return mode_; }
    std::string Caption() const { return std::string(FileCommandCaption(mode_)); }
    std::string GroupBox1Caption() const;
    bool GroupBox2Visible() const { return mode_ != FileCommandMode::Delete; }

    bool SourceDirectory = false;      // RadioButton2 chosen; RadioButton3 (File) otherwise
    std::string Edit1;                 // source file or wildcard, shown unless SourceDirectory
    std::string DEdit1;                // source folder, shown when SourceDirectory
    bool DestinationDirectory = false; // RadioButton4 chosen; RadioButton5 (File) otherwise
    bool RadioButton5Enabled = true;   // a folder can only go to a folder
    std::string Edit2;
    std::string DEdit2;

    bool BtnMoreVisible = true;
    std::string BtnMoreCaption{MoreCaption};
    int Height = LessHeight;
    std::optional<int> ButtonTop; // nothing: where the form places them

    OverwriteChoice Overwrite = OverwriteChoice::All;
    bool CheckBox3 = false; // "Confirm if they Exist"
    bool CheckBox4 = false; // "Do not copy the Subdirectories"
    bool CheckBox5 = false; // "Overwite Read Only Files"
    bool Button1Enabled = false;

    // EditCopy, EditRename, EditDelete: fills the dialog from the focused row's command.
    void FromLine(std::string_view command);

    void btnMoreClick();
    void RadioButton1Click() { Overwrite = OverwriteChoice::All; }
    void Checkbox1Click() { Overwrite = OverwriteChoice::OnlyNewer; }
    void Checkbox2Click();
    void Checkbox3Click(bool checked);
    void RadioButton2Click();
    void RadioButton3Click();
    void RadioButton4Click();
    void RadioButton5Click();
    // Every change of Edit1, Edit2, DEdit1, DEdit2 and a click on the background: OK follows
    // whether the chosen boxes are filled.
    void FormClick();
    // Leaving the destination folder box and closing its browse dialog: Copy ends it with "\".
    void DEdit2Exit();
    void DEdit2AfterDialog() { DEdit2Exit(); }
    void Button1Click() { DEdit2Exit(); }

    std::string BuildLine() const;
    // Add: the line goes in at InsertOrder. Edit: the focused row's command is rewritten, its
    // title kept.
    void ApplyOk(ScriptDocument& doc, DialogUse use) const;

  private:
    const std::string& SourceText() const { return SourceDirectory ? DEdit1 : Edit1; }
    const std::string& DestinationText() const { return DestinationDirectory ? DEdit2 : Edit2; }

    FileCommandMode mode_;
    PathProbe& paths_;
};

} // namespace qv::editor
