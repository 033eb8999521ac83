#pragma once
// Turns one message from the device into the console's state: the status values, the name tables, the
// received image blocks with their shadows, and the answers of the firmware conversation. What the UI thread
// must hear of is handed to a DispatchTarget, which the main window implements (sends for the steps the UI
// must finish before the next message, posts for notices). Each message is checked before use: a bad length
// or sum, a message shorter than what its case reads, or a number out of range skips it whole.
#include <cstdint>

#include "device/frames.h"

namespace device {

enum class Link { Usb, Tcp };

class DispatchTarget {
  public:
    virtual ~DispatchTarget() = default;
    // The first status reply of a connection was stored and the model decoded; the version text must be shown
    // and WM_DEVICE_IDENTIFIED handled before this returns. g_DeviceIdentified is set after it returns.
    virtual void DeviceIdentified() = 0;
    // Every block of the image arrived: the handler loads it before this returns.
    virtual void DeviceImageLoaded() = 0;
    virtual void RoutingImageLoaded() = 0;
    // Posted: no wait.
    virtual void ChannelNameChanged(int channel) = 0;
    virtual void UpgradeRequested() = 0;
    virtual void SaveDone() = 0;
};

enum class DispatchOutcome {
    Handled,
    BadLength,     // length 0 or above 62
    BadSum,        // USB report whose sum does not match
    Short,         // shorter than the positions its case reads
    BadSubCode,    // status or media reply without 0x13
    OutOfRange,    // block, slot or channel number past its table
    UnknownCode,   // a code outside the message table
    AlreadyKnown,  // a second media reply in one connection
};

// One payload: payload[0] is the code, len its length.
DispatchOutcome DispatchPayload(Link link, const std::uint8_t* payload, int len, DispatchTarget& target);
// A USB report as read (id, L, payload, sum).
DispatchOutcome DispatchUsbReport(const UsbReport& report, DispatchTarget& target);
// A TCP receive entry ([0] L, then the payload; its sum was checked by the parser).
DispatchOutcome DispatchTcpEntry(const TcpRxEntry& entry, DispatchTarget& target);

}  // namespace device
