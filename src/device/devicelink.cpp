#include "device/devicelink.h"

#include "device/dispatchthreads.h"
#include "device/linkevents.h"
#include "device/notice.h"
#include "device/status.h"
#include "device/tcptransport.h"
#include "device/usbtransport.h"

namespace device {

DeviceLink::DeviceLink(DispatchTarget& target, LinkListener& listener)
    : target_(target), listener_(listener) {}

DeviceLink::~DeviceLink() {
    Stop();
}

int DeviceLink::TcpState() const {
    return tcp_ ? tcp_->Client().GetState() : 0;
}

void DeviceLink::DropTcp() {
    if (tcp_) tcp_->Drop();
}

void DeviceLink::Start(const LinkConfig& config, LinkClock clock) {
    Stop();
    group_ = std::make_unique<sys::WorkerGroup>();
    SetLinkClock(std::move(clock));
    SetNoticeSink([this](const Notice& notice) { listener_.LinkNotice(notice); });
    const auto tcpState = [this] { return TcpState(); };
    if (!config.host.empty()) {
        tcp_ = std::make_unique<TcpTransport>(config.host, config.port, rxCountdown_);
        tcp_->Start(*group_);
        group_->Start("tcp-dispatch",
                      [this, tcpState](std::stop_token stop) { TcpDispatchThread(stop, target_, tcpState); });
    }
    if (config.hid != nullptr) {
        usb_ = std::make_unique<UsbTransport>(*config.hid, listener_, tcpState);
        usb_->Start(*group_);
        group_->Start("usb-dispatch", [this](std::stop_token stop) { UsbDispatchThread(stop, target_); });
    }
}

void DeviceLink::Stop() {
    if (!group_) return;
    group_->RequestStop();
    if (tcp_) tcp_->Shutdown();  // wakes a thread blocked in recv
    group_->Join();
    // Both may point into the window and its application, which can go once the link has stopped.
    SetNoticeSink(nullptr);
    SetLinkClock(nullptr);
    group_.reset();
    usb_.reset();  // closes the device, clears g_UsbConnected
    tcp_.reset();  // closes the socket
    // The events may hold a wake-up meant for this run.
    for (sys::Event* e : {&UsbTxReady(), &TcpTxReady(), &UsbRxReady(), &TcpRxReady(), &UsbOpened()})
        e->Reset();
}

}  // namespace device
