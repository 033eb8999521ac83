#pragma once
// The USB HID link: a discovery thread that finds and opens the device (vendor 0x048E, product 0x5763 in
// normal mode, 0x584F in upgrade mode), a read thread that moves input reports into g_UsbRxRing and notices
// the device's removal, and a write thread that sends g_UsbTxRing one report per 5 ms. Writes on our hid
// layer complete before they return, so one report is in flight at a time without a completion thread.
//
// The open device is closed only by the read thread (or after every thread has stopped), and never while the
// write thread is inside a write.
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <stop_token>

#include "device/linklistener.h"
#include "platform/hid/backend.h"
#include "platform/sys/workergroup.h"

constexpr std::uint16_t USB_VENDOR_ID = 0x048E;
constexpr std::uint16_t USB_PID_NORMAL = 0x5763;
constexpr std::uint16_t USB_PID_BOOT = 0x584F;

namespace device {

class UsbTransport {
  public:
    // tcpState tells the TCP client's state; discovery pauses while it is not 0.
    UsbTransport(hid::Backend& backend, LinkListener& listener, std::function<int()> tcpState);
    // Closes the device; the threads must have been joined.
    ~UsbTransport();
    UsbTransport(const UsbTransport&) = delete;
    UsbTransport& operator=(const UsbTransport&) = delete;

    // Starts the discovery, read and write threads in the group.
    void Start(sys::WorkerGroup& group);

  private:
    void DiscoveryThread(std::stop_token stop);
    void ReadThread(std::stop_token stop);
    void WriteThread(std::stop_token stop);
    // One pass over the present devices; true when one was opened.
    bool Scan(std::stop_token stop);
    bool WaitForDrains(std::stop_token stop);
    void Removed();

    hid::Backend& backend_;
    LinkListener& listener_;
    const std::function<int()> tcpState_;
    std::mutex deviceMutex_;  // held to change device_ and by every write
    std::unique_ptr<hid::Device> device_;
    bool unknownReported_ = false;
};

}  // namespace device
