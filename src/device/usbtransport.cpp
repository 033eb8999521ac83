#include "device/usbtransport.h"

#include <chrono>
#include <optional>

#include "device/linkevents.h"
#include "device/rings.h"
#include "device/status.h"
#include "platform/sys/event.h"

namespace device {

using namespace std::chrono_literals;

namespace {
constexpr auto kScanPeriod = 100ms;
constexpr auto kReadTimeout = 50ms;
constexpr auto kWritePacing = 5ms;
}  // namespace

UsbTransport::UsbTransport(hid::Backend& backend, LinkListener& listener, std::function<int()> tcpState)
    : backend_(backend), listener_(listener), tcpState_(std::move(tcpState)) {}

UsbTransport::~UsbTransport() {
    std::lock_guard lock(deviceMutex_);
    device_.reset();
    g_UsbConnected = 0;
}

void UsbTransport::Start(sys::WorkerGroup& group) {
    group.Start("usb-read", [this](std::stop_token stop) { ReadThread(stop); });
    group.Start("usb-write", [this](std::stop_token stop) { WriteThread(stop); });
    group.Start("usb-discovery", [this](std::stop_token stop) { DiscoveryThread(stop); });
}

void UsbTransport::DiscoveryThread(std::stop_token stop) {
    while (!stop.stop_requested()) {
        // Scans run at most every 100 ms, and not at all while a link is up or after an unknown product.
        if (g_UsbConnected.load() == 0 && tcpState_() == 0 && !unknownReported_) Scan(stop);
        sys::SleepFor(kScanPeriod, stop);
    }
}

bool UsbTransport::WaitForDrains(std::stop_token stop) {
    g_UsbTxRing.RequestDrain();
    g_UsbRxRing.RequestDrain();
    UsbTxReady().Set();
    UsbRxReady().Set();
    for (int i = 0; i < 1000; ++i) {
        if (!g_UsbTxRing.DrainPending() && !g_UsbRxRing.DrainPending()) return true;
        if (!sys::SleepFor(1ms, stop)) return false;
    }
    return false;
}

bool UsbTransport::Scan(std::stop_token stop) {
    for (const hid::DeviceInfo& info : backend_.Enumerate(USB_VENDOR_ID)) {
        if (info.product_id != USB_PID_NORMAL && info.product_id != USB_PID_BOOT) {
            unknownReported_ = true;
            listener_.UsbUnknownProduct();
            return false;
        }
        std::unique_ptr<hid::Device> opened = backend_.Open(info.path);
        if (!opened) continue;  // a failed open leaves the link down
        const bool normal = info.product_id == USB_PID_NORMAL;
        // A normal-mode device starts with empty rings; the consumers drain them before the link is up.
        if (normal && !WaitForDrains(stop)) return false;
        {
            std::lock_guard lock(deviceMutex_);
            device_ = std::move(opened);
        }
        g_UsbConnected = 1;
        // TCP may have connected during the scan; it checks us the same way after connecting, so at most one
        // link stays.
        if (tcpState_() != 0) {
            {
                std::lock_guard lock(deviceMutex_);
                device_.reset();
            }
            g_UsbConnected = 0;
            return false;
        }
        UsbOpened().Set();
        if (!normal) listener_.UsbUpgradeDeviceOpened();
        return true;
    }
    return false;
}

void UsbTransport::Removed() {
    // The handle goes before the link is marked down: discovery opens a new device only after that.
    {
        std::lock_guard lock(deviceMutex_);
        device_.reset();
    }
    g_UsbConnected = 0;
    g_Progress = kProgressDone;
    g_DeviceIdentified = 0;
    g_MediaVersionReceived = 0;
    listener_.UsbRemoved();
}

void UsbTransport::ReadThread(std::stop_token stop) {
    while (!stop.stop_requested()) {
        if (g_UsbConnected.load() != 1) {
            UsbOpened().Wait(stop);
            continue;
        }
        hid::Report report;
        const hid::ReadResult result = device_->Read(report, kReadTimeout);
        if (result == hid::ReadResult::kGone) {
            Removed();
            continue;
        }
        if (result != hid::ReadResult::kReport) continue;
        // A full ring makes the reader wait; nothing is overwritten.
        while (!g_UsbRxRing.PushWith(
            [&](UsbReport& slot) { std::copy(report.begin(), report.end(), slot.bytes); })) {
            if (!sys::SleepFor(1ms, stop)) return;
        }
        UsbRxReady().Set();
    }
}

void UsbTransport::WriteThread(std::stop_token stop) {
    std::optional<UsbReport> pending;
    while (!stop.stop_requested()) {
        if (g_UsbTxRing.DrainPending()) {
            pending.reset();
            g_UsbTxRing.TakeDrainRequest();
        }
        if (!pending) {
            UsbReport next;
            if (g_UsbTxRing.Pop(next)) pending = next;
        }
        if (!pending) {
            UsbTxReady().Wait(stop);
            continue;
        }
        bool written = false;
        if (g_UsbConnected.load() == 1) {
            hid::Report report;
            std::copy(pending->bytes, pending->bytes + kUsbReportSize, report.begin());
            std::lock_guard lock(deviceMutex_);
            written = device_ && device_->Write(report);
        }
        if (written) {
            pending.reset();
            sys::SleepFor(kWritePacing, stop);
        } else {
            // Kept and tried again: the device refused it, or it is gone until the next connection.
            UsbTxReady().WaitFor(g_UsbConnected.load() == 1 ? kWritePacing : kScanPeriod, stop);
        }
    }
}

}  // namespace device
