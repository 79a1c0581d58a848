#include "interpreter/logic/CtlLocks.h"

#include "language/Keywords.h"
#include "language/Text.h"

namespace qv::logic {

std::optional<LockLine> LockLineKind(std::string_view upperLine) {
    if (StartsWith(upperLine, KeywordText(Keyword::No)))
        return LockLine::No;
    if (StartsWith(upperLine, KeywordText(Keyword::Enable)))
        return LockLine::Enable;
    if (StartsWith(upperLine, KeywordText(Keyword::Disable)))
        return LockLine::Disable;
    return std::nullopt;
}

LockState ApplyLockLine(LockState state, LockLine kind, std::string_view line) {
    const std::string upper = UpperCase(line);
    const bool on = kind == LockLine::Enable;
    const bool quit = Contains(upper, "QUIT");
    if (quit || Contains(upper, "F8"))
        state.CancelTag = on ? 0 : 1;
    if (quit || Contains(upper, "F5"))
        state.CancelEnabled = on;
    // ENABLE never gives the Next button back.
    if (quit && kind == LockLine::Disable)
        state.NextEnabled = false;
    return state;
}

LockState ApplyLockLine(LockState state, std::string_view line) {
    const std::optional<LockLine> kind = LockLineKind(UpperCase(Trim(line)));
    return kind ? ApplyLockLine(state, *kind, line) : state;
}

bool F8Works(const LockState& state) {
    return state.CancelTag == 0;
}

bool CloseRefused(const LockState& state) {
    return !state.CancelEnabled;
}

bool MenuQuitHidden(const LockState& state) {
    return !state.CancelEnabled;
}

} // namespace qv::logic
