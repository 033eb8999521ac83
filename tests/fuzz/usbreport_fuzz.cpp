// USB reports of arbitrary bytes into the dispatcher: every report is 65 bytes as the ring slot holds it, and
// no length byte, block number or slot number makes the dispatcher read or write outside its tables.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "device/frames.h"
#include "linkfuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ResetForInput(data, size);
    g_UsbConnected = size > 1 && (data[1] & 1);
    NullTarget target;
    for (std::size_t at = 2; at < size; at += kUsbReportSize) {
        UsbReport report{};
        std::copy_n(data + at, std::min<std::size_t>(kUsbReportSize, size - at), report.bytes);
        // Half the time the sum is made right, so the cases behind the sum check are reached too.
        const int len = report.bytes[1];
        if ((report.bytes[0] & 1) && len >= 1 && len <= kUsbMaxPayload)
            report.bytes[2 + len] = device::Checksum8(report.bytes + 2, len);
        device::DispatchUsbReport(report, target);
        CheckInvariants();
        g_UsbTxRing.Drain();
        g_TcpTxRing.Drain();
    }
    return 0;
}
