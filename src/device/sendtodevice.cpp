#include "device/sendtodevice.h"

#include "device/commands.h"
#include "device/linkevents.h"
#include "device/notice.h"
#include "device/rings.h"
#include "device/status.h"

namespace device {

namespace {

// The steps both links share: the upgrade filter, the length check with its box, then the ring.
template <typename Ring, typename Frame>
SendResult Queue(Ring& ring, sys::Event& ready, std::uint8_t len, const std::uint8_t* data, int maxLen,
                 NoticeKind overrun, const char* overrunText, Frame frame) {
    if (g_UpgradeRunning.load() == 1 && data[0] <= kLastOrdinaryCommand) return SendResult::Filtered;
    if (len > maxLen) {
        PostNotice({overrun, overrunText});
        return SendResult::TooLong;
    }
    if (!ring.PushWith([&](auto& slot) { frame(len, data, slot); })) return SendResult::RingFull;
    ready.Set();  // wakes the link's write thread
    return SendResult::Queued;
}

}  // namespace

SendResult TryQueueUsbReport(std::uint8_t len, const std::uint8_t* data) {
    if (len == 0 || data == nullptr) return SendResult::Invalid;
    return Queue(g_UsbTxRing, UsbTxReady(), len, data, kUsbMaxPayload, NoticeKind::UsbSendOverrun,
                 kUsbSendOverrunText, FrameUsbReport);
}

bool QueueUsbReport(std::uint8_t len, const std::uint8_t* data) {
    return TryQueueUsbReport(len, data) == SendResult::Queued;
}

SendResult TrySendToDevice(std::uint8_t len, const std::uint8_t* data) {
    if (len == 0 || data == nullptr) return SendResult::Invalid;
    if (g_UsbConnected.load() == 1) return TryQueueUsbReport(len, data);
    return Queue(g_TcpTxRing, TcpTxReady(), len, data, kTcpMaxPayload, NoticeKind::TcpSendOverrun,
                 kTcpSendOverrunText, FrameTcp);
}

bool SendToDevice(std::uint8_t len, const std::uint8_t* data) {
    return TrySendToDevice(len, data) == SendResult::Queued;
}

}  // namespace device
