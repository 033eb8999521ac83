#include "device/devicemodel.h"

#include <cstring>
#include <mutex>

#include "device/status.h"

namespace device {

namespace {

// Characters of the text before its zero byte, at most size.
int TextLength(const char* text, int size) {
    int n = 0;
    while (n < size && text[n] != 0) ++n;
    return n;
}

}  // namespace

int ModelFromVersion(const char* text, int size, int current) {
    const int n = TextLength(text, size);
    const char c0 = n > 0 ? text[0] : 0;
    const char c1 = n > 1 ? text[1] : 0;
    const char c2 = n > 2 ? text[2] : 0;
    if (c2 == kFamilyA) {
        if (c1 == kVariantA1) return 4;
        if (c1 == kVariantA2) return 7;
        return 3;
    }
    if (c2 == kFamilyB) {
        if (c1 == kVariantB1) return 5;
        if (c1 == kVariantB2) return 6;
        if (c1 == kVariantB3) return c0 == kMarkP ? 6 : 1;
        return 6;
    }
    if (c2 == kFamilyC) {
        if (c1 == kVariantC1) return 8;
        if (c1 == kVariantC2) return 2;
        if (c1 == kVariantC3) return 9;
        return current;
    }
    return 2;
}

int FirmwareDateFromVersion(const char* text, int size) {
    const int n = TextLength(text, size);
    int date = 0;
    for (int i = 6; i < 12 && i < n && text[i] >= '0' && text[i] <= '9'; ++i)
        date = date * 10 + (text[i] - '0');
    return date;
}

std::string ModelCodeFor(int model) {
    switch (model) {
        case 1:
            return {'0', kVariantB3, kFamilyB};
        case 2:
            return {'0', kVariantC2, kFamilyC};
        case 3:
            return {'0', '0', kFamilyA};
        case 4:
            return {'0', kVariantA1, kFamilyA};
        case 5:
            return {'0', kVariantB1, kFamilyB};
        case 6:
            return {'0', kVariantB2, kFamilyB};
        case 7:
            return {'0', kVariantA2, kFamilyA};
        case 8:
            return {'0', kVariantC1, kFamilyC};
        case 9:
            return {'0', kVariantC3, kFamilyC};
        default:
            return "000";
    }
}

void DecodeDeviceModel() {
    char text[kDeviceVersionLen];
    {
        std::lock_guard lock(g_VersionMutex);
        std::memcpy(text, g_DeviceVersion, sizeof text);
    }
    g_DeviceModel = ModelFromVersion(text, kDeviceVersionLen, g_DeviceModel.load());
    g_FirmwareDate = FirmwareDateFromVersion(text, kDeviceVersionLen);
}

}  // namespace device
