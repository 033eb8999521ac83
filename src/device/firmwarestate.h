#pragma once
// The firmware image chosen for an upgrade. The UI thread loads it and the dispatch threads stream it: hold
// g_FirmwareMutex for every access to the path and the bytes.
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

extern std::mutex g_FirmwareMutex;
extern std::string g_FirmwarePath;                    // empty while no file is loaded
extern std::vector<std::uint8_t> g_FirmwareImage;     // the whole file; empty while none is loaded
extern std::atomic<std::uint8_t> g_FirmwareChecksum;  // the file's last byte

namespace device {

// Unloads the file: empty path, no bytes, checksum 0.
void ResetFirmware();

}  // namespace device
