#pragma once
#include <mutex>

#include "platform/hid/backend.h"
#include "platform/hid/loopbackdevice.h"

namespace hid {

// HID devices played by code in the same process. A test (or the device stand-in) plugs a device in with the
// ids it wants and drives it through the returned LoopbackDevice; the code under test finds and opens it
// through the Backend interface like a real one. Paths are "loopback:N", a new N for every plug.
//
// Notices: Plug sends an arrival, LoopbackDevice::Unplug a removal, each on the thread that called it.
class LoopbackBackend : public Backend {
  public:
    LoopbackBackend() = default;
    // Unplugs every device still plugged in.
    ~LoopbackBackend() override;

    std::shared_ptr<LoopbackDevice> Plug(std::uint16_t vendor_id, std::uint16_t product_id);

    std::vector<DeviceInfo> Enumerate(std::uint16_t vendor_id, std::uint16_t product_id = 0) override;
    std::unique_ptr<Device> Open(const std::string& path) override;

  private:
    std::mutex mutex_;
    int next_id_ = 0;
    std::vector<std::shared_ptr<LoopbackPort>> ports_;
};

}  // namespace hid
