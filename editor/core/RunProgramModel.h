#pragma once
// The run-program dialog (TfrmConfigRun, "Run Dialog"): the LOAD and LOAD AND WAIT lines. The
// Win32 dialog copies these fields to its controls after every call and back before it, calls
// the handler named after the event, shows Button1Click's message in a box captioned
// DialogErrorCaption, and on OK calls ApplyOk.
#include "editor/core/DialogPorts.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace qv::editor {

class ScriptDocument;

inline constexpr std::string_view RunProgramCaption = "Run Dialog";
inline constexpr std::string_view RunProgramHelpTopic = "Run_Program";
inline constexpr std::string_view RunProgramBrowseFilter =
    "Executables|*.exe;*.com|All files (*.*)|*.*";
inline constexpr std::string_view InvalidTimeText = "Invalid Time";
inline constexpr std::string_view DefaultTimeText = "1200";

// What converting a shortcut takes from it.
struct LinkTarget {
    std::string path;
    std::string arguments;
    int showCommand = 1; // 1 normal, 7 minimised, 3 maximised
};

class LinkReader {
  public:
    virtual ~LinkReader() = default;
    // Nothing when the shortcut cannot be read.
    virtual std::optional<LinkTarget> ReadLink(const std::string& path) = 0;
};

// The radio group "Window State": RadioButton3, RadioButton1, RadioButton2, RadioButton4.
enum class WindowStateChoice { Normal, Minimized, Maximize, Hide };

class RunProgramModel {
  public:
    explicit RunProgramModel(LinkReader& links) : links_(links) {}

    std::string Edit1; // file, document or shortcut
    std::string Edit2; // arguments
    bool ConvertL = false;
    bool ConvertLEnabled = false;
    WindowStateChoice WindowState = WindowStateChoice::Normal;
    bool Between = false;
    std::string B1{DefaultTimeText}; // HHMM, digits only
    std::string B2{DefaultTimeText};
    bool TimesEnabled = false; // L1, L2, B1, B2
    bool Only = false;
    std::array<bool, 7> Days{}; // Mon to Sun: week-day digits 1 to 7
    bool DaysEnabled = false;
    bool RunOnce = false;
    bool RunandWait = false;
    std::string OldLink;
    std::string OldArg;
    bool Button1Enabled = false;

    // EditRunProgram: fills the dialog from the focused row's command.
    void FromLine(std::string_view command);

    void Edit1Change(std::string text);
    void Edit1AfterDialog(std::string text);
    // Checking converts the shortcut named by OldLink; false (and ConvertL left unchecked) when
    // it cannot be read. Unchecking puts back the shortcut and the arguments typed before.
    bool ConvertLClick(bool checked);
    void RunandWaitClick(bool checked);
    void BetweenClick(bool checked);
    void OnlyClick(bool checked);
    void FormActivate() { OldArg = Edit2; }
    // OK pressed: orders the time window (an end before the start is exchanged). Returns the
    // message to show when the dialog must stay open.
    std::optional<std::string_view> Button1Click();

    std::string BuildLine(DialogUse use) const;
    // Add: the line goes in at InsertOrder. Edit: the focused row's command and title are
    // rewritten, and its icon when the file changed.
    void ApplyOk(ScriptDocument& doc, DialogUse use) const;

  private:
    void ApplyLinkState(std::string text);
    void SetWindowState(std::string_view word);

    LinkReader& links_;
    std::string originalFile_;
    bool originalQuoted_ = false;
};

} // namespace qv::editor
