#include "device/linkstate.h"

#include <chrono>

std::atomic<int> g_LoadWatchdogTicks{0};

namespace device {

namespace {
std::atomic<int> g_PendingRead{int(PendingRead::None)};
std::atomic<std::int64_t> g_UpgradeActivityMs{0};
}  // namespace

PendingRead GetPendingRead() {
    return PendingRead(g_PendingRead.load());
}

void SetPendingRead(PendingRead read) {
    g_PendingRead = int(read);
}

std::int64_t SteadyNowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

std::int64_t UpgradeActivityMs() {
    return g_UpgradeActivityMs.load();
}

void MarkUpgradeActivity() {
    g_UpgradeActivityMs = SteadyNowMs();
}

void ResetLinkState() {
    g_LoadWatchdogTicks = 0;
    g_PendingRead = int(PendingRead::None);
    g_UpgradeActivityMs = 0;
}

}  // namespace device
