#pragma once
// The key-lock dialog (TCanorCantDo, "Enable & Disable"): the ENABLE and DISABLE lines. The
// Win32 dialog copies the radio choice and the three check boxes back, enables OK by OkEnabled,
// and on OK calls ApplyOk.
#include "editor/core/DialogPorts.h"

#include <string>
#include <string_view>

namespace qv::editor {

class ScriptDocument;

inline constexpr std::string_view EnableDisableCaption = "Enable & Disable";
inline constexpr std::string_view EnableDisableHelpTopic = "Enable_or_Disable";

class EnableDisableModel {
  public:
    bool Enable = true; // the Enable radio button; Disable otherwise
    bool F5 = false;
    bool F8 = false;
    bool QUIT = false;

    // EditEnableDisable: Enable when the line holds ENABLE, and each key word it holds.
    void FromLine(std::string_view command);

    // A bare ENABLE or DISABLE is no command the interpreter knows: a key must be chosen.
    bool OkEnabled() const { return F5 || F8 || QUIT; }
    std::string BuildLine() const;
    // Add: the line goes in at InsertOrder. Edit: the focused row gets the enable or disable
    // picture, the line and its proper-cased title, and the rows are refreshed.
    void ApplyOk(ScriptDocument& doc, DialogUse use) const;
};

} // namespace qv::editor
