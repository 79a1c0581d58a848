#pragma once
// The wait dialog (TfrmTimer, "Timer"): the WAIT line. The spin box holds 0.5 to 60.0 seconds in
// steps of 0.5; the Win32 dialog shows SecondsText, calls Up, Down or SetValue for the user's
// changes, and on OK calls ApplyOk.
#include "editor/core/DialogPorts.h"

#include <string>
#include <string_view>

namespace qv::editor {

class ScriptDocument;

inline constexpr std::string_view TimerCaption = "Timer";
inline constexpr std::string_view TimerHelpTopic = "Wait";
inline constexpr int MinimumHalfSeconds = 1;
inline constexpr int MaximumHalfSeconds = 120;

// Seconds counted in halves, written with format "#.0": 1 gives ".5", 2 "1.0", 25 "12.5".
std::string WaitSecondsText(int halfSeconds);

class TimerModel {
  public:
    int HalfSeconds = 2; // SpinEdit1: 1.0 by default

    double Value() const { return HalfSeconds / 2.0; }
    // Rounded to the nearest half second and held within the spin box's range; a value that
    // is no number leaves the box as it is.
    void SetValue(double seconds);
    void Up();
    void Down();
    std::string SecondsText() const { return WaitSecondsText(HalfSeconds); }

    // EditWait for a WAIT or WAIT FOR LOAD row: the number after the keyword; a text that is no
    // number leaves the default.
    void FromLine(std::string_view command);

    std::string BuildLine() const;
    // Add: the line goes in at InsertOrder. Edit: the focused row becomes this WAIT with the
    // title "Wait n sec(s)", and RefreshLines restores WAIT FOR LOAD where it belongs.
    void ApplyOk(ScriptDocument& doc, DialogUse use) const;
};

} // namespace qv::editor
