#pragma once
// State the link timers and the dispatch threads share: the load watchdog's count, which read it watches,
// and when the device last asked for a firmware block. Atomics: the dispatch threads write them while the UI
// thread's timers read them.
#include <atomic>
#include <cstdint>
#include <functional>

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

// The clock the link's timed rules run on, in milliseconds: the application's clock, handed over when the
// link starts (DeviceLink::Start) and taken back when it stops, so the window's timers and the link measure
// time alike, and tests move both with the application's clock. Without one the link's time stands at 0.
// Any thread may read it.
using LinkClock = std::function<std::int64_t()>;
void SetLinkClock(LinkClock clock);
std::int64_t LinkNowMs();

// When the firmware transfer last moved (its start or an answered request), on the link's clock.
std::int64_t UpgradeActivityMs();
void MarkUpgradeActivity();

// Start values of everything above but the clock.
void ResetLinkState();

}  // namespace device
