#pragma once
// The window-title dialog (TwinAPI) in its three captions, "Close Program", "Minimize Program"
// and "Wait for Window": the CLOSE, MINIMIZE and WAIT FOR WINDOW lines. The Win32 dialog shows
// ListBox1 (sorted), calls ListBox1Click and RefreshClick, copies Edit1 back, and on OK
// (enabled by OkEnabled) calls ApplyOk.
#include "editor/core/DialogPorts.h"

#include <string>
#include <string_view>
#include <vector>

namespace qv::editor {

class ScriptDocument;

enum class WindowCommand { Close, Minimize, WaitForWindow };

std::string_view WindowCommandCaption(WindowCommand command);
std::string_view WindowCommandHelpTopic(WindowCommand command);
// Which dialog EditWait opens: the window dialog for a WAIT FOR WINDOW row (in any case),
// the timer for any other wait.
bool IsWaitForWindowLine(std::string_view command);

class WindowTitleModel {
  public:
    // FormCreate: the window list is filled.
    WindowTitleModel(WindowCommand command, WindowLister& windows);

    WindowCommand Command() const { return command_; }
    std::string Edit1;
    std::vector<std::string> ListBox1;

    void RefreshClick();
    void ListBox1Click(int index);
    // EditCloseScript, EditMinimizeScript, EditWait: the title after the keyword.
    void FromLine(std::string_view command);

    // A line without a title would be one the interpreter does not know.
    bool OkEnabled() const;
    std::string BuildLine() const;
    // Add: the line goes in at InsertOrder. Edit: the focused row's command and title ("CLose ",
    // "Minimize " or "Wait For Window " and the title) are rewritten and the rows refreshed.
    void ApplyOk(ScriptDocument& doc, DialogUse use) const;

  private:
    WindowCommand command_;
    WindowLister& windows_;
};

} // namespace qv::editor
