#pragma once
// The whole device link of one run: the TCP threads (connect, receive, dispatch, send), then the USB threads
// (read, write, dispatch, discovery), all in one worker group with one stop flag. Stop raises the flag, wakes
// and joins every thread, and closes the device and the socket; a new Start runs the link afresh, so tests
// start and stop it many times in one process.
#include <cstdint>
#include <memory>
#include <string>

#include "device/dispatcher.h"
#include "device/linklistener.h"
#include "device/linkstate.h"
#include "device/rxcountdown.h"
#include "platform/hid/backend.h"
#include "platform/sys/workergroup.h"

namespace device {

class TcpTransport;
class UsbTransport;

struct LinkConfig {
    hid::Backend* hid = nullptr;  // no USB link when null
    std::string host;             // no TCP link when empty
    std::uint16_t port = 6000;
};

class DeviceLink {
  public:
    DeviceLink(DispatchTarget& target, LinkListener& listener);
    ~DeviceLink();
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

    // clock: the application's clock, which the link's timed rules read while it runs (see SetLinkClock).
    void Start(const LinkConfig& config, LinkClock clock = {});
    // Any pending cross-thread send must be released by the caller first (the window layer does so at stop).
    void Stop();
    bool Running() const { return group_ != nullptr; }

    // The TCP client's state: 0 disconnected, 1 connected, 2 network down.
    int TcpState() const;
    // Ends the TCP connection (the connect thread makes a new one).
    void DropTcp();
    // The TCP receive side's byte countdown; it outlives every run of the link.
    RxCountdown& ReceiveCountdown() { return rxCountdown_; }

  private:
    DispatchTarget& target_;
    LinkListener& listener_;
    std::unique_ptr<TcpTransport> tcp_;
    std::unique_ptr<UsbTransport> usb_;
    std::unique_ptr<sys::WorkerGroup> group_;
    RxCountdown rxCountdown_;
};

}  // namespace device
