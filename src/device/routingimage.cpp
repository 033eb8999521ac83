#include "device/routingimage.h"

#include <algorithm>
#include <mutex>

#include "device/channelmodel.h"
#include "device/imagebytes.h"
#include "device/status.h"

namespace device {

namespace {

int* const kBridgeFlags[6] = {&g_BridgeCh12, &g_BridgeCh34,  &g_BridgeCh56,
                              &g_BridgeCh78, &g_BridgeCh910, &g_BridgeCh1112};

int LevelOffset(int c, int input) {
    return input < 16 ? kRoutingLevelsStart + 16 * c + input : kRoutingLevelsHighStart + 4 * c + (input - 16);
}

}  // namespace

void PackRoutingImage(int overlayMask, RoutingImageBytes image) {
    std::uint8_t* img = image.data();
    for (int c = 0; c < kChannels; ++c) {
        img[3 * c] = std::uint8_t(g_RoutingMask[c] >> 16);
        Put16(img + 3 * c + 1, g_RoutingMask[c]);
    }
    if (unsigned(g_HighLevelMixVolume) <= unsigned(kMixVolumeMax)) {
        img[kRoutingMixByte] = std::uint8_t(g_HighLevelMixVolume);
    }
    if (g_HighLevelMixIn == 1) img[kRoutingMixByte] |= 0x80;
    for (int c = 0; c < kChannels; ++c) {
        for (int i = 0; i < kInputs; ++i) img[LevelOffset(c, i)] = std::uint8_t(g_InputVolume[c][i]);
        Put16(img + kRoutingLinkGroupsStart + 2 * c, g_LinkGroupMask[c]);
    }
    Put16(img + kRoutingOverlayMask, overlayMask);
    std::uint8_t bridges = 0;
    for (int p = 0; p < 6; ++p) {
        if (*kBridgeFlags[p] == 1) bridges |= std::uint8_t(1 << p);
    }
    img[kRoutingBridgeByte] = bridges;
}

void PackRoutingImage(int overlayMask) {
    std::lock_guard lock(g_ImageMutex);
    PackRoutingImage(overlayMask, g_RoutingImage);
}

RoutingImageLoad UnpackRoutingImage(std::span<const std::uint8_t, SAVE_PARA_2_END> image) {
    const std::uint8_t* img = image.data();
    RoutingImageLoad load;
    for (int c = 0; c < kChannels; ++c) {
        const int mask = (img[3 * c] << 16 | Get16(img + 3 * c + 1)) & kRoutingMaskBits;
        if (mask != g_RoutingMask[c]) {
            g_RoutingMask[c] = mask;
            load.maskChanged[c] = true;
        }
    }
    const std::uint8_t mixIn = img[kRoutingMixByte] >> 7;
    if (mixIn != g_HighLevelMixIn) {
        g_HighLevelMixIn = mixIn;
        load.mixInChanged = true;
    }
    g_HighLevelMixVolume = std::min(img[kRoutingMixByte] & 0x7F, kMixVolumeMax);
    for (int c = 0; c < kChannels; ++c) {
        for (int i = 0; i < kInputs; ++i) g_InputVolume[c][i] = img[LevelOffset(c, i)];
        g_LinkGroupMask[c] = Get16(img + kRoutingLinkGroupsStart + 2 * c) & kLinkGroupBits;
    }
    if (g_FirmwareDate.load() >= kRoutingReadBackFirmwareDate) {
        load.linksRead = true;
        load.overlayMask = Get16(img + kRoutingOverlayMask);
        for (int p = 0; p < 6; ++p) *kBridgeFlags[p] = img[kRoutingBridgeByte] >> p & 1;
    }
    return load;
}

RoutingImageLoad UnpackRoutingImage() {
    std::lock_guard lock(g_ImageMutex);
    return UnpackRoutingImage(g_RoutingImage);
}

}  // namespace device
