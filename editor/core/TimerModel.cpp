#include "editor/core/TimerModel.h"

#include "editor/core/ScriptDocument.h"
#include "interpreter/logic/CtlWait.h"
#include "language/Grammar.h"
#include "language/Text.h"

#include <algorithm>
#include <cmath>

namespace qv::editor {

std::string WaitSecondsText(int halfSeconds) {
    const int whole = halfSeconds / 2;
    std::string text = whole > 0 ? std::to_string(whole) : std::string();
    text += halfSeconds % 2 != 0 ? ".5" : ".0";
    return text;
}

void TimerModel::SetValue(double seconds) {
    if (std::isnan(seconds))
        return;
    const double halves = std::round(std::clamp(seconds, 0.0, 1000.0) * 2);
    HalfSeconds = std::clamp(static_cast<int>(halves), MinimumHalfSeconds, MaximumHalfSeconds);
}

void TimerModel::Up() {
    HalfSeconds = std::min(HalfSeconds + 1, MaximumHalfSeconds);
}

void TimerModel::Down() {
    HalfSeconds = std::max(HalfSeconds - 1, MinimumHalfSeconds);
}

void TimerModel::FromLine(std::string_view command) {
    const ArgumentFields fields = ParseArgumentLine(Trim(command));
    if (const std::optional<double> seconds = logic::ParseWaitSeconds(fields.argument))
        SetValue(*seconds);
}

std::string TimerModel::BuildLine() const {
    return BuildArgumentLine({Keyword::Wait, SecondsText()});
}

void TimerModel::ApplyOk(ScriptDocument& doc, DialogUse use) const {
    if (use == DialogUse::Add) {
        doc.AddLine(BuildLine());
        return;
    }
    doc.RewriteFocusedRow(BuildLine(), "Wait " + SecondsText() + " sec(s)");
    doc.RefreshLines();
}

} // namespace qv::editor
