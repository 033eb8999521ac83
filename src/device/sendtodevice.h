#pragma once
// The one entry point for every command: frames a payload for the link in use and queues it in that link's
// transmit ring. Callable from any thread.
#include <cstdint>

namespace device {

enum class SendResult {
    Queued,
    Filtered,  // dropped: an ordinary command while an upgrade runs
    TooLong,   // dropped: longer than the link's frame; the overrun box was posted
    RingFull,  // dropped: the transmit ring holds 49 entries not yet sent
    Invalid,   // dropped: no payload
};

// Over USB while g_UsbConnected is 1, otherwise into the TCP transmit ring (where frames wait while no link
// is up). data[0] is the code; len is 1..62 over USB, 1..131 over TCP.
SendResult TrySendToDevice(std::uint8_t len, const std::uint8_t* data);
// True when the command was queued.
bool SendToDevice(std::uint8_t len, const std::uint8_t* data);

// Queues one report in the USB transmit ring; true when queued.
SendResult TryQueueUsbReport(std::uint8_t len, const std::uint8_t* data);
bool QueueUsbReport(std::uint8_t len, const std::uint8_t* data);

}  // namespace device
