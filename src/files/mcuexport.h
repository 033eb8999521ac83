#pragma once
// C-source export of the two parameter images and of a scene slot's name, for the device's MCU sources.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "device/eqmodel.h"
#include "files/replacingfile.h"

namespace files {

inline constexpr int kExportDeviceImageBytes = 3163;  // always the whole main image
inline constexpr int kExportRoutingImageBytes = 405;
inline constexpr int kExportNameBytes = 20;
inline constexpr int kExportBytesPerRow = 10;

// Number used in the next name file's name ("Name<n>.c"); 1 at program start, grows with every use.
extern int g_NameFileCounter;
void ResetNameFileCounter();

// The text of one array file: a commented define with the byte count, the declaration line, the bytes in rows
// of ten as "0x%02x, " (the last one without comma and blank), the closing brace; CR LF after every line.
std::string BuildArrayExportText(std::string_view defineName, std::string_view declaration,
                                 std::span<const std::uint8_t> bytes);
std::string BuildDeviceImageExportText(std::span<const std::uint8_t> image);   // first 3163 bytes
std::string BuildRoutingImageExportText(std::span<const std::uint8_t> image);  // first 405 bytes

// The name file's bytes: "{0x.., ..., 0x..}" of the 20 name bytes, UTF-16LE, no byte-order mark, no line end.
std::string BuildNameExportBytes(std::span<const std::uint8_t, kExportNameBytes> name);

std::string RoutingExportPath(const std::string& chosenPath);  // the chosen path with "2" appended
// "<folder of the chosen file>/Name<counter>.c"
std::string NameExportPath(const std::string& chosenPath, int counter);

struct ExportResult {
    bool ok = false;
    std::string failedPath;  // the file that could not be written
    std::string error;
};

// Writes the first and second file from the images as they are (the caller packs them first). Stops at the
// first file that cannot be written.
ExportResult ExportImageFiles(const std::string& chosenPath, std::span<const std::uint8_t> deviceImage,
                              std::span<const std::uint8_t> routingImage);

// The export as the main window runs it once the path is chosen: packs the model (with the window's delays
// and overlay mask) into g_DeviceImage and writes the first file, then packs g_RoutingImage and writes the
// second.
ExportResult ExportMcuImages(const std::string& chosenPath, const std::array<int, kChannels>& delays,
                             int overlayMask);

// Writes the name file of g_ModeNames[slot] (slot 0..7) for the chosen path; see below.
ExportResult ExportModeNameFile(const std::string& chosenPath, int slot);

// Writes the name file for the chosen path with the current counter, which grows whether or not the file
// could be written.
ExportResult ExportNameFile(const std::string& chosenPath,
                            std::span<const std::uint8_t, kExportNameBytes> name);

}  // namespace files
