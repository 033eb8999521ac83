#include "platform/hid/hidapibackend.h"

#include <hidapi.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <mutex>

namespace hid {
namespace {

// hidapi's process-wide state (initialisation, the global error text) is not guarded by hidapi itself.
std::mutex& HidapiGlobalLock() {
    static std::mutex lock;
    return lock;
}

hid_device* OpenPath(const std::string& path) {
    std::lock_guard lock(HidapiGlobalLock());
    if (hid_init() != 0) return nullptr;
    return hid_open_path(path.c_str());
}

class HidapiDevice : public Device {
  public:
    HidapiDevice(std::string path, hid_device* reader, hid_device* writer, std::shared_ptr<NoticeHub> notices)
        : path_(std::move(path)), reader_(reader), writer_(writer), notices_(std::move(notices)) {}

    ~HidapiDevice() override {
        std::lock_guard lock(HidapiGlobalLock());
        hid_close(reader_);
        hid_close(writer_);
    }

    ReadResult Read(Report& report, std::chrono::milliseconds timeout) override {
        const int ms =
            static_cast<int>(std::clamp<std::chrono::milliseconds::rep>(timeout.count(), 0, INT_MAX));
        if (gone_.load()) return ReadResult::kGone;
        errno = 0;
        int n = hid_read_timeout(reader_, report.data() + 1, kReportSize - 1, ms);
        // A signal that interrupts the wait is no removal.
        if (n < 0 && errno == EINTR) return ReadResult::kTimedOut;
        if (n < 0) {
            // Report the removal once, however often the reader tries again.
            if (!gone_.exchange(true)) notices_->Notify({Notice::Kind::kRemoval, path_});
            return ReadResult::kGone;
        }
        if (n == 0) return ReadResult::kTimedOut;
        report[0] = 0;
        std::fill(report.begin() + 1 + n, report.end(), 0);
        return ReadResult::kReport;
    }

    bool Write(const Report& report) override {
        if (report[0] != 0) return false;
        return hid_write(writer_, report.data(), report.size()) == static_cast<int>(report.size());
    }

    const std::string& Path() const override { return path_; }

  private:
    const std::string path_;
    hid_device* const reader_;
    hid_device* const writer_;
    const std::shared_ptr<NoticeHub> notices_;
    std::atomic<bool> gone_{false};
};

}  // namespace

std::vector<DeviceInfo> HidapiBackend::Enumerate(std::uint16_t vendor_id, std::uint16_t product_id) {
    std::vector<DeviceInfo> found;
    std::lock_guard lock(HidapiGlobalLock());
    if (hid_init() != 0) return found;
    hid_device_info* list = hid_enumerate(vendor_id, product_id);
    for (hid_device_info* d = list; d != nullptr; d = d->next) {
        if (d->path == nullptr || (vendor_id != 0 && d->vendor_id != vendor_id)) continue;
        if (product_id != 0 && d->product_id != product_id) continue;
        // A device with several interfaces may be listed once per interface under one node.
        DeviceInfo info{d->vendor_id, d->product_id, d->path};
        if (std::find(found.begin(), found.end(), info) == found.end()) found.push_back(std::move(info));
    }
    hid_free_enumeration(list);
    return found;
}

std::unique_ptr<Device> HidapiBackend::Open(const std::string& path) {
    hid_device* reader = OpenPath(path);
    if (reader == nullptr) return nullptr;
    hid_device* writer = OpenPath(path);
    if (writer == nullptr) {
        std::lock_guard lock(HidapiGlobalLock());
        hid_close(reader);
        return nullptr;
    }
    return std::make_unique<HidapiDevice>(path, reader, writer, Notices());
}

}  // namespace hid
