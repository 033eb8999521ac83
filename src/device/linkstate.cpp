#include "device/linkstate.h"

#include <mutex>

std::atomic<int> g_LoadWatchdogTicks{0};

namespace device {

namespace {
std::atomic<int> g_PendingRead{int(PendingRead::None)};
std::atomic<std::int64_t> g_UpgradeActivityMs{0};
std::mutex g_ClockMutex;
LinkClock g_Clock;
}  // namespace

PendingRead GetPendingRead() {
    return PendingRead(g_PendingRead.load());
}

void SetPendingRead(PendingRead read) {
    g_PendingRead = int(read);
}

void SetLinkClock(LinkClock clock) {
    std::lock_guard lock(g_ClockMutex);
    g_Clock = std::move(clock);
}

std::int64_t LinkNowMs() {
    std::lock_guard lock(g_ClockMutex);
    return g_Clock ? g_Clock() : 0;
}

std::int64_t UpgradeActivityMs() {
    return g_UpgradeActivityMs.load();
}

void MarkUpgradeActivity() {
    g_UpgradeActivityMs = LinkNowMs();
}

void ResetLinkState() {
    g_LoadWatchdogTicks = 0;
    g_PendingRead = int(PendingRead::None);
    g_UpgradeActivityMs = 0;
}

}  // namespace device
