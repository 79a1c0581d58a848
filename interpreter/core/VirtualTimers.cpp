#include "interpreter/core/VirtualTimers.h"

#include "interpreter/core/Runner.h"

namespace qv::interp {

void VirtualTimers::Arm(int slot, int intervalMs) {
    Slot& s = slots_[slot];
    s.armed = true;
    s.interval = intervalMs < 1 ? 1 : intervalMs;
    s.due = now_ + s.interval;
    s.order = NextOrder();
}

void VirtualTimers::Disarm(int slot) {
    slots_[slot].armed = false;
}

std::optional<VirtualTimers::Due> VirtualTimers::Next() const {
    std::optional<Due> next;
    for (int slot = 0; slot < SlotCount; ++slot) {
        const Slot& s = slots_[slot];
        if (s.armed && (!next || s.due < next->at || (s.due == next->at && s.order < next->order)))
            next = Due{slot, s.due, s.order};
    }
    return next;
}

void VirtualTimers::Fire(const Due& due, Runner& runner) {
    Slot& s = slots_[due.slot];
    now_ = due.at;
    s.due = now_ + s.interval;
    s.order = NextOrder();
    if (due.slot == MenuSlot)
        runner.TimeOutTimer();
    else
        runner.OnTimer(static_cast<TimerId>(due.slot));
}

} // namespace qv::interp
