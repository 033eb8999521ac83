#include "device/frames.h"

#include <algorithm>
#include <cstring>

#include "device/commands.h"

namespace device {

std::uint8_t Checksum8(const std::uint8_t* p, std::size_t n) {
    std::uint8_t sum = 0;
    for (std::size_t i = 0; i < n; ++i) sum = std::uint8_t(sum + p[i]);
    return sum;
}

void FrameUsbReport(std::uint8_t len, const std::uint8_t* payload, UsbReport& out) {
    out.bytes[0] = 0;
    out.bytes[1] = len;
    std::memcpy(out.bytes + 2, payload, len);
    out.bytes[2 + len] = Checksum8(payload, len);
}

void FrameTcp(std::uint8_t len, const std::uint8_t* payload, TcpFrame& out) {
    out.bytes[0] = FRAME_HEAD_TX;
    out.bytes[1] = len;
    std::memcpy(out.bytes + 2, payload, len);
    out.bytes[2 + len] = Checksum8(payload, len);
    out.length = len + 3;
}

void FillUpgradeFrameTcp(std::uint16_t block, const std::uint8_t* data, std::size_t count,
                         UpgradeFrameTcp& out) {
    std::memset(out.bytes, 0xFF, sizeof out.bytes);
    out.bytes[0] = FRAME_HEAD_TX;
    out.bytes[1] = 0xFF;
    out.bytes[2] = CMD_UPGRADE_BLOCK;
    out.bytes[3] = std::uint8_t(block >> 8);
    out.bytes[4] = std::uint8_t(block);
    if (count > 0) std::memcpy(out.bytes + 5, data, std::min<std::size_t>(count, kUpgradeBlockTcp));
    out.bytes[kUpgradeFrameTcpSize - 1] = Checksum8(out.bytes + 2, kUpgradeFrameTcpSize - 3);
}

void BuildUpgradeBlockUsb(std::uint16_t block, const std::uint8_t* data, std::size_t count,
                          std::uint8_t (&out)[3 + kUpgradeBlockUsb]) {
    std::memset(out, 0xFF, sizeof out);
    out[0] = CMD_UPGRADE_BLOCK;
    out[1] = std::uint8_t(block >> 8);
    out[2] = std::uint8_t(block);
    if (count > 0) std::memcpy(out + 3, data, std::min<std::size_t>(count, kUpgradeBlockUsb));
}

}  // namespace device
