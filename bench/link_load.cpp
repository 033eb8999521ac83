// From the first status reply to the routing image loaded, against the device stand-in over loopback TCP and
// over the loopback HID. The dispatch pacing (one message per 5 ms) sets a floor: the media reply, the 99
// blocks of the main image and the 8 of the routing image after the status reply.
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "device-stand-in/standin.h"
#include "device-stand-in/tcpserver.h"
#include "device-stand-in/usbplayer.h"
#include "device/commandbuilders.h"
#include "device/devicelink.h"
#include "device/linkstate.h"
#include "device/readrequests.h"
#include "device/rings.h"
#include "device/status.h"
#include "platform/hid/loopbackbackend.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr double kFloorMs = (1 + 99 + 8) * 5.0;

struct Target : device::DispatchTarget, device::LinkListener {
    void DeviceIdentified() override { identifiedAt = Clock::now(); }
    void DeviceImageLoaded() override { device::StartRoutingRead(); }
    void RoutingImageLoaded() override { loaded = true; }
    void ChannelNameChanged(int) override {}
    void UpgradeRequested() override {}
    void SaveDone() override {}
    void UsbUnknownProduct() override {}
    void UsbUpgradeDeviceOpened() override {}
    void UsbRemoved() override {}
    void LinkNotice(const device::Notice&) override {}
    Clock::time_point identifiedAt;
    std::atomic<bool> loaded{false};
};

template <typename Done>
void Wait(Done done) {
    while (!done()) std::this_thread::sleep_for(std::chrono::microseconds(200));
}

void Run(benchmark::State& state, bool overUsb) {
    standin::DeviceStandIn stand;
    hid::LoopbackBackend hid;
    standin::StandInUsb usb(stand, hid);
    standin::StandInTcpServer server(stand);
    if (overUsb) {
        usb.Plug();
    } else if (!server.Start("127.0.0.1", 0)) {
        state.SkipWithError("cannot listen on loopback");
        return;
    }
    for (auto _ : state) {
        device::ResetStatus();
        device::ResetLinkState();
        Target target;
        device::DeviceLink link(target, target);
        link.Start(overUsb ? device::LinkConfig{&hid, "", 0}
                           : device::LinkConfig{nullptr, "127.0.0.1", server.Port()});
        Wait([&] { return g_UsbConnected.load() == 1 || link.TcpState() != 0; });
        device::SendStatusQuery();
        Wait([] { return g_DeviceIdentified.load() == 1; });
        device::StartFullRead();
        Wait([&] { return target.loaded.load(); });
        const double ms =
            std::chrono::duration<double, std::milli>(Clock::now() - target.identifiedAt).count();
        state.SetIterationTime(ms / 1000.0);
        link.Stop();
    }
    state.counters["floor_ms"] = kFloorMs;
}

void BM_StatusToRoutingLoadedTcp(benchmark::State& state) {
    Run(state, false);
}
void BM_StatusToRoutingLoadedUsb(benchmark::State& state) {
    Run(state, true);
}

BENCHMARK(BM_StatusToRoutingLoadedTcp)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_StatusToRoutingLoadedUsb)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
