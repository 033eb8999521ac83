#pragma once
#include <chrono>

namespace net {

// Waits until fd reports one of events (poll(2) flags) or the deadline passes, going on after EINTR.
// Returns the revents (> 0), 0 at the deadline, -1 on a poll error.
int PollUntil(int fd, short events, std::chrono::steady_clock::time_point deadline);

// now + timeout, with negative time-outs taken as 0 and huge ones (milliseconds::max() for "forever") cut to
// a year, so the sum cannot overflow.
std::chrono::steady_clock::time_point DeadlineAfter(std::chrono::milliseconds timeout);

}  // namespace net
