#pragma once
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <stop_token>

namespace sys {

enum class WaitResult {
    kSignalled,  // the event was set
    kTimedOut,   // the time ran out first
    kStopped,    // the stop token was triggered (this wins over a set event)
};

// A Windows-style event for worker threads that have nothing to do: they block here until there is work, a
// time-out passes, or the stop flag of their group is raised (which wakes every wait on its token at once).
// An auto-reset event wakes one waiter and clears itself; a manual-reset one stays set until Reset.
// All members may be called from any thread; the event must outlive every wait on it.
class Event {
  public:
    enum class Mode { kAutoReset, kManualReset };

    explicit Event(Mode mode, bool signalled = false);
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;

    void Set();
    void Reset();
    bool IsSet() const;

    // Waits without a time limit. With a default (empty) token only Set ends the wait.
    WaitResult Wait(std::stop_token stop = {});
    WaitResult WaitFor(std::chrono::steady_clock::duration timeout, std::stop_token stop = {});

  private:
    WaitResult WaitUntil(const std::chrono::steady_clock::time_point* deadline, const std::stop_token& stop);

    const Mode mode_;
    mutable std::mutex mutex_;
    std::condition_variable cv_;
    bool signalled_;
};

// Sleeps for the given time unless the token is triggered first. Returns false when it was.
bool SleepFor(std::chrono::steady_clock::duration duration, std::stop_token stop);

}  // namespace sys
