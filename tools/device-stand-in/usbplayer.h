#pragma once
// Plays the stand-in as a USB HID device through the loopback HID backend, in the same process as the
// console: it plugs itself in with the device's ids, answers the reports the console writes, and leaves and
// returns as the upgrade-mode device (and back) the way the device restarts.
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

#include "device-stand-in/standin.h"
#include "platform/hid/loopbackbackend.h"

namespace standin {

constexpr std::uint16_t kVendorId = 0x048E;
constexpr std::uint16_t kProductNormal = 0x5763;
constexpr std::uint16_t kProductUpgrade = 0x584F;

class StandInUsb {
  public:
    StandInUsb(DeviceStandIn& device, hid::LoopbackBackend& backend) : device_(device), backend_(backend) {}
    // Unplugs and stops.
    ~StandInUsb();
    StandInUsb(const StandInUsb&) = delete;
    StandInUsb& operator=(const StandInUsb&) = delete;

    // Plugs the device in with this product id (the normal one unless said) and starts answering.
    void Plug(std::uint16_t productId = kProductNormal);
    // Pulls the device out (a removal); Plug brings a new one.
    void Unplug();
    bool Plugged() const;
    // The product id of the device plugged in now; 0 when none.
    std::uint16_t ProductId() const;
    // Times a device was plugged in so far.
    int Plugs() const { return plugs_.load(); }

  private:
    void Run(std::stop_token stop);
    std::shared_ptr<hid::LoopbackDevice> Current() const;

    DeviceStandIn& device_;
    hid::LoopbackBackend& backend_;
    mutable std::mutex mutex_;
    std::shared_ptr<hid::LoopbackDevice> plugged_;
    std::atomic<int> plugs_{0};
    std::jthread thread_;
};

}  // namespace standin
