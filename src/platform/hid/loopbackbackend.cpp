#include "platform/hid/loopbackbackend.h"

#include <algorithm>
#include <utility>

namespace hid {
namespace {

// The host's handle on a loopback device.
class LoopbackHostDevice : public Device {
  public:
    explicit LoopbackHostDevice(std::shared_ptr<LoopbackPort> port) : port_(std::move(port)) {}

    ReadResult Read(Report& report, std::chrono::milliseconds timeout) override {
        return port_->Take(port_->to_host, report, timeout);
    }

    bool Write(const Report& report) override {
        return report[0] == 0 && port_->Put(port_->to_device, report);
    }

    const std::string& Path() const override { return port_->info.path; }

  private:
    const std::shared_ptr<LoopbackPort> port_;
};

}  // namespace

LoopbackBackend::~LoopbackBackend() {
    std::vector<std::shared_ptr<LoopbackPort>> ports;
    {
        std::lock_guard lock(mutex_);
        ports.swap(ports_);
    }
    // Wake host reads still waiting on these ports; the notice handler is not told, it may belong to an
    // object that is already gone.
    for (auto& port : ports) {
        std::lock_guard lock(port->mutex);
        port->plugged = false;
        port->changed.notify_all();
    }
}

std::shared_ptr<LoopbackDevice> LoopbackBackend::Plug(std::uint16_t vendor_id, std::uint16_t product_id) {
    std::shared_ptr<LoopbackPort> port;
    {
        std::lock_guard lock(mutex_);
        port = std::make_shared<LoopbackPort>(
            DeviceInfo{vendor_id, product_id, "loopback:" + std::to_string(next_id_++)});
        // Ports of unplugged devices are dropped here, so the list does not grow with every replug.
        std::erase_if(ports_, [](const std::shared_ptr<LoopbackPort>& p) { return !p->Plugged(); });
        ports_.push_back(port);
    }
    Notices()->Notify({Notice::Kind::kArrival, port->info.path});
    return std::make_shared<LoopbackDevice>(port, Notices());
}

std::vector<DeviceInfo> LoopbackBackend::Enumerate(std::uint16_t vendor_id, std::uint16_t product_id) {
    std::vector<DeviceInfo> found;
    std::lock_guard lock(mutex_);
    for (const auto& port : ports_) {
        if (vendor_id != 0 && port->info.vendor_id != vendor_id) continue;
        if (product_id != 0 && port->info.product_id != product_id) continue;
        if (port->Plugged()) found.push_back(port->info);
    }
    return found;
}

std::unique_ptr<Device> LoopbackBackend::Open(const std::string& path) {
    std::lock_guard lock(mutex_);
    auto it = std::find_if(ports_.begin(), ports_.end(), [&](const auto& p) { return p->info.path == path; });
    if (it == ports_.end() || !(*it)->Plugged()) return nullptr;
    return std::make_unique<LoopbackHostDevice>(*it);
}

}  // namespace hid
