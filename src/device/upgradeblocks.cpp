#include "device/upgradeblocks.h"

#include <mutex>

#include "device/firmwarestate.h"
#include "device/sendtodevice.h"
#include "device/status.h"

namespace device {

namespace {

std::mutex g_TcpUpgradeFrameMutex;
UpgradeFrameTcp g_TcpUpgradeFrame;
bool g_TcpUpgradeFramePending = false;

// Finds block k of the loaded file for blocks of `blockSize` bytes and hands its bytes to emit(k, data,
// count).
template <typename Emit>
bool AnswerBlockRequest(std::uint8_t hi, std::uint8_t lo, std::uint64_t blockSize, Emit&& emit) {
    std::lock_guard lock(g_FirmwareMutex);
    if (g_FirmwareImage.size() < 2) return false;
    const std::uint64_t dataSize = g_FirmwareImage.size() - 1;
    const std::uint64_t blocks = (dataSize + blockSize - 1) / blockSize;
    const std::uint64_t k = std::uint64_t(hi) * 256 + lo;
    if (k >= blocks) return false;  // never read past the data
    std::uint64_t count = blockSize;
    if (k == blocks - 1) {
        g_UpgradeLastBlock = 1;
        g_FirmwareChecksum = g_FirmwareImage[dataSize];
        count = dataSize - k * blockSize;
    }
    const bool done = emit(std::uint16_t(k), g_FirmwareImage.data() + k * blockSize, std::size_t(count));
    g_Progress = k * kProgressDone / blocks;
    return done;
}

}  // namespace

bool SendUpgradeBlockUsb(std::uint8_t hi, std::uint8_t lo) {
    return AnswerBlockRequest(hi, lo, kUpgradeBlockUsb,
                              [](std::uint16_t block, const std::uint8_t* data, std::size_t count) {
                                  std::uint8_t payload[3 + kUpgradeBlockUsb];
                                  BuildUpgradeBlockUsb(block, data, count, payload);
                                  return SendToDevice(sizeof payload, payload);
                              });
}

bool PrepareUpgradeBlockTcp(std::uint8_t hi, std::uint8_t lo) {
    return AnswerBlockRequest(hi, lo, kUpgradeBlockTcp,
                              [](std::uint16_t block, const std::uint8_t* data, std::size_t count) {
                                  std::lock_guard lock(g_TcpUpgradeFrameMutex);
                                  FillUpgradeFrameTcp(block, data, count, g_TcpUpgradeFrame);
                                  g_TcpUpgradeFramePending = true;
                                  return true;
                              });
}

bool TakeTcpUpgradeFrame(UpgradeFrameTcp& out) {
    std::lock_guard lock(g_TcpUpgradeFrameMutex);
    if (!g_TcpUpgradeFramePending) return false;
    out = g_TcpUpgradeFrame;
    g_TcpUpgradeFramePending = false;
    return true;
}

bool TcpUpgradeFramePending() {
    std::lock_guard lock(g_TcpUpgradeFrameMutex);
    return g_TcpUpgradeFramePending;
}

void ClearTcpUpgradeFrame() {
    std::lock_guard lock(g_TcpUpgradeFrameMutex);
    g_TcpUpgradeFramePending = false;
}

}  // namespace device
