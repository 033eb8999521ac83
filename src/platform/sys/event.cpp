#include "platform/sys/event.h"

#include <algorithm>

namespace sys {

Event::Event(Mode mode, bool signalled) : mode_(mode), signalled_(signalled) {}

void Event::Set() {
    std::lock_guard lock(mutex_);
    signalled_ = true;
    if (mode_ == Mode::kAutoReset) {
        cv_.notify_one();
    } else {
        cv_.notify_all();
    }
}

void Event::Reset() {
    std::lock_guard lock(mutex_);
    signalled_ = false;
}

bool Event::IsSet() const {
    std::lock_guard lock(mutex_);
    return signalled_;
}

WaitResult Event::Wait(std::stop_token stop) {
    return WaitUntil(nullptr, stop);
}

WaitResult Event::WaitFor(std::chrono::steady_clock::duration timeout, std::stop_token stop) {
    // "Forever" (duration::max()) must not overflow the deadline; a year is as good.
    constexpr std::chrono::steady_clock::duration kYear = std::chrono::hours(24 * 365);
    auto deadline =
        std::chrono::steady_clock::now() + std::clamp(timeout, std::chrono::steady_clock::duration(0), kYear);
    return WaitUntil(&deadline, stop);
}

WaitResult Event::WaitUntil(const std::chrono::steady_clock::time_point* deadline,
                            const std::stop_token& stop) {
    // The callback takes the mutex before it notifies, so a stop raised between our check of the token and
    // the wait cannot be missed. It is declared before the lock: its destructor waits for a running callback,
    // which needs the mutex, so the lock must be gone by then.
    std::stop_callback on_stop(stop, [this] {
        std::lock_guard lock(mutex_);
        cv_.notify_all();
    });
    std::unique_lock lock(mutex_);
    for (;;) {
        if (stop.stop_requested()) return WaitResult::kStopped;
        if (signalled_) {
            if (mode_ == Mode::kAutoReset) signalled_ = false;
            return WaitResult::kSignalled;
        }
        if (deadline == nullptr) {
            cv_.wait(lock);
        } else if (cv_.wait_until(lock, *deadline) == std::cv_status::timeout) {
            if (stop.stop_requested()) return WaitResult::kStopped;
            if (!signalled_) return WaitResult::kTimedOut;
        }
    }
}

bool SleepFor(std::chrono::steady_clock::duration duration, std::stop_token stop) {
    Event never(Event::Mode::kManualReset);
    return never.WaitFor(duration, stop) != WaitResult::kStopped;
}

}  // namespace sys
