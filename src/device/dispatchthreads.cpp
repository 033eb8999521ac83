#include "device/dispatchthreads.h"

#include <chrono>

#include "device/linkevents.h"
#include "device/rings.h"
#include "platform/sys/event.h"

namespace device {

namespace {

constexpr auto kPacing = std::chrono::milliseconds(5);

template <typename Ring, typename Dispatch>
void Run(std::stop_token stop, Ring& ring, sys::Event& ready, const std::function<bool()>& linkUp,
         Dispatch dispatch) {
    while (!stop.stop_requested()) {
        ring.TakeDrainRequest();
        if (!linkUp() || !ring.PopWith(dispatch)) {
            ready.Wait(stop);
            continue;
        }
        sys::SleepFor(kPacing, stop);
    }
}

}  // namespace

void UsbDispatchThread(std::stop_token stop, DispatchTarget& target) {
    Run(
        stop, g_UsbRxRing, UsbRxReady(), [] { return true; },
        [&](const UsbReport& r) { DispatchUsbReport(r, target); });
}

void TcpDispatchThread(std::stop_token stop, DispatchTarget& target, const std::function<int()>& tcpState) {
    Run(
        stop, g_TcpRxRing, TcpRxReady(), [&] { return tcpState() != 0; },
        [&](const TcpRxEntry& e) { DispatchTcpEntry(e, target); });
}

}  // namespace device
