#pragma once
#include "platform/hid/backend.h"

namespace hid {

// Real HID devices through hidapi's hidraw backend. Paths are device nodes (/dev/hidrawN).
//
// An open device holds two hidraw handles, one for reading and one for writing, so a read thread and a write
// thread never share hidapi's per-handle state. hidapi keeps some state for the whole process (its last
// error), so calls that touch it are serialised by one process-wide lock.
//
// Notices: hidraw gives no arrival notices without udev; the removal of an open device is reported by its
// first failed read (a notice of kind kRemoval with its path), which is also how the reading thread learns of
// it.
class HidapiBackend : public Backend {
  public:
    HidapiBackend() = default;

    std::vector<DeviceInfo> Enumerate(std::uint16_t vendor_id, std::uint16_t product_id = 0) override;
    std::unique_ptr<Device> Open(const std::string& path) override;
};

}  // namespace hid
