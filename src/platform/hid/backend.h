#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/hid/device.h"
#include "platform/hid/noticehub.h"
#include "platform/hid/report.h"

namespace hid {

// Finds and opens HID devices. Two implementations: HidapiBackend (real devices through hidraw) and
// LoopbackBackend (devices played by code in the same process, for tests and the device stand-in).
// Every member may be called from any thread.
class Backend {
  public:
    Backend() : notices_(std::make_shared<NoticeHub>()) {}
    virtual ~Backend() = default;
    Backend(const Backend&) = delete;
    Backend& operator=(const Backend&) = delete;

    // The present devices of this vendor and product; 0 for either means any.
    virtual std::vector<DeviceInfo> Enumerate(std::uint16_t vendor_id, std::uint16_t product_id = 0) = 0;
    // Opens a device by its path; nullptr when it cannot be opened.
    virtual std::unique_ptr<Device> Open(const std::string& path) = 0;

    // Sets who hears of arrivals and removals (nullptr: nobody). See NoticeHub::SetHandler.
    void SetNoticeHandler(NoticeHandler handler) { notices_->SetHandler(std::move(handler)); }

  protected:
    const std::shared_ptr<NoticeHub>& Notices() const { return notices_; }

  private:
    std::shared_ptr<NoticeHub> notices_;
};

}  // namespace hid
