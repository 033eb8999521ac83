#include "device-stand-in/usbplayer.h"

#include <chrono>
#include <utility>

#include "device/frames.h"

namespace standin {

using namespace std::chrono_literals;

StandInUsb::~StandInUsb() {
    if (thread_.joinable()) {
        thread_.request_stop();
        thread_.join();
    }
    Unplug();
}

void StandInUsb::Plug(std::uint16_t productId) {
    auto fresh = backend_.Plug(kVendorId, productId);
    std::shared_ptr<hid::LoopbackDevice> old;
    {
        std::lock_guard lock(mutex_);
        old = std::exchange(plugged_, fresh);
    }
    if (old) old->Unplug();
    ++plugs_;
    if (!thread_.joinable()) thread_ = std::jthread([this](std::stop_token stop) { Run(stop); });
}

void StandInUsb::Unplug() {
    std::shared_ptr<hid::LoopbackDevice> old;
    {
        std::lock_guard lock(mutex_);
        old = std::exchange(plugged_, nullptr);
    }
    if (old) old->Unplug();
}

bool StandInUsb::Plugged() const {
    const auto dev = Current();
    return dev && dev->Plugged();
}

std::uint16_t StandInUsb::ProductId() const {
    const auto dev = Current();
    return dev && dev->Plugged() ? dev->Info().product_id : 0;
}

std::shared_ptr<hid::LoopbackDevice> StandInUsb::Current() const {
    std::lock_guard lock(mutex_);
    return plugged_;
}

void StandInUsb::Run(std::stop_token stop) {
    while (!stop.stop_requested()) {
        const auto dev = Current();
        if (!dev || !dev->Plugged()) {
            std::this_thread::sleep_for(5ms);
            continue;
        }
        hid::Report in{};
        if (dev->ReadFromHost(in, 20ms) != hid::ReadResult::kReport) continue;
        const int len = in[1];
        if (len < 1 || len > kUsbMaxPayload || device::Checksum8(in.data() + 2, len) != in[2 + len]) continue;
        const Outcome out = device_.Handle(Via::Usb, in.data() + 2, len);
        for (const Message& m : out.messages) {
            hid::Report r{};
            const int n = int(m.payload.size());
            r[1] = std::uint8_t(n);
            std::copy(m.payload.begin(), m.payload.end(), r.begin() + 2);
            const std::uint8_t sum = device::Checksum8(m.payload.data(), m.payload.size());
            r[2 + n] = m.badSum ? std::uint8_t(sum + 1) : sum;
            dev->SendToHost(r);
        }
        if (out.restart == Outcome::Restart::AsUpgradeDevice) Plug(kProductUpgrade);
        if (out.restart == Outcome::Restart::AsNormalDevice) Plug(kProductNormal);
    }
}

}  // namespace standin
