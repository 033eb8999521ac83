#include "platform/hid/loopbackdevice.h"

#include <algorithm>
#include <utility>

namespace hid {

ReadResult LoopbackPort::Take(std::deque<Report>& queue, Report& report, std::chrono::milliseconds timeout) {
    // Bounded so that a caller's "forever" (milliseconds::max()) cannot overflow the clock.
    timeout =
        std::clamp<std::chrono::milliseconds>(timeout, std::chrono::milliseconds(0), std::chrono::hours(24));
    std::unique_lock lock(mutex);
    bool ready = changed.wait_for(lock, timeout, [&] { return !plugged || !queue.empty(); });
    if (!plugged) return ReadResult::kGone;
    if (!ready) return ReadResult::kTimedOut;
    report = queue.front();
    queue.pop_front();
    return ReadResult::kReport;
}

bool LoopbackPort::Put(std::deque<Report>& queue, const Report& report) {
    std::lock_guard lock(mutex);
    if (!plugged) return false;
    queue.push_back(report);
    changed.notify_all();
    return true;
}

bool LoopbackPort::Plugged() {
    std::lock_guard lock(mutex);
    return plugged;
}

LoopbackDevice::LoopbackDevice(std::shared_ptr<LoopbackPort> port, std::shared_ptr<NoticeHub> notices)
    : port_(std::move(port)), notices_(std::move(notices)) {}

LoopbackDevice::~LoopbackDevice() = default;

ReadResult LoopbackDevice::ReadFromHost(Report& report, std::chrono::milliseconds timeout) {
    return port_->Take(port_->to_device, report, timeout);
}

bool LoopbackDevice::SendToHost(const Report& report) {
    Report input = report;
    input[0] = 0;
    return port_->Put(port_->to_host, input);
}

void LoopbackDevice::Unplug() {
    {
        std::lock_guard lock(port_->mutex);
        if (!port_->plugged) return;
        port_->plugged = false;
        port_->to_device.clear();
        port_->to_host.clear();
        port_->changed.notify_all();
    }
    notices_->Notify({Notice::Kind::kRemoval, port_->info.path});
}

bool LoopbackDevice::Plugged() const {
    return port_->Plugged();
}

std::size_t LoopbackDevice::PendingFromHost() const {
    std::lock_guard lock(port_->mutex);
    return port_->to_device.size();
}

}  // namespace hid
