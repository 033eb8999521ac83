#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace hid {

// Reports are 65 bytes in both directions: byte 0 is the report id, always 0 for the devices we talk to (they
// have no numbered reports), bytes 1..64 are the data. hidraw leaves the id out of what it reads; the
// backends put it back, so callers see one layout everywhere.
inline constexpr std::size_t kReportSize = 65;
using Report = std::array<std::uint8_t, kReportSize>;

// A present device, as enumeration finds it. The path is what Open takes, and what notices name.
struct DeviceInfo {
    std::uint16_t vendor_id = 0;
    std::uint16_t product_id = 0;
    std::string path;
    bool operator==(const DeviceInfo&) const = default;
};

enum class ReadResult {
    kReport,    // a report was read
    kTimedOut,  // none arrived in time; the device is still there
    kGone,      // the read failed: the device is gone and the handle is of no further use
};

// A device arrived or left. Handlers run on whichever thread noticed it and must not block for long; the
// window layer turns them into posted messages.
struct Notice {
    enum class Kind { kArrival, kRemoval };
    Kind kind = Kind::kRemoval;
    std::string path;
    bool operator==(const Notice&) const = default;
};
using NoticeHandler = std::function<void(const Notice&)>;

}  // namespace hid
