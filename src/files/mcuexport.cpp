#include "files/mcuexport.h"

#include <algorithm>
#include <cassert>
#include <filesystem>
#include <mutex>

#include "device/deviceimage.h"
#include "device/images.h"
#include "device/names.h"
#include "device/routingimage.h"
#include "files/numbertext.h"

namespace files {

int g_NameFileCounter = 1;

void ResetNameFileCounter() {
    g_NameFileCounter = 1;
}

std::string BuildArrayExportText(std::string_view defineName, std::string_view declaration,
                                 std::span<const std::uint8_t> bytes) {
    std::string text;
    text.reserve(bytes.size() * 6 + bytes.size() / kExportBytesPerRow * 2 + 128);
    text += "//#define ";
    text += defineName;
    text.append(17, ' ');
    AppendInt(text, static_cast<long long>(bytes.size()));
    text += "\r\n";
    text += declaration;
    text += " =\r\n{\r\n";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        AppendHexByte(text, bytes[i]);
        const bool last = i + 1 == bytes.size();
        if (!last) text += ", ";
        if (last || (i + 1) % kExportBytesPerRow == 0) text += "\r\n";
    }
    text += "};\r\n";
    return text;
}

std::string BuildDeviceImageExportText(std::span<const std::uint8_t> image) {
    assert(image.size() >= kExportDeviceImageBytes);
    return BuildArrayExportText("EQ_USER_PARA_NUM", "const unsigned char EqUser[EQ_USER_PARA_NUM]",
                                image.first(kExportDeviceImageBytes));
}

std::string BuildRoutingImageExportText(std::span<const std::uint8_t> image) {
    assert(image.size() >= kExportRoutingImageBytes);
    return BuildArrayExportText("SAVE_PARA_2_END", "const unsigned char EqUser2[SAVE_PARA_2_END]",
                                image.first(kExportRoutingImageBytes));
}

std::string BuildNameExportBytes(std::span<const std::uint8_t, kExportNameBytes> name) {
    std::string text = "{";
    for (int i = 0; i < kExportNameBytes; ++i) {
        AppendHexByte(text, name[i]);
        text += i + 1 < kExportNameBytes ? ", " : "}";
    }
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (char c : text) {  // ASCII only, so each character is one unit
        bytes += c;
        bytes += '\0';
    }
    return bytes;
}

std::string RoutingExportPath(const std::string& chosenPath) {
    return chosenPath + "2";
}

std::string NameExportPath(const std::string& chosenPath, int counter) {
    std::filesystem::path folder = std::filesystem::path(chosenPath).parent_path();
    return (folder / ("Name" + std::to_string(counter) + ".c")).string();
}

namespace {

ExportResult WriteExportFile(const std::string& path, std::string_view bytes) {
    const WriteResult w = WriteFileReplacing(path, bytes);
    ExportResult result;
    result.ok = w.ok;
    if (!w.ok) {
        result.failedPath = path;
        result.error = w.error;
    }
    return result;
}

}  // namespace

ExportResult ExportImageFiles(const std::string& chosenPath, std::span<const std::uint8_t> deviceImage,
                              std::span<const std::uint8_t> routingImage) {
    ExportResult result = WriteExportFile(chosenPath, BuildDeviceImageExportText(deviceImage));
    if (!result.ok) return result;
    return WriteExportFile(RoutingExportPath(chosenPath), BuildRoutingImageExportText(routingImage));
}

ExportResult ExportNameFile(const std::string& chosenPath,
                            std::span<const std::uint8_t, kExportNameBytes> name) {
    const std::string path = NameExportPath(chosenPath, g_NameFileCounter);
    ++g_NameFileCounter;  // used up even when the file cannot be written
    return WriteExportFile(path, BuildNameExportBytes(name));
}

ExportResult ExportMcuImages(const std::string& chosenPath, const std::array<int, kChannels>& delays,
                             int overlayMask) {
    std::array<std::uint8_t, EQ_USER_PARA_NUM> deviceImage{};
    std::array<std::uint8_t, SAVE_PARA_2_END> routingImage{};
    device::PackDeviceImage(delays);
    {
        std::lock_guard lock(g_ImageMutex);
        std::copy(std::begin(g_DeviceImage), std::end(g_DeviceImage), deviceImage.begin());
    }
    ExportResult result = WriteExportFile(chosenPath, BuildDeviceImageExportText(deviceImage));
    if (!result.ok) return result;
    device::PackRoutingImage(overlayMask);
    {
        std::lock_guard lock(g_ImageMutex);
        std::copy(std::begin(g_RoutingImage), std::end(g_RoutingImage), routingImage.begin());
    }
    return WriteExportFile(RoutingExportPath(chosenPath), BuildRoutingImageExportText(routingImage));
}

ExportResult ExportModeNameFile(const std::string& chosenPath, int slot) {
    if (slot < 0 || slot >= kModeSlots) {
        ExportResult result;
        result.error = "No scene slot " + std::to_string(slot);
        return result;
    }
    std::array<std::uint8_t, kExportNameBytes> name{};
    {
        std::lock_guard lock(g_NameMutex);
        std::copy_n(reinterpret_cast<const std::uint8_t*>(g_ModeNames[slot]), kExportNameBytes, name.begin());
    }
    return ExportNameFile(chosenPath, name);
}

}  // namespace files
