#include "platform/ui/timerqueue.h"

#include <algorithm>

namespace ui {

void TimerQueue::Set(uint32_t window, UINT_PTR id, int64_t period, int64_t now,
                     std::function<void()> action) {
    period = std::max<int64_t>(period, 1);
    for (Timer& t : timers_) {
        if (t.window == window && t.id == id) {
            t.period = period;
            t.deadline = now + period;
            t.seq = ++seq_;
            t.action = std::move(action);
            return;
        }
    }
    timers_.push_back(Timer{window, id, period, now + period, ++seq_, std::move(action)});
}

bool TimerQueue::Kill(uint32_t window, UINT_PTR id) {
    auto it = std::find_if(timers_.begin(), timers_.end(),
                           [&](const Timer& t) { return t.window == window && t.id == id; });
    if (it == timers_.end()) return false;
    timers_.erase(it);
    return true;
}

void TimerQueue::KillAll(uint32_t window) {
    std::erase_if(timers_, [&](const Timer& t) { return t.window == window; });
}

bool TimerQueue::Has(uint32_t window, UINT_PTR id) const {
    return std::any_of(timers_.begin(), timers_.end(),
                       [&](const Timer& t) { return t.window == window && t.id == id; });
}

std::optional<int64_t> TimerQueue::NextDeadline() const {
    std::optional<int64_t> best;
    for (const Timer& t : timers_) {
        if (!best || t.deadline < *best) best = t.deadline;
    }
    return best;
}

std::optional<TimerQueue::Timer> TimerQueue::TakeDue(int64_t now) {
    Timer* best = nullptr;
    for (Timer& t : timers_) {
        if (t.deadline > now) continue;
        if (!best || t.deadline < best->deadline || (t.deadline == best->deadline && t.seq < best->seq))
            best = &t;
    }
    if (!best) return std::nullopt;
    Timer due = *best;
    best->deadline += best->period;
    if (best->deadline <= now) best->deadline = now + best->period;
    return due;
}

}  // namespace ui
