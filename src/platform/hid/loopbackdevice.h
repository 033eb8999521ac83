#pragma once
#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>

#include "platform/hid/noticehub.h"
#include "platform/hid/report.h"

namespace hid {

// The wire between one loopback device and the host handles opened on it: a queue each way and whether the
// device is plugged in. Shared by the device side, the host handles and the backend's list.
struct LoopbackPort {
    explicit LoopbackPort(DeviceInfo info) : info(std::move(info)) {}

    // Waits up to timeout for a report in queue and takes it; kGone once unplugged.
    ReadResult Take(std::deque<Report>& queue, Report& report, std::chrono::milliseconds timeout);
    // Appends a report to queue; false once unplugged.
    bool Put(std::deque<Report>& queue, const Report& report);
    bool Plugged();

    const DeviceInfo info;
    std::mutex mutex;
    std::condition_variable changed;  // a queue grew or the device was unplugged
    std::deque<Report> to_device;
    std::deque<Report> to_host;
    bool plugged = true;
};

// The device's own side of a loopback HID device: code that plays the device reads what the host wrote and
// writes reports for the host to read. Made by LoopbackBackend::Plug. Thread-safe: the device side may run on
// its own thread while host handles read and write on others.
class LoopbackDevice {
  public:
    LoopbackDevice(std::shared_ptr<LoopbackPort> port, std::shared_ptr<NoticeHub> notices);
    ~LoopbackDevice();
    LoopbackDevice(const LoopbackDevice&) = delete;
    LoopbackDevice& operator=(const LoopbackDevice&) = delete;

    const DeviceInfo& Info() const { return port_->info; }

    // Waits up to timeout for a report the host wrote (65 bytes as written, byte 0 the report id 0). kGone
    // once unplugged.
    ReadResult ReadFromHost(Report& report, std::chrono::milliseconds timeout);
    // Queues an input report for the host. Byte 0 is not sent (input reports carry no id); the host reads it
    // as 0. False once unplugged.
    bool SendToHost(const Report& report);
    // Pulls the device out: pending and later reads on both sides fail, writes are refused, the path no
    // longer opens or enumerates, and a removal notice goes out. A device cannot come back: plug a new one
    // (the device restarting in another mode shows up as a new device with its own product id and path).
    void Unplug();
    bool Plugged() const;

    // Reports the host wrote that the device side has not read yet.
    std::size_t PendingFromHost() const;

  private:
    const std::shared_ptr<LoopbackPort> port_;
    const std::shared_ptr<NoticeHub> notices_;
};

}  // namespace hid
