#pragma once
// The menu dialog (TfrmMenuDev, "Menu Developer"): nine menu items, each a caption and the script
// it runs, and the time-out after which the first item starts by itself. The main window opens
// it with the document's MenuDialogOpening and, on OK, shows Validate's message (in a box
// captioned DialogErrorCaption, the dialog staying open) or calls ApplyOk. The Win32 dialog calls
// CaptionEnter, CaptionChange and CaptionExit for caption box N and copies the script boxes, the
// check box and the spin value back.
#include "editor/core/ScriptDocument.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace qv::editor {

inline constexpr std::string_view MenuLayoutCaption = "Menu Developer";
inline constexpr std::string_view MenuLayoutHelpTopic = "Creating_a_Menu";
inline constexpr std::string_view MenuScriptFilter = "Script Name|*.qvs";
inline constexpr int MinimumMenuTimeout = 1;
inline constexpr int MaximumMenuTimeout = 60;

// The script name made from a caption: each of \ / : * ? " < > | is removed together with the
// character after it, the rest cut to 255 characters and trimmed, and ".qvs" appended.
std::string MenuScriptName(std::string_view caption);

class MenuLayoutModel {
  public:
    // Opening: caption and script boxes from the document's menu entries 1 to 9, the time-out
    // checked and shown when there is one.
    explicit MenuLayoutModel(const MenuDialogValues& opening);

    std::array<std::string, MenuDialogItems> Edit;   // Edit0 to Edit8
    std::array<std::string, MenuDialogItems> Script; // Script0 to Script8
    std::array<bool, MenuDialogItems> ScriptEnabled{};
    int CheckedItem = -1; // RadioButton0 to RadioButton8; -1 for none
    bool CheckBox1 = false;
    int SpinEdit1 = 1;
    bool SpinEdit1Enabled = false;

    void CaptionEnter(int item);
    void CaptionChange(int item, std::string text);
    // Leaving a caption box with a caption and no script names the script after the caption.
    void CaptionExit(int item);
    void CheckBox1Click(bool checked);
    void SetSpinEdit1(int seconds);

    // A caption may hold no ",": the menu line would read the rest as the script's name.
    std::optional<std::string> Validate() const;
    // The values the document takes; an item whose script box is still empty gets the name
    // made from its caption.
    MenuDialogValues Values() const;
    // OK: the document rebuilds its menu entries from Values.
    void ApplyOk(ScriptDocument& doc) const { doc.ApplyMenuDialog(Values()); }
};

} // namespace qv::editor
