#pragma once
// The window-position dialog (TSelWindow, "Locate Quorvel Window"): the LOCATE line that places
// the interpreter's own window. The Win32 dialog checks the radio buttons that the three choices
// name, calls the RadioButtonNClick handlers, enables OK by OkEnabled and on OK calls ApplyOk.
#include "editor/core/DialogPorts.h"

#include <string>
#include <string_view>

namespace qv::editor {

class ScriptDocument;

inline constexpr std::string_view LocateCaption = "Locate Quorvel Window";
inline constexpr std::string_view LocateHelpTopic = "Script_Window_Position";

enum class VerticalChoice { None, Top, Center, Bottom };   // RadioButton1 to 3
enum class HorizontalChoice { None, Right, Center, Left }; // RadioButton4 to 6
enum class WindowChoice { None, Hide, Show, Minimize };    // RadioButton7 to 9

class LocateModel {
  public:
    VerticalChoice VerticalButton = VerticalChoice::Center;
    HorizontalChoice HorizontalButton = HorizontalChoice::Center;
    WindowChoice OtherButton = WindowChoice::None;
    // The hidden labels: the words the line is made of.
    std::string Vertical{"CENTER"};
    std::string Horizontal{"CENTER"};

    void RadioButton1Click() { ChooseVertical(VerticalChoice::Top, "TOP"); }
    void RadioButton2Click() { ChooseVertical(VerticalChoice::Center, "CENTER"); }
    void RadioButton3Click() { ChooseVertical(VerticalChoice::Bottom, "BOTTOM"); }
    void RadioButton4Click() { ChooseHorizontal(HorizontalChoice::Right, "RIGHT"); }
    void RadioButton5Click() { ChooseHorizontal(HorizontalChoice::Center, "CENTER"); }
    void RadioButton6Click() { ChooseHorizontal(HorizontalChoice::Left, "LEFT"); }
    void RadioButton7Click() { ChooseWindow(WindowChoice::Hide, "HIDE"); }
    void RadioButton8Click() { ChooseWindow(WindowChoice::Show, "SHOW"); }
    void RadioButton9Click() { ChooseWindow(WindowChoice::Minimize, "MINI"); }

    // EditLocate: the first position word of the line (CENTRE spelt either way) chooses the
    // buttons; a line with none keeps the defaults.
    void FromLine(std::string_view command);

    // One vertical and one horizontal button, or one of Hide, Show and Minimize.
    bool OkEnabled() const;
    std::string BuildLine() const;
    // Add: the line goes in at InsertOrder. Edit: the focused row's command is rewritten, its
    // title kept.
    void ApplyOk(ScriptDocument& doc, DialogUse use) const;

  private:
    void ChooseVertical(VerticalChoice choice, std::string_view word);
    void ChooseHorizontal(HorizontalChoice choice, std::string_view word);
    void ChooseWindow(WindowChoice choice, std::string_view word);
};

} // namespace qv::editor
