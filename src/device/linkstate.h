#pragma once
// State the link timers and the dispatch threads share: the load watchdog's count, which read it watches,
// and when the device last asked for a firmware block. Atomics: the dispatch threads write them while the UI
// thread's timers read them.
#include <atomic>
#include <cstdint>

// TIMER_LOAD_WATCHDOG ticks since the last received image block.
extern std::atomic<int> g_LoadWatchdogTicks;

namespace device {

// The read the watchdog repeats when blocks stop coming.
enum class PendingRead : int {
    None,
    FullRead,      // CMD_READ_MODE for the settings in use
    Recall,        // CMD_READ_MODE for a slot
    RoutingImage,  // CMD_REQUEST_ROUTING_IMAGE
};

PendingRead GetPendingRead();
void SetPendingRead(PendingRead read);

// Milliseconds on the steady clock when the firmware transfer last moved (its start or an answered request).
std::int64_t UpgradeActivityMs();
void MarkUpgradeActivity();
std::int64_t SteadyNowMs();

// Start values of everything above.
void ResetLinkState();

}  // namespace device
