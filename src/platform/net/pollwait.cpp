#include "platform/net/pollwait.h"

#include <poll.h>

#include <algorithm>
#include <cerrno>

namespace net {

int PollUntil(int fd, short events, std::chrono::steady_clock::time_point deadline) {
    for (;;) {
        auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        // Long waits go in slices, so the int time-out of poll cannot overflow.
        pollfd p{fd, events, 0};
        int rc = ::poll(&p, 1, static_cast<int>(std::clamp<long long>(left.count(), 0, 60'000)));
        if (rc < 0 && errno == EINTR) continue;
        if (rc < 0) return -1;
        if (rc > 0) return p.revents;
        if (std::chrono::steady_clock::now() >= deadline) return 0;
    }
}

std::chrono::steady_clock::time_point DeadlineAfter(std::chrono::milliseconds timeout) {
    constexpr std::chrono::milliseconds kYear = std::chrono::hours(24 * 365);
    return std::chrono::steady_clock::now() + std::clamp(timeout, std::chrono::milliseconds(0), kYear);
}

}  // namespace net
