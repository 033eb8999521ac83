#pragma once
// What the link reports about the device and itself. The dispatch and transport threads write these while the
// UI thread reads them, so each is an atomic; the two version texts share a mutex.
#include <atomic>
#include <cstdint>
#include <mutex>

constexpr int kDeviceVersionLen = 14;
constexpr int kMediaVersionLen = 11;
constexpr int kModeSlots = 8;  // scene slots 0..7
constexpr int kProgressDone = 1000;
constexpr int kDefaultDeviceModel = 4;
constexpr int kDefaultFirmwareDate = 222222;

extern std::atomic<int> g_UsbConnected;               // 1 while the USB device is open
extern std::atomic<std::uint8_t> g_DeviceIdentified;  // 1 from the first status reply of a connection
extern std::atomic<int> g_InputSource;                // InputSourceId, 1 at start
extern std::atomic<int> g_CurrentModeSlot;            // 0..7
extern std::atomic<int> g_SaveModeSlot;               // 0..7
extern std::atomic<std::uint8_t> g_DeviceFlags;       // bit 0 no-signal mute, bit 6 hide AUX-3/4
extern std::atomic<std::uint8_t> g_HlNoSignalMute;
extern std::atomic<std::uint8_t> g_HideAux34;
extern std::atomic<int> g_DeviceModel;                    // 1..9, 4 at start
extern std::atomic<int> g_FirmwareDate;                   // yymmdd, 222222 at start
extern std::atomic<std::uint8_t> g_MediaVersionReceived;  // 1 once the media version was stored
extern std::atomic<std::uint64_t> g_Progress;             // per mille, 0..1000
extern std::atomic<std::uint8_t> g_StoreModeRequest;      // 1 = send CMD_STORE_MODE at the next push tick
extern std::atomic<std::uint8_t> g_UpgradeRunning;        // 1 while a firmware upgrade runs
extern std::atomic<std::uint8_t> g_UpgradeLastBlock;     // 1 once the block with the end of the data went out
extern std::atomic<std::uint8_t> g_ModelChosenManually;  // 1 after the user chose the model by hand

// The version texts of the status and media replies, each with room for a terminating zero. Hold
// g_VersionMutex while reading or writing either.
extern std::mutex g_VersionMutex;
extern char g_DeviceVersion[kDeviceVersionLen + 1];
extern char g_MediaVersion[kMediaVersionLen + 1];

namespace device {

// Brings every status value and both version texts back to their start values.
void ResetStatus();

}  // namespace device
