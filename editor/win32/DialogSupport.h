#pragma once
// What the command dialogs share: the file and folder pickers of their browse buttons, the
// machine behind their models' ports, and the copying of a model's fields to the controls.
#include "common/win32/Controls.h"
#include "common/win32/Form.h"
#include "editor/core/DialogPorts.h"
#include "editor/core/MapDriveModel.h"
#include "editor/core/RunProgramModel.h"
#include "editor/core/ScriptDocument.h"
#include "editor/win32/CommandSeams.h"

#include <windows.h>

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qv::win32 {

// The frame of every command dialog: a fixed-size caption with a close box, centred over the
// main window, "Button1" its default and "Button2" its cancel button unless the form says
// otherwise. `width` and `height` are the client area's, in 96-DPI pixels.
FormSpec CommandDialogSpec(const char* className, std::string_view title, int width, int height,
                           std::span<const ControlSpec> controls, int initialFocus);

// A command dialog: it ends with true on OK, with false on its cancel button, and opens its help
// topic on "&Help".
class CommandDialog : public Dialog<bool> {
  protected:
    CommandDialog(MessageLoop& loop, const FormSpec& spec, HWND owner, std::string_view helpTopic)
        : Dialog(loop, spec, owner, false), helpTopic_(helpTopic) {}

    // The cancel button and "&Help", alike in every command dialog: true when `id` is one.
    bool CancelOrHelp(int id);
    // Why OK is refused, in an error box captioned "Quorvel"; the dialog stays open.
    void ShowRefusal(const std::string& message);

  private:
    std::string helpTopic_;
};

// The "Open" dialog for one file. `filter` is written "Name|patterns|Name|patterns"; `flags`
// are added to hiding the read-only box. Nothing when the user cancels.
std::optional<std::string> BrowseForFile(HWND owner, std::string_view filter,
                                         const std::string& current, DWORD flags = 0);
// The shell's folder picker; nothing when the user cancels.
std::optional<std::string> BrowseForFolder(HWND owner, const std::string& title);

class Win32PathProbe : public editor::PathProbe {
  public:
    bool IsFile(const std::string& path) override;
    bool IsFolder(const std::string& path) override;
};

// Reads shortcuts through the editor's shell-shortcut component.
class ShortcutLinks : public editor::LinkReader {
  public:
    std::optional<editor::LinkTarget> ReadLink(const std::string& path) override;
};

// Copies a model's field to a control without echoing a change back when it is the same.
void ShowText(const Window& control, const std::string& text);
void ShowCheck(const Window& control, bool checked);
bool IsChecked(const Window& control);

// The titles of the top-level windows for the window lists of the title and keystroke dialogs.
class Win32WindowLister : public editor::WindowLister {
  public:
    std::vector<std::string> TopLevelTitles() override;
};

// The line a dialog's model builds for an add.
inline std::string AddedLine(const editor::RunProgramModel& model) {
    return model.BuildLine(editor::DialogUse::Add);
}
// The network dialogs keep a new path in their history on OK, also when adding.
inline std::string AddedLine(editor::MapDriveModel& model) {
    model.RememberPath();
    return model.BuildLine();
}
template <typename Model> std::string AddedLine(const Model& model) {
    return model.BuildLine();
}

// An add path: the dialog `Form` (made with `args`, then no line) shown over the main window;
// its line on OK.
template <typename Form, typename... Args>
std::optional<std::string> AddThrough(CommandContext& context, Args&&... args) {
    Form form(context.loop, context.owner, std::forward<Args>(args)..., std::nullopt);
    if (!form.ShowModal(context.owner)) {
        return std::nullopt;
    }
    return AddedLine(form.Model());
}

// An edit path: the dialog `Form` filled from the focused row; OK rewrites the row as the
// model says.
template <typename Form, typename... Args>
void EditThrough(CommandContext& context, Args&&... args) {
    const int focused = context.document.FocusedRow();
    if (focused < 0 || focused >= static_cast<int>(context.document.CommandCount())) {
        return;
    }
    const std::string command = context.document.Rows()[static_cast<std::size_t>(focused)].Command;
    Form form(context.loop, context.owner, std::forward<Args>(args)...,
              std::optional<std::string_view>(command));
    if (form.ShowModal(context.owner)) {
        form.Model().ApplyOk(context.document, editor::DialogUse::Edit);
    }
}

} // namespace qv::win32
