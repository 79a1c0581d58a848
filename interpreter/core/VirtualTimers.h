#pragma once
// The window's five timers and the menu's TimeOutTimer on a virtual clock, for hosts that run
// the core without a window: the tests' fake host and qvtool's what-if run. A timer fires every
// interval from the moment it was armed; timers due at the same moment fire in the order they
// were armed or last fired, as the window's timer messages arrive.
#include "interpreter/core/Host.h"

#include <array>
#include <optional>

namespace qv::interp {

class Runner;

class VirtualTimers {
  public:
    static constexpr int MenuSlot = TimerCount;
    static constexpr int SlotCount = TimerCount + 1;

    // Milliseconds since the run started.
    long long Now() const { return now_; }
    void SetNow(long long now) { now_ = now; }

    // (Re)arms a slot to fire `intervalMs` (at least 1) from now, and every period after.
    void Arm(int slot, int intervalMs);
    void Disarm(int slot);
    bool Armed(int slot) const { return slots_[slot].armed; }

    struct Due {
        int slot = 0;
        long long at = 0;
        long long order = 0;
    };
    // The slot due first; nothing when none is armed.
    std::optional<Due> Next() const;
    // Moves the clock to the slot's moment, arms its next period and hands the tick to the
    // runner (OnTimer, or TimeOutTimer for the menu's slot).
    void Fire(const Due& due, Runner& runner);

    // A place in the order of events, for a host that interleaves events of its own.
    long long NextOrder() { return ++order_; }

  private:
    struct Slot {
        bool armed = false;
        int interval = 0;
        long long due = 0;
        long long order = 0;
    };
    std::array<Slot, SlotCount> slots_{};
    long long now_ = 0;
    long long order_ = 0;
};

} // namespace qv::interp
