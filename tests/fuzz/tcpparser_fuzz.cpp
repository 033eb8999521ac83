// The TCP receive side on arbitrary bytes: the byte-wise parser commits only frames with a length of 1..62
// and a matching sum, and the dispatcher takes whatever it commits without reading past the entry.
#include <cstddef>
#include <cstdint>

#include "device/frames.h"
#include "device/tcpframeparser.h"
#include "linkfuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ResetForInput(data, size);
    NullTarget target;
    device::TcpFrameParser parser;
    for (std::size_t i = 1; i < size; ++i) {
        TcpRxEntry entry;
        if (parser.Feed(data[i], entry) != device::TcpFrameParser::Result::Committed) continue;
        const int len = entry.bytes[0];
        if (len < 1 || len > 62) __builtin_trap();
        if (device::Checksum8(entry.bytes + 1, len) != data[i]) __builtin_trap();
        device::DispatchTcpEntry(entry, target);
        CheckInvariants();
        g_TcpTxRing.Drain();
    }
    return 0;
}
