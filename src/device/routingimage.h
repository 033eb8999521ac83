#pragma once
// The routing image: 24-bit routing masks, the high-level mix byte, the input-mix levels, the link groups,
// the graph's overlay mask and the six pair bridge flags. Bytes the console does not own are left as they
// are.
#include <array>
#include <cstdint>
#include <span>

#include "device/eqmodel.h"
#include "device/images.h"

constexpr int kRoutingMixByte = 48;
constexpr int kRoutingLevelsStart = 50;       // 16 levels per channel
constexpr int kRoutingLinkGroupsStart = 306;  // 16 bits per group
constexpr int kRoutingOverlayMask = 338;      // 16 bits
constexpr int kRoutingBridgeByte = 340;       // bits 0..5: CH1/2 .. CH11/12
constexpr int kRoutingLevelsHighStart = 341;  // levels 16..19, 4 per channel
// Devices from this firmware date on keep the bridge flags and the overlay mask, so a load reads them back.
constexpr int kRoutingReadBackFirmwareDate = 190821;

namespace device {

using RoutingImageBytes = std::span<std::uint8_t, SAVE_PARA_2_END>;

// Writes the model and the graph's overlay mask (bit c = the graph also draws CH(c+1)). A mix volume outside
// 0..60 leaves the volume bits of byte 48 as they are; the mix-in switch then only sets bit 7.
void PackRoutingImage(int overlayMask, RoutingImageBytes image);
// The same into g_RoutingImage, under g_ImageMutex.
void PackRoutingImage(int overlayMask);

// What a load changed, for the redraws, and the overlay mask it read.
struct RoutingImageLoad {
    std::array<bool, kChannels> maskChanged{};  // the row of matrix buttons to redraw
    bool mixInChanged = false;                  // the high-level mix button to redraw
    bool linksRead = false;  // bridge flags and overlay mask were read (firmware 190821 on)
    int overlayMask = 0;     // valid when linksRead
};

// Reads the image into the model: routing masks (bits 0..19 kept), mix-in switch, mix volume (above 60
// limited to 60), input levels, link groups (bits 0..11 kept); from firmware 190821 on also the six bridge
// flags and the overlay mask.
RoutingImageLoad UnpackRoutingImage(std::span<const std::uint8_t, SAVE_PARA_2_END> image);
// The same from g_RoutingImage, under g_ImageMutex.
RoutingImageLoad UnpackRoutingImage();

}  // namespace device
