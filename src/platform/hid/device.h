#pragma once
#include <chrono>
#include <string>

#include "platform/hid/report.h"

namespace hid {

// An open HID device. One thread may read while another writes; the handle is closed by destroying the
// object, which its owner does only once no thread is inside Read or Write (the reading thread itself, as a
// rule).
class Device {
  public:
    virtual ~Device() = default;

    // Waits up to timeout for one input report. report[0] is 0 and any data bytes the device did not send are
    // 0.
    virtual ReadResult Read(Report& report, std::chrono::milliseconds timeout) = 0;
    // Sends one output report; false when it was not sent (report[0] is not 0, or the device refused or
    // left).
    virtual bool Write(const Report& report) = 0;
    virtual const std::string& Path() const = 0;
};

}  // namespace hid
