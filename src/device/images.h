#pragma once
// The device's two parameter blocks as the console holds them, each with a shadow of what the device is known
// to hold. The dispatch threads store received blocks while the UI thread packs and compares: hold
// g_ImageMutex for every access to any of the four arrays.
#include <cstdint>
#include <mutex>

constexpr int EQ_USER_PARA_NUM = 3163;       // main image
constexpr int kShortDeviceImageSize = 1579;  // main image of model 1 before firmware 190821
constexpr int SAVE_PARA_2_END = 405;         // routing image
constexpr int kShortImageFirmwareDate = 190821;

extern std::mutex g_ImageMutex;
extern std::uint8_t g_DeviceImage[EQ_USER_PARA_NUM];
extern std::uint8_t g_DeviceImageShadow[EQ_USER_PARA_NUM];
extern std::uint8_t g_RoutingImage[SAVE_PARA_2_END];
extern std::uint8_t g_RoutingImageShadow[SAVE_PARA_2_END];

namespace device {

// Zeroes both images and their shadows (their start value).
void ResetImages();

}  // namespace device
