#pragma once
// Firmware image files: the accepted file name for each device model and the 8-bit sum check.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "device/frames.h"

namespace files {

// The accepted firmware file names of a device model (1..9); empty for any other value.
std::span<const std::string_view> FirmwareNamesForModel(int model);

// The file name with its extension and without its folder.
std::string_view FileNameOf(std::string_view path);

// Exact, case-sensitive test of the file name (no folder) against the model's names, or against all ten names
// when acceptAnyModel is set.
bool IsFirmwareNameAccepted(std::string_view fileName, int model, bool acceptAnyModel);

// True when the last byte is the 8-bit sum of all bytes before it. A file under 2 bytes holds no image and
// fails.
bool FirmwareChecksumOk(std::span<const std::uint8_t> file);

}  // namespace files

namespace files {

inline constexpr int kStrFirmwareWrongName = 154;      // "Error file, upgrade failed!"
inline constexpr int kStrFirmwareWrongChecksum = 155;  // "Error checksum, upgrade failed!"

// The most a transfer can address, and the checksum byte after it. A block number is two bytes, but FF FF
// ends the transfer, so blocks 0..65534 carry data; over USB a block holds 56 bytes, and an upgrade may run
// over USB whichever link the file was chosen on.
inline constexpr std::size_t kFirmwareMaxBlocks = 65535u;
inline constexpr std::size_t kFirmwareFileLimit = kFirmwareMaxBlocks * kUpgradeBlockUsb + 1u;

enum class FirmwareLoadStatus {
    kLoaded,     // path, bytes and checksum held; the window stops the change push and asks for upgrade mode
    kWrongName,  // string 154; the previous file, if any, stays
    kWrongChecksum,  // string 155 (also a file under 2 bytes); no file is loaded afterwards
    kOpenFailed,     // not a regular file, too large or unreadable: error holds the reason; no file is loaded
};

struct FirmwareLoadResult {
    FirmwareLoadStatus status = FirmwareLoadStatus::kOpenFailed;
    int messageId = 0;
    std::string error;
};

// Tests the chosen file's name against g_DeviceModel (against every model's names with acceptAnyModel, as the
// upgrade start's own file choice does), reads it and checks its sum; on success g_FirmwarePath,
// g_FirmwareImage (the whole file) and g_FirmwareChecksum (its last byte) hold it.
FirmwareLoadResult LoadFirmwareFile(const std::string& path, bool acceptAnyModel = false);

}  // namespace files
