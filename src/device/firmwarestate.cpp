#include "device/firmwarestate.h"

std::mutex g_FirmwareMutex;
std::string g_FirmwarePath;
std::vector<std::uint8_t> g_FirmwareImage;
std::atomic<std::uint8_t> g_FirmwareChecksum{0};

namespace device {

void ResetFirmware() {
    std::lock_guard lock(g_FirmwareMutex);
    g_FirmwarePath.clear();
    g_FirmwareImage.clear();
    g_FirmwareImage.shrink_to_fit();
    g_FirmwareChecksum = 0;
}

}  // namespace device
