#include "device/status.h"

#include <cstring>

std::atomic<int> g_UsbConnected{0};
std::atomic<std::uint8_t> g_DeviceIdentified{0};
std::atomic<int> g_InputSource{1};
std::atomic<int> g_CurrentModeSlot{0};
std::atomic<int> g_SaveModeSlot{0};
std::atomic<std::uint8_t> g_DeviceFlags{0};
std::atomic<std::uint8_t> g_HlNoSignalMute{0};
std::atomic<std::uint8_t> g_HideAux34{0};
std::atomic<int> g_DeviceModel{kDefaultDeviceModel};
std::atomic<int> g_FirmwareDate{kDefaultFirmwareDate};
std::atomic<std::uint8_t> g_MediaVersionReceived{0};
std::atomic<std::uint64_t> g_Progress{0};
std::atomic<std::uint8_t> g_StoreModeRequest{0};
std::atomic<std::uint8_t> g_UpgradeRunning{0};
std::atomic<std::uint8_t> g_UpgradeLastBlock{0};
std::atomic<std::uint8_t> g_ModelChosenManually{0};

std::mutex g_VersionMutex;
char g_DeviceVersion[kDeviceVersionLen + 1];
char g_MediaVersion[kMediaVersionLen + 1];

namespace device {

void ResetStatus() {
    g_UsbConnected = 0;
    g_DeviceIdentified = 0;
    g_InputSource = 1;
    g_CurrentModeSlot = 0;
    g_SaveModeSlot = 0;
    g_DeviceFlags = 0;
    g_HlNoSignalMute = 0;
    g_HideAux34 = 0;
    g_DeviceModel = kDefaultDeviceModel;
    g_FirmwareDate = kDefaultFirmwareDate;
    g_MediaVersionReceived = 0;
    g_Progress = 0;
    g_StoreModeRequest = 0;
    g_UpgradeRunning = 0;
    g_UpgradeLastBlock = 0;
    g_ModelChosenManually = 0;
    std::lock_guard lock(g_VersionMutex);
    std::memset(g_DeviceVersion, 0, sizeof g_DeviceVersion);
    std::memset(g_MediaVersion, 0, sizeof g_MediaVersion);
}

}  // namespace device
