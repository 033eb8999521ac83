#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "platform/ui/messages.h"

namespace ui {

// The timers of one application, by window handle and id. A timer is not a queued message: its tick is made
// when the loop finds it due, so killing a timer drops its pending tick and a timer never has two ticks
// pending.
class TimerQueue {
  public:
    struct Timer {
        uint32_t window = 0;  // 0 for the layer's own timers, which run `action` instead of WM_TIMER
        UINT_PTR id = 0;
        int64_t period = 0;
        int64_t deadline = 0;
        uint64_t seq = 0;  // ties between equal deadlines go in the order the timers were set
        std::function<void()> action;
    };

    // Sets or restarts a timer; the first tick is due period ms from now (at least 1 ms).
    void Set(uint32_t window, UINT_PTR id, int64_t period, int64_t now, std::function<void()> action = {});
    bool Kill(uint32_t window, UINT_PTR id);
    void KillAll(uint32_t window);
    bool Has(uint32_t window, UINT_PTR id) const;

    std::optional<int64_t> NextDeadline() const;
    // Takes the earliest due timer and schedules its next tick one period later (or a period from now when
    // the loop fell behind by more than a period, so ticks never pile up).
    std::optional<Timer> TakeDue(int64_t now);

  private:
    std::vector<Timer> timers_;
    uint64_t seq_ = 0;
};

}  // namespace ui
