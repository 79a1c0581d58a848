#pragma once
// The keystroke dialog (TfrmSendkeys, "Sendkeys to Program"): the SENDKEYS line. The Win32
// dialog fills its title combo from Listbox1Items, copies Listbox1 and Memo1 back, puts the
// focus where FormActivate says, calls RefreshClick, and on OK shows Button1Click's message (in
// a box captioned DialogErrorCaption, the dialog staying open) or calls ApplyOk.
#include "editor/core/DialogPorts.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv::editor {

class ScriptDocument;

inline constexpr std::string_view SendKeysCaption = "Sendkeys to Program";
inline constexpr std::string_view SendKeysHelpTopic = "Sendkeys_to_Program";
inline constexpr std::string_view SendKeysTitle = "Sendkeys";

class SendKeysModel {
  public:
    // FormCreate: the window list is filled.
    explicit SendKeysModel(WindowLister& windows);

    std::string Listbox1; // the window title
    std::vector<std::string> Listbox1Items;
    std::string Memo1; // the keys, in lines separated by line breaks
    std::string Edit1; // the keys joined into one string

    enum class Focus { Title, Keys };
    // Where the focus goes when the dialog becomes active.
    Focus FormActivate() const { return Listbox1.empty() ? Focus::Title : Focus::Keys; }
    void RefreshClick();
    // EditSendkeys: the quoted title and keys of the line.
    void FromLine(std::string_view command);

    // Joins the lines of Memo1 into Edit1 with nothing between them; returns the message to
    // show when the interpreter could not send those keys.
    std::optional<std::string> Button1Click();
    std::string BuildLine() const;
    // Add: the line goes in at InsertOrder. Edit: the focused row's command is rewritten, its
    // title becomes "Sendkeys".
    void ApplyOk(ScriptDocument& doc, DialogUse use) const;

  private:
    WindowLister& windows_;
};

} // namespace qv::editor
