// The status reply's version text: any 14 bytes decode to a model 1..9 (or the one before, where the code
// leaves it), a date of at most six digits, and a text the window can show that stops at its field.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <string>

#include "device/commands.h"
#include "device/devicemodel.h"
#include "device/dispatcher.h"
#include "device/linkstate.h"
#include "device/status.h"
#include "linkfuzz.h"

namespace {

void Require(bool ok) {
    if (!ok) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const char* text = reinterpret_cast<const char*>(data);
    const int n = static_cast<int>(std::min<std::size_t>(size, kDeviceVersionLen));
    for (int current = 0; current <= 9; current += 9) {
        const int model = device::ModelFromVersion(text, n, current);
        Require((model >= 1 && model <= 9) || model == current);
    }
    const int date = device::FirmwareDateFromVersion(text, n);
    Require(date >= 0 && date <= 999999);
    // The model code alone decides the model, whatever follows it.
    if (size > 3) {
        for (int m = 1; m <= 9; ++m) {
            std::string coded =
                device::ModelCodeFor(m) + std::string(text + 3, std::min<std::size_t>(size - 3, 11));
            Require(device::ModelFromVersion(coded.data(), static_cast<int>(coded.size()), 0) == m);
        }
    }

    // The same bytes in a status reply, as the dispatch thread stores and decodes them.
    ResetForInput(data, size);
    std::uint8_t reply[kUsbMaxPayload] = {};
    reply[0] = RSP_STATUS;
    reply[1] = kStatusSubCode;
    std::memcpy(reply + 3, data, std::min<std::size_t>(size, kUsbMaxPayload - 3));
    const int len = static_cast<int>(std::min<std::size_t>(size + 3, kUsbMaxPayload));
    NullTarget target;
    device::DispatchPayload(size & 1 ? device::Link::Usb : device::Link::Tcp, reply, len, target);
    std::string shown;
    {
        std::lock_guard lock(g_VersionMutex);
        Require(g_DeviceVersion[kDeviceVersionLen] == 0);
        shown = g_DeviceVersion;
    }
    Require(shown.size() <= static_cast<std::size_t>(kDeviceVersionLen));
    const int decoded = g_DeviceModel.load();
    Require(decoded >= 0 && decoded <= 9);
    Require(g_FirmwareDate.load() >= 0 && g_FirmwareDate.load() <= 999999);
    return 0;
}
