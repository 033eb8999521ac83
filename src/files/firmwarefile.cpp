#include "files/firmwarefile.h"

#include <algorithm>
#include <array>
#include <mutex>

#include "device/firmwarestate.h"
#include "device/status.h"
#include "platform/sys/regularfile.h"

namespace files {

namespace {

using namespace std::string_view_literals;

// Model 1 has two names; every other model one. Row m-1 starts at kFirst[m-1].
constexpr std::array<std::string_view, 10> kNames = {
    "system_K412.img"sv,   "system_K75.img"sv,    "system_K41H.img"sv,  "system_K41F.img"sv,
    "system_K41F_9.img"sv, "system_K418_3.img"sv, "system_K31_5.img"sv, "system_K41F_7.img"sv,
    "system_K41H_E.img"sv, "system_K41H_G.img"sv,
};
constexpr std::array<int, 10> kFirst = {0, 2, 3, 4, 5, 6, 7, 8, 9, 10};

}  // namespace

std::span<const std::string_view> FirmwareNamesForModel(int model) {
    if (model < 1 || model > 9) return {};
    const int begin = kFirst[model - 1];
    const int end = kFirst[model];
    return std::span<const std::string_view>(kNames).subspan(begin, end - begin);
}

std::string_view FileNameOf(std::string_view path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

bool IsFirmwareNameAccepted(std::string_view fileName, int model, bool acceptAnyModel) {
    std::span<const std::string_view> names =
        acceptAnyModel ? std::span(kNames) : FirmwareNamesForModel(model);
    return std::find(names.begin(), names.end(), fileName) != names.end();
}

bool FirmwareChecksumOk(std::span<const std::uint8_t> file) {
    if (file.size() < 2) return false;
    std::uint8_t sum = 0;
    for (std::size_t i = 0; i + 1 < file.size(); ++i) sum = static_cast<std::uint8_t>(sum + file[i]);
    return sum == file.back();
}

}  // namespace files

namespace files {

FirmwareLoadResult LoadFirmwareFile(const std::string& path, bool acceptAnyModel) {
    FirmwareLoadResult result;
    if (!IsFirmwareNameAccepted(FileNameOf(path), g_DeviceModel.load(), acceptAnyModel)) {
        result.status = FirmwareLoadStatus::kWrongName;
        result.messageId = kStrFirmwareWrongName;
        return result;
    }
    std::string bytes;
    const bool read =
        sys::ReadRegularFile(path, kFirmwareFileLimit, sys::OverLimit::kRefuse, bytes, result.error);
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    const bool sumOk = read && FirmwareChecksumOk(std::span(data, bytes.size()));
    if (!sumOk) {
        // The previous choice is gone either way, so a failed file never leaves an image to send.
        device::ResetFirmware();
        result.status = read ? FirmwareLoadStatus::kWrongChecksum : FirmwareLoadStatus::kOpenFailed;
        result.messageId = read ? kStrFirmwareWrongChecksum : 0;
        return result;
    }
    std::lock_guard lock(g_FirmwareMutex);
    g_FirmwarePath = path;
    g_FirmwareImage.assign(data, data + bytes.size());
    g_FirmwareChecksum = g_FirmwareImage.back();
    result.status = FirmwareLoadStatus::kLoaded;
    return result;
}

}  // namespace files
