#pragma once
// The frames that carry payloads over the two links, and the 8-bit sum they end with.
#include <cstddef>
#include <cstdint>

constexpr int kUsbReportSize = 65;
constexpr int kUsbMaxPayload = 62;
constexpr int kTcpMaxPayload = 131;  // console to device
constexpr int kTcpFrameSize = kTcpMaxPayload + 3;
constexpr int kTcpRxEntrySize = 63;  // L and up to 62 payload bytes
constexpr int kUpgradeFrameTcpSize = 518;
constexpr int kUpgradeBlockUsb = 56;
constexpr int kUpgradeBlockTcp = 512;
constexpr std::uint8_t FRAME_HEAD_TX = 0x5A;
constexpr std::uint8_t FRAME_HEAD_RX = 0xA5;

// A HID report: id 0, L, L payload bytes, their sum; the bytes after the sum carry no meaning.
struct UsbReport {
    std::uint8_t bytes[kUsbReportSize];
};

// A TCP frame to the device and its length on the stream (L + 3).
struct TcpFrame {
    std::uint8_t bytes[kTcpFrameSize];
    int length;
};

// A payload received over TCP: [0] L, [1..L] the payload; header and sum are not kept.
struct TcpRxEntry {
    std::uint8_t bytes[kTcpRxEntrySize];
};

// One 512-byte firmware block over TCP: 5A FF FD hi lo, 512 data bytes, sum of bytes 2..516.
struct UpgradeFrameTcp {
    std::uint8_t bytes[kUpgradeFrameTcpSize];
};

namespace device {

// The sum of n bytes modulo 256.
std::uint8_t Checksum8(const std::uint8_t* p, std::size_t n);

// Writes id, L, payload and sum into bytes 0..L+2 of the report and leaves the rest as it was. len must be
// 1..62.
void FrameUsbReport(std::uint8_t len, const std::uint8_t* payload, UsbReport& out);

// Writes 0x5A, L, payload and sum and sets the frame length L + 3. len must be 1..131.
void FrameTcp(std::uint8_t len, const std::uint8_t* payload, TcpFrame& out);

// Fills a TCP upgrade frame for block `block` from `count` data bytes (at most 512); the rest of the data
// area is 0xFF.
void FillUpgradeFrameTcp(std::uint16_t block, const std::uint8_t* data, std::size_t count,
                         UpgradeFrameTcp& out);

// Builds the 59-byte USB block payload FD hi lo and 56 data bytes from `count` bytes (at most 56), 0xFF
// after.
void BuildUpgradeBlockUsb(std::uint16_t block, const std::uint8_t* data, std::size_t count,
                          std::uint8_t (&out)[3 + kUpgradeBlockUsb]);

}  // namespace device
